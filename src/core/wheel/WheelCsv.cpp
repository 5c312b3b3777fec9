#include "core/wheel/WheelCsv.h"

#include <QStringList>

#include "core/exchange/CsvTable.h"

namespace WheelCsv {

QByteArray encode(const QList<QList<int>>& tickets)
{
    QList<QStringList> rows{{QStringLiteral("ticket"), QStringLiteral("n1"), QStringLiteral("n2"), QStringLiteral("n3"),
                             QStringLiteral("n4"), QStringLiteral("n5"), QStringLiteral("n6")}};
    for (qsizetype i = 0; i < tickets.size(); ++i) {
        QStringList row{QString::number(i + 1)};
        for (const int n : tickets[i])
            row.append(QString::number(n));
        rows.append(row);
    }
    return CsvTable::write(rows);
}

} // namespace WheelCsv
