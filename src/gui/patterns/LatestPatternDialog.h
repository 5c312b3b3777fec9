#pragma once

#include <QDialog>
#include <QPointer>

#include <array>

#include "store/HistoryFormat.h"

class CVemoView;
class QLabel;
class QTabBar;
class PatternWeightingToggle;

/**
 * The latest-pattern dialog: for the order of the chosen tab (2 … 9), every number's current-pattern
 * count side by side. Pointing at a number's label frames it and shows its count and its latest draws
 * as 〇/Χ; the toggle switches the pattern weighting for the whole program. Modeless, on top, one at a time.
 */
class LatestPatternDialog : public QDialog {
    Q_OBJECT

public:
    /** Command 32818: opens the dialog centred on the screen; an open one is left as it is. */
    static LatestPatternDialog* open(CVemoView& view);
    /** The open dialog, or null. */
    static LatestPatternDialog* openDialog();
    /** Brings the open dialog, if any, in front of the main window. */
    static void raiseIfOpen();

    /** Top-left pixel of number n's label, where the dialog takes pointing at it. */
    static QPoint labelPosition(int number);

    /** The weighting changed elsewhere: the title, the toggle and every value follow it. */
    void showWeighting(bool on);
    /** WM_LATESTPATTERN_REFRESH: recomputes the counts of the chosen order and shows them, nothing pointed at. */
    void latestPatternRefresh();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    explicit LatestPatternDialog(CVemoView& view);

    void createControls();
    void createNumberColumns();
    void installHelp();
    void showTabCounts();
    void pointAt(int number);
    int order() const;
    bool weighting() const;

    CVemoView& m_view;
    QTabBar* m_tabs = nullptr;
    std::array<QLabel*, kNumberCount> m_labels{};
    std::array<QLabel*, kNumberCount> m_values{};
    QLabel* m_caption = nullptr;
    QLabel* m_patternLine = nullptr;
    PatternWeightingToggle* m_toggle = nullptr;
    int m_highlightedNumber = 0;

    static inline QPointer<LatestPatternDialog> s_dialog;
};
