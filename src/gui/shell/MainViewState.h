#pragma once

#include <array>

#include "core/predict/DataGodSettings.h"
#include "core/store/HistoryFormat.h"

/** Which screen the next paint of the main view draws. */
enum class DisplayMode {
    Nothing = 0, ///< before the view is set up
    Pattern = 1,
    HitCount = 2,
    HistoryGraph = 3,
    Appearance = 4,
};

/** The screen the view is on, which its input and commands follow. */
enum class Screen {
    None,
    Pattern,
    Appearance,
    /** The hit-count screen as its commands show it: the registrants', or the data gods' before they compute. */
    HitCount,
    /** The hit-count screen with the data gods' computed files. */
    DataGodResults,
    HistoryGraph,
};

/** What the main view shows and how; its screens, commands and input share it. */
struct MainViewState {
    /** Selected number 1 … 43, 0 until the view is set up. */
    int currentNumber = 0;
    Screen screen = Screen::None;
    DisplayMode displayMode = DisplayMode::Nothing;
    /** Pixel x of the pointed bar of the pattern graph, 0 for none. */
    int hoverX = 0;
    /** Page of the pattern graph: 7, 8, 91 or 92. */
    int patternGraphMode = 7;
    int patternScale = 0;
    int patternScaleWeighted = 0;
    int appearanceScale = 10;
    int appearanceStep = 1;
    int partnerNumber = 0;
    std::array<int, kNumberCount> appearanceCount{};
    /** Counts weighted by the number of distinct patterns; off at every start. */
    bool patternWeighting = false;
    /** The number spin's own copy of the number: only the spin changes it. */
    int spinNumber = 1;
    /** The registrant dialog has been offered in this run; nobody is asked again. */
    bool registrantDialogShown = false;
    /** ResultPopupsPending: the next hit-count paint recounts the hits and scrolls the result windows to the newest. */
    bool resultPopupsPending = true;
    /** DataGodMode: the hit-count screen and the result windows show the data gods' files, not the registrants'. */
    bool dataGodMode = false;
    /** PredictionCount of the data gods' files shown: 0 at start, DataGodSettings::kNothingComputed until computed. */
    int predictionCount = 0;
    /** The data-god settings dialog's choices, remembered for the run. */
    DataGodSettings dataGodChoices{.predictionCount = DataGodSettings::kMinCount};

    bool patternScreenActive() const { return screen == Screen::Pattern; }
    bool hitScreenActive() const { return screen == Screen::HitCount; }
    bool appearanceScreenActive() const { return screen == Screen::Appearance; }
    int activePatternScale() const { return patternWeighting ? patternScaleWeighted : patternScale; }
    int& activePatternScale() { return patternWeighting ? patternScaleWeighted : patternScale; }
};

/** What a paint draws on a screen. */
inline DisplayMode displayModeOf(Screen screen)
{
    switch (screen) {
    case Screen::Pattern:
        return DisplayMode::Pattern;
    case Screen::Appearance:
        return DisplayMode::Appearance;
    case Screen::HitCount:
    case Screen::DataGodResults:
        return DisplayMode::HitCount;
    case Screen::HistoryGraph:
        return DisplayMode::HistoryGraph;
    case Screen::None:
        break;
    }
    return DisplayMode::Nothing;
}
