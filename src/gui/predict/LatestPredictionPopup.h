#pragma once

#include <QDialog>

/**
 * A small captionless box over the top-left corner of a result window showing the newest
 * prediction of its file. Enter closes it; the next paint of the hit-count screen opens it again.
 * It keeps the text it was opened with.
 */
class LatestPredictionPopup : public QDialog {
    Q_OBJECT
public:
    /** The popup of result window slot 1 … 5, shown at once 3 pixels right of and below its corner. */
    LatestPredictionPopup(int slot, const QString& text, QWidget* resultWindow);

    QString text() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
