#pragma once

/** Scale and second stage of the appearance-number screen, and how its zoom spin walks them. */
struct AppearanceZoom {
    int scale = 10;
    int step = 1;
    bool operator==(const AppearanceZoom&) const = default;

    /** One step of the zoom spin: 90 … 20, 10, 9 … 1, then the stages 10, 13 … 37; and back. */
    AppearanceZoom stepped(int delta) const;

    /** The zoom the screen opens at: 5, or as many steps out as the tallest count's bar needs to fit. */
    static AppearanceZoom opening(int tallestCount);
};
