#pragma once

#include <QDialog>

#include <array>

#include "core/store/HistoryFormat.h"

class BitmapButton;
class CVemoDoc;
class CurrentPatternTables;
class QFrame;
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
    /**
     * Opens the dialog over owner's window, centred on the screen, showing the weighting given; it counts into
     * the tables the owner shares with its pattern graph. The caller holds it and raises the open one rather
     * than opening another.
     */
    static LatestPatternDialog* open(const CVemoDoc& doc, CurrentPatternTables& tables, bool weighting, QWidget& owner);

    /** Top-left pixel of number n's label, where the dialog takes pointing at it. */
    static QPoint labelPosition(int number);

    /** The weighting changed elsewhere: the title, the toggle and every value follow it. */
    void showWeighting(bool on);
    /** WM_LATESTPATTERN_REFRESH: recomputes the counts of the chosen order and shows them, nothing pointed at. */
    void latestPatternRefresh();

Q_SIGNALS:
    /** The toggle was clicked: the weighting is to be switched to on for the whole program. */
    void weightingRequested(bool on);
    /** The dialog moved; topLeft is its client area's corner on the screen. */
    void moved(const QPoint& topLeft);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    LatestPatternDialog(const CVemoDoc& doc, CurrentPatternTables& tables, bool weighting, QWidget& owner);

    void createControls();
    void createNumberColumns();
    void installHelp();
    void showTabCounts();
    void pointAt(int number);
    int order() const;

    const CVemoDoc& m_doc;
    CurrentPatternTables& m_tables;
    bool m_weighting = false;
    QTabBar* m_tabs = nullptr;
    std::array<QLabel*, kNumberCount> m_labels{};
    std::array<QLabel*, kNumberCount> m_values{};
    std::array<QFrame*, 5> m_frames{}; // one around each column of numbers
    QLabel* m_caption = nullptr;
    QLabel* m_patternLine = nullptr;
    PatternWeightingToggle* m_toggle = nullptr;
    BitmapButton* m_ok = nullptr;
    int m_highlightedNumber = 0;
};
