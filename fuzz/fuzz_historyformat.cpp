// Any bytes given as a history file or as pasted text are either read or refused, never a crash,
// and what is read writes back to the same lines.
#include <QByteArray>

#include <cstdlib>

#include "store/HistoryFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size)
{
    const QByteArray bytes(data, qsizetype(size));
    for (const auto& parsed : {HistoryFormat::parse(bytes), HistoryFormat::parseLenient(bytes)}) {
        if (const auto* lines = std::get_if<FlagLines>(&parsed)) {
            const auto again = HistoryFormat::parse(HistoryFormat::serialize(*lines));
            if (!std::holds_alternative<FlagLines>(again) || std::get<FlagLines>(again) != *lines)
                std::abort();
        }
    }
    return 0;
}
