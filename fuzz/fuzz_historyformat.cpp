// Any bytes given as a history file or as pasted text are either read or refused, never a crash,
// and what is read writes back to the same lines. Opening the bytes as KakoData.txt reads what the
// file reader reads; importing them takes what the lenient reader takes, only behind the tag of
// line 1 and only when newer than the history.
#include <QByteArray>

#include <algorithm>
#include <cstdlib>

#include "FuzzSupport.h"
#include "core/store/DrawHistory.h"
#include "core/store/HistoryFormat.h"

namespace {

const FlagLines* linesOf(const std::variant<FlagLines, FormatFault>& parsed)
{
    return std::get_if<FlagLines>(&parsed);
}

bool holds(const DrawHistory& history, const FlagLines& lines)
{
    if (history.drawCount() != lines[0].size())
        return false;
    for (int n = 1; n <= kNumberCount; ++n) {
        QByteArray flags = history.readHitString(n);
        std::reverse(flags.begin(), flags.end());
        if (flags != lines[n - 1])
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size)
{
    const QByteArray bytes(data, qsizetype(size));
    const auto exact = HistoryFormat::parse(bytes);
    const auto lenient = HistoryFormat::parseLenient(bytes);
    for (const auto* parsed : {&exact, &lenient}) {
        if (const FlagLines* lines = linesOf(*parsed)) {
            const auto again = HistoryFormat::parse(HistoryFormat::serialize(*lines));
            if (!linesOf(again) || *linesOf(again) != *lines)
                std::abort();
        }
    }
    // What the file holds within the limit, the text holds too; a file past it is only read.
    const bool withinLimit = linesOf(exact) && linesOf(exact)->at(0).size() <= kMaxDraws;
    if (withinLimit && (!linesOf(lenient) || *linesOf(lenient) != *linesOf(exact)))
        std::abort();

    static const auto empty = fuzz::openHistory(QStringLiteral("empty/KakoData.txt"), FlagLines{});
    const Result<FlagLines> imported = empty->checkImport(bytes);
    const bool importable =
        bytes.startsWith(HistoryFormat::tag(1)) && linesOf(lenient) && !linesOf(lenient)->at(0).isEmpty();
    if (imported.ok() != importable || (importable && imported.value() != *linesOf(lenient)))
        std::abort();

    const auto opened = DrawHistory::open(fuzz::writeScratchFile(QStringLiteral("KakoData.txt"), bytes));
    if (opened.ok() != bool(linesOf(exact)))
        std::abort();
    if (opened.ok()) {
        const DrawHistory& history = *opened.value();
        // The file's own text is no newer than the file.
        if (!holds(history, *linesOf(exact)) || history.checkImport(bytes).ok())
            std::abort();
    }
    return 0;
}
