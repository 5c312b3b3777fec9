#pragma once

class QKeyEvent;

namespace ArrowKeyPointer {

/** The arrow keys move the pointer by a pixel, by six with Shift, so that a graph can be read without a mouse. */
void move(const QKeyEvent& event);

} // namespace ArrowKeyPointer
