#include "core/store/HistoryFormat.h"

#include <QList>

#include "core/text/StoreText.h"

namespace HistoryFormat {
namespace {

constexpr int kTagLength = 4;

std::variant<FlagLines, FormatFault> parseLines(const QList<QByteArray>& rawLines, int maxDraws)
{
    if (rawLines.size() != kNumberCount) {
        const int faultLine = rawLines.size() > kNumberCount ? kNumberCount + 1 : int(rawLines.size());
        return FormatFault{faultLine, StoreText::reasonLineCount(int(rawLines.size()))};
    }
    FlagLines lines;
    const qsizetype length = rawLines.first().size();
    for (int i = 0; i < kNumberCount; ++i) {
        const QByteArray& raw = rawLines[i];
        const int number = i + 1;
        if (!raw.startsWith(tag(number)))
            return FormatFault{number, StoreText::reasonTag(number)};
        if (raw.size() != length)
            return FormatFault{number, StoreText::reasonLength()};
        const QByteArray flags = raw.mid(kTagLength);
        for (const char c : flags) {
            if (c != '0' && c != '1')
                return FormatFault{number, StoreText::reasonCharacters()};
        }
        if (flags.size() > maxDraws)
            return FormatFault{number, StoreText::reasonTooManyDraws(maxDraws)};
        lines[i] = flags;
    }
    return lines;
}

} // namespace

QByteArray tag(int number)
{
    return QByteArray("d") + QByteArray::number(number).rightJustified(2, '0') + '*';
}

std::variant<FlagLines, FormatFault> parse(const QByteArray& bytes)
{
    // A stray CR stays inside its line and is reported as a wrong character there.
    QList<QByteArray> lines = bytes.split('\n');
    const bool endsInLineEnd = lines.size() > 1 && lines.back().isEmpty();
    if (endsInLineEnd)
        lines.removeLast();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool ended = i + 1 < lines.size() || endsInLineEnd;
        if (ended && lines[i].endsWith('\r'))
            lines[i].chop(1);
    }
    return parseLines(lines, kMaxReadDraws);
}

std::variant<FlagLines, FormatFault> parseLenient(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    for (QByteArray& line : lines) {
        while (!line.isEmpty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return parseLines(lines, kMaxDraws);
}

QByteArray serialize(const FlagLines& lines)
{
    QByteArray bytes;
    bytes.reserve(kNumberCount * (lines[0].size() + 6));
    for (int i = 0; i < kNumberCount; ++i) {
        if (i > 0)
            bytes += "\r\n";
        bytes += tag(i + 1);
        bytes += lines[i];
    }
    return bytes;
}

} // namespace HistoryFormat
