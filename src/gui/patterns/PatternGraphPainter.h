#pragma once

#include <QByteArrayView>
#include <QPoint>
#include <QString>

class CurrentPatternTables;
class QPainter;
struct BarGroup;
struct PatternBars;
struct ViewDrawingKit;

/** What one paint of the pattern graph shows. */
struct PatternGraphScene {
    /** The number's hit string, newest draw first. */
    QByteArrayView hits;
    int number = 1;
    int page = 7;
    /** The scale in use: the weighted one while weighting is on. */
    int scale = 10;
    bool weighting = false;
    /** Pixel x of the pointed bar, 0 for none. */
    int hoverX = 0;
};

/**
 * Paints the appearance-pattern graph of one number: its bars with the current pattern in red,
 * the scale, the page selector, the number box and the text of the pointed bar. Stores the
 * current pattern's value of every order it draws in the current-pattern table.
 */
class PatternGraphPainter {
public:
    PatternGraphPainter(const ViewDrawingKit& kit, CurrentPatternTables& tables);

    void paint(QPainter& painter, const PatternGraphScene& scene);

    /** The page selector: the label under the pointer on yellow, else all labels plainly. */
    void paintPageLabels(QPainter& painter, QPoint pointer) const;

    /** The title box with a page's title. */
    void paintTitleBox(QPainter& painter, const QString& title) const;

private:
    void paintBars(QPainter& painter, const PatternGraphScene& scene);
    void paintHover(QPainter& painter, const PatternGraphScene& scene, const BarGroup& group,
                    const PatternBars& bars) const;
    void paintAxes(QPainter& painter) const;
    void paintScale(QPainter& painter, int scale) const;
    void paintNumberBox(QPainter& painter, int number) const;

    const ViewDrawingKit& m_kit;
    CurrentPatternTables& m_tables;
    int m_paintedHoverX = 0;
};
