#pragma once

#include <QDialog>
#include <QList>

/**
 * A small captionless box over the top-left corner of a result window showing the newest
 * prediction of its file. Enter closes it; the next paint of the hit-count screen opens it again.
 * It keeps the text it was opened with.
 */
class LatestPredictionPopup : public QDialog {
    Q_OBJECT
public:
    /**
     * The popup of result window slot 1 … 5, shown at once 3 pixels right of and below its corner.
     * With a wheel pool it also has a button that asks for a wheel over those numbers.
     */
    LatestPredictionPopup(int slot, const QString& text, QWidget* resultWindow, const QList<int>& wheelPool = {});

    QString text() const;

Q_SIGNALS:
    void wheelRequested(const QList<int>& pool);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeAtCorner();

    // The result window deletes its popup before it goes.
    const QWidget& m_resultWindow;
};
