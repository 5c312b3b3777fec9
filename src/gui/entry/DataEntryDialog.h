#pragma once

#include <QDialog>

#include <array>

#include "gui/entry/BrowserService.h"
#include "gui/entry/DataEntryForm.h"
#include "gui/entry/EntryBrowsing.h"
#include "gui/entry/SelectionHandOver.h"

class BrowserRoom;
class CVemoDoc;

/**
 * The one place where draw results and predictions are typed: the 43 numbers as tick boxes, the
 * history edits (append, modify, delete the last draw), the registrants' predictions, browsing the
 * results next to a registrant's predictions, the average and σ, the hand-over to the number card
 * and the lottery's home page in the registered browser. Modal; everything it shows is read from
 * the document when it opens and after each action.
 */
class DataEntryDialog : public QDialog {
    Q_OBJECT
public:
    /** handOver holds the ticks that the dialog and the number card hand each other. */
    DataEntryDialog(CVemoDoc& doc, BrowserRoom& room, SelectionHandOver& handOver, QWidget* parent = nullptr);

    /** Puts the main window back if it made way for a browser, however the dialog ends. */
    void done(int result) override;
    /** Cancel: the browser started from here is asked to close too. */
    void reject() override;

Q_SIGNALS:
    /** A prediction was entered for draw, numbers in the order ticked: the history graph is to show it. */
    void predictionEntered(int draw, const QList<int>& numbers);
    /** The ticks went to the hand-over: the number card is to show them. */
    void numberCardRequested();
    /** A registrant's prediction was deleted. */
    void predictionDeleted();
    /** The dialog moved; topLeft is its client area's corner on the screen. */
    void moved(const QPoint& topLeft);

protected:
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    /** The arrow keys in the browsed draw's edit move the draw spin. */
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void start();

    void appendDraw();
    void modifyDraw();
    void deleteLastDraw();
    void showDrawSelection();
    void refreshAfterHistoryEdit();
    void showHistoryStatistics();

    void browseDraw(int delta);
    void browsePredictions(int delta);
    void showBrowsedDraw(int draw);
    void showLatestPrediction();
    /** The ticked radio button's slot, 0 for none. */
    int tickedSlot() const;
    /** Whose predictions are shown: the ticked slot, else the lowest registered one, else 0 (the sample file). */
    int shownSlot() const;

    void enterPrediction(int slot);
    void deletePrediction();
    void showLargestDraws();

    void calculateAverage();
    void handOverToCard();
    void openHomePage();

    QList<int> tickedNumbers() const;
    void setTicks(const std::array<bool, kNumberCount>& ticks);

    CVemoDoc& m_doc;
    BrowserRoom& m_room;
    SelectionHandOver& m_handOver;
    DataEntryForm m_form;
    int m_browsedDraw = 0;
    EntryBrowsing::PredictionSpin m_predictionSpin;
    BrowserService::Process m_browser;
};
