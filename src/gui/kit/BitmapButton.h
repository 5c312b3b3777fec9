#pragma once

#include <QPushButton>

/**
 * A dialog button that shows one of the program's pictures over its whole face, drawn at the
 * button's own size so that it stays sharp on every screen. It keeps QPushButton's default-button
 * handling (Enter presses the default one); a checked push-like button stays pushed in.
 */
class BitmapButton : public QPushButton {
    Q_OBJECT
public:
    /** A button named name (its objectName) showing a picture. */
    BitmapButton(const QString& name, int pictureId, QWidget* parent);

    /** Shows another picture, as a screen that gives the button a new face does. */
    void setPicture(int pictureId);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_pictureId;
};
