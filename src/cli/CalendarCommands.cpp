#include "cli/CalendarCommands.h"

#include <QDate>

#include "cli/CliArguments.h"
#include "core/app/Rokuyo.h"
#include "core/app/TitleSuffix.h"

namespace {

std::optional<QDate> date(CliArguments& args)
{
    const auto word = args.word();
    if (!word)
        return std::nullopt;
    const QDate value = QDate::fromString(*word, QStringLiteral("yyyyMMdd"));
    return value.isValid() ? std::optional<QDate>(value) : std::nullopt;
}

int yyyymmdd(const QDate& date)
{
    return date.year() * 10000 + date.month() * 100 + date.day();
}

int rokuyo(CliContext& context, CliArguments& args)
{
    const auto from = date(args);
    const auto to = date(args);
    if (!from || !to || *from > *to || !args.atEnd())
        return context.usage(QStringLiteral("rokuyo FROM TO   (YYYYMMDD, FROM ≤ TO)"));
    for (QDate day = *from; day <= *to; day = day.addDays(1))
        context.out() << yyyymmdd(day) << ' ' << Calendar::rokuyoIndex(yyyymmdd(day)) << '\n';
    return 0;
}

int titleSuffix(CliContext& context, CliArguments& args)
{
    const auto day = date(args);
    if (!day || !args.atEnd())
        return context.usage(QStringLiteral("title-suffix YYYYMMDD"));
    context.out() << Calendar::titleSuffix(*day) << '\n';
    return 0;
}

} // namespace

QList<CliCommand> calendarCommands()
{
    return {
        {QStringLiteral("rokuyo"), QStringLiteral("rokuyo FROM TO"), rokuyo, reads},
        {QStringLiteral("title-suffix"), QStringLiteral("title-suffix YYYYMMDD"), titleSuffix, reads},
    };
}
