#include "core/entry/DrawResultText.h"

#include <QStringList>

#include "core/store/DrawHistory.h"
#include "core/text/EntryText.h"
#include "core/text/StoreText.h"

DrawResultText DrawResultText::of(const DrawHistory& history, int draw)
{
    QStringList numbers;
    for (int n = 1; n <= kNumberCount && numbers.size() < kNumbersPerDraw; ++n) {
        if (history.isHit(n, draw))
            numbers.append(QString::number(n));
    }
    if (numbers.size() == kNumbersPerDraw)
        return {numbers.join(QStringLiteral(". ")), std::nullopt};
    if (numbers.isEmpty())
        return {EntryText::missingResult(), std::nullopt};
    return {EntryText::missingResult(), StoreText::drawNotSixNumbers(int(numbers.size()))};
}
