#pragma once

#include <optional>

/**
 * The rules of the data-entry dialog's two browsing spins, apart from the widgets: which draw the
 * draw spin moves to, and which of a draw's predictions the prediction spin asks for next.
 */
namespace EntryBrowsing {

/**
 * The draw the draw spin moves to from position by delta. It stops at the newest draw, or at limit
 * (the shown registrant's draw number) when that is larger, and never goes past the coming draw or
 * below draw 1.
 */
int nextDraw(int position, int delta, int limit, int drawCount);

/** The prediction spin's state: the prediction number shown and the highest one of the draw. */
class PredictionSpin {
public:
    /** A draw's latest prediction is shown, numbered highest (0 for none); presses start from it. */
    void recordHighest(int highest);
    /** The prediction number a press by delta asks for; none when the draw has no prediction. */
    std::optional<int> candidate(int delta) const;
    /** The asked-for prediction was found and is shown. */
    void show(int number) { m_shown = number; }

    /** The number of the prediction shown, 0 for none. */
    int shown() const { return m_shown; }

private:
    int m_shown = 0;
    int m_highest = 0;
};

} // namespace EntryBrowsing
