#include "store/Registrants.h"

#include <QDir>

RegistrantNames scanRegistrants(const QString& predictionFolder)
{
    RegistrantNames names;
    const QStringList entries = QDir(predictionFolder).entryList(QDir::Files, QDir::Name);
    for (const QString& entry : entries) {
        if (!entry.startsWith(QStringLiteral("YDF")))
            continue;
        const QString shortened = entry.chopped(qMin<qsizetype>(4, entry.size()));
        for (int slot = 1; slot <= kRegistrantSlots; ++slot) {
            // The slot digit counts only where it first appears, right after "YDF".
            if (shortened.indexOf(QChar(u'0' + slot)) == 3)
                names[slot - 1] = shortened.mid(4);
        }
    }
    return names;
}
