#include "core/store/PrizeTable.h"

#include <QList>

#include "core/store/AtomicWriter.h"
#include "core/store/FileNameBytes.h"
#include "core/text/PrizeText.h"

namespace {

const QByteArray kPriceKey("Kakaku");

// The keys in the order of the file: the price, then the classes from the first prize down.
QList<QByteArray> keys()
{
    QList<QByteArray> keys{kPriceKey};
    for (int matched = kNumbersPerDraw; matched >= PrizeTable::kLowestClass; --matched)
        keys.append(QByteArray::number(matched));
    return keys;
}

// Decimal digits only: no sign, no spaces, no more than the largest amount has.
std::optional<qint64> yen(const QByteArray& digits)
{
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    return digits.toLongLong();
}

} // namespace

Status PrizeTable::check() const
{
    for (int matched = kLowestClass; matched <= kNumbersPerDraw; ++matched) {
        if (amount(matched) < 0 || amount(matched) > kMaxAmount)
            return PrizeText::amountOutOfRange(matched, amount(matched));
    }
    if (ticketPrice < 1 || ticketPrice > kMaxTicketPrice)
        return PrizeText::priceOutOfRange(ticketPrice);
    return std::nullopt;
}

QByteArray PrizeTable::encode() const
{
    QByteArray text;
    for (const QByteArray& key : keys()) {
        const qint64 value = key == kPriceKey ? ticketPrice : amount(key.toInt());
        text += key + '=' + QByteArray::number(value) + "\r\n";
    }
    return text;
}

Result<PrizeTable> PrizeTable::parse(const QByteArray& text, const QString& file)
{
    QList<QByteArray> lines = text.split('\n');
    // The last line ends like the others.
    if (lines.last().isEmpty())
        lines.removeLast();
    const QList<QByteArray> expected = keys();
    if (lines.size() != expected.size())
        return PrizeText::tableUnreadable(file, int(qMin(lines.size(), expected.size())) + 1);
    PrizeTable table;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArray prefix = expected[i] + '=';
        const std::optional<qint64> value = line.startsWith(prefix) ? yen(line.mid(prefix.size())) : std::nullopt;
        if (!value)
            return PrizeText::tableUnreadable(file, int(i) + 1);
        if (i == 0)
            table.ticketPrice = int(*value);
        else
            table.amounts[std::size_t(expected[i].toInt())] = *value;
    }
    if (table.ticketPrice < 1 || table.ticketPrice > kMaxTicketPrice)
        return PrizeText::tableUnreadable(file, 1);
    return table;
}

Result<std::optional<PrizeTable>> PrizeTable::load(const QString& file)
{
    if (!FileNameBytes::exists(file))
        return std::optional<PrizeTable>();
    const FileNameBytes::Content content = FileNameBytes::read(file, 4096);
    if (!content.bytes)
        return PrizeText::tableNotRead(file, content.reason);
    Result<PrizeTable> table = parse(*content.bytes, file);
    if (!table.ok())
        return table.error();
    return std::optional<PrizeTable>(table.value());
}

Status PrizeTable::store(const QString& file) const
{
    if (Status refused = check())
        return refused;
    if (const auto fault = AtomicWriter::write(file, encode()))
        return AtomicWriter::failureMessage(*fault, PrizeText::tableNotWritten(fault->path, fault->reason));
    return std::nullopt;
}

Status PrizeTable::remove(const QString& file)
{
    if (!FileNameBytes::exists(file))
        return std::nullopt;
    if (const auto fault = AtomicWriter::commit({FileChange::remove(file)}))
        return AtomicWriter::failureMessage(*fault, PrizeText::tableNotWritten(fault->path, fault->reason));
    return std::nullopt;
}
