// Any bytes given as a prediction file are decoded or refused, never a crash; decoded records
// encode back to the same bytes.
#include <QByteArray>

#include <cstdlib>

#include "predict/PredictionRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size)
{
    const QByteArray bytes(data, qsizetype(size));
    for (int count = 6; count <= 13; ++count) {
        const auto records = PredictionRecord::decodeAll(bytes, count);
        if (!records)
            continue;
        QByteArray encoded;
        for (const PredictionRecord& record : *records)
            encoded += record.encode();
        if (encoded != bytes)
            std::abort();
    }
    return 0;
}
