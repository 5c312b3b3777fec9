// Any bytes given as TousenKin.txt parse without a crash; a table they give is in range, and writes out as the
// same bytes it would be read from again.
#include <cstdlib>

#include "core/store/PrizeTable.h"

extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size)
{
    const QByteArray text(data, qsizetype(size));
    const Result<PrizeTable> table = PrizeTable::parse(text, QStringLiteral("TousenKin.txt"));
    if (!table.ok())
        return 0;
    if (table.value().check())
        std::abort();
    const Result<PrizeTable> again = PrizeTable::parse(table.value().encode(), QStringLiteral("TousenKin.txt"));
    if (!again.ok() || !(again.value() == table.value()))
        std::abort();
    return 0;
}
