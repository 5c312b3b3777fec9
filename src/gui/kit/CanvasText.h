#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

/** Text and frames placed as the screens' design gives them: by the top-left corner of the text. */
namespace CanvasText {

/** Draws text with its cell's top-left corner at a pixel; an opaque background fills the cell first. */
void draw(QPainter& painter, QPoint topLeft, const QString& text, const QColor& color,
          const QColor& background = QColor());

/** A two-pixel 3-D frame inside a rectangle, sunken or raised. */
void drawEdge(QPainter& painter, const QRect& rect, bool sunken);

/** Bytes the text takes in Shift-JIS: one per ASCII character, two for the others. */
int byteLength(const QString& text);

} // namespace CanvasText
