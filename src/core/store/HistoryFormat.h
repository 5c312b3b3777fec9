#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <variant>

/** The 43 numbers of the lottery; a draw picks six of them. */
inline constexpr int kNumberCount = 43;
/** Numbers of a draw. */
inline constexpr int kNumbersPerDraw = 6;
/**
 * Largest history: prediction records number draws with four digits, and the coming draw
 * (draw count + 1) must fit.
 */
inline constexpr int kMaxDraws = 9998;
/**
 * Largest history read at all: the most draws a kept version's name can give (five digits). A file made
 * past kMaxDraws by hand still opens, so that it can be brought back under the limit; it cannot grow.
 */
inline constexpr int kMaxReadDraws = 99999;

/** One flag line per number, oldest draw first, each holding only '0' and '1'. */
using FlagLines = std::array<QByteArray, kNumberCount>;

/** Where and why a history text breaks its layout. */
struct FormatFault {
    int line = 0; ///< 1-based line of the text
    QString reason;
};

/**
 * The byte layout of the draw history file: 43 lines "dNN*" + one flag per draw, lines 1–42
 * ending in CR LF, line 43 ending the file.
 */
namespace HistoryFormat {

/**
 * Parses file bytes in that layout, of up to kMaxReadDraws draws; lines may also end in LF, as an
 * editor may leave them, and the last one too. A fault names the first offending line.
 */
std::variant<FlagLines, FormatFault> parse(const QByteArray& bytes);

/**
 * Parses pasted text: lines may end in LF or CR LF, trailing blanks of a line and trailing
 * empty lines are ignored; at most kMaxDraws draws; otherwise the same rules as parse().
 */
std::variant<FlagLines, FormatFault> parseLenient(const QByteArray& text);

/** Writes lines in the exact layout. */
QByteArray serialize(const FlagLines& lines);

/** The tag of a line: "d01*" for number 1. */
QByteArray tag(int number);

} // namespace HistoryFormat
