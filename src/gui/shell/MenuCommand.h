#pragma once

/** Command ids of the main menu. */
namespace MenuCommand {
inline constexpr int kBrowserFromFile = 32939;
inline constexpr int kBrowserFromClipboard = 32946;
inline constexpr int kHomePage = 32940;
inline constexpr int kExit = 57665;
inline constexpr int kDataEntry = 32814;
inline constexpr int kPredictionFiles = 32933;
inline constexpr int kWeightingOn = 32936;
inline constexpr int kWeightingOff = 32937;
inline constexpr int kPatternGraph = 32913;
inline constexpr int kAppearance = 32912;
inline constexpr int kHistoryGraph = 32942;
inline constexpr int kHitCount = 32930;
inline constexpr int kLatestPattern = 32818;
inline constexpr int kNumberCard = 32825;
inline constexpr int kRandomGod = 32819;
inline constexpr int kOracleTime = 32949;
inline constexpr int kOracleBirthday = 32950;
inline constexpr int kOracleColour = 32951;
inline constexpr int kOracleNumber = 32952;
inline constexpr int kDataGod = 32945;
inline constexpr int kBacktest = 32947;
inline constexpr int kWheel = 32970;
inline constexpr int kLastDraw = 32817;
inline constexpr int kDataUpdate = 32953;
inline constexpr int kUndoHistory = 32960;
inline constexpr int kExportCsv = 32964;
inline constexpr int kImportCsv = 32965;
inline constexpr int kHelp = 57671;
inline constexpr int kAbout = 57664;
} // namespace MenuCommand
