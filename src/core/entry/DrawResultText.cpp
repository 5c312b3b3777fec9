#include "entry/DrawResultText.h"

#include <QStringList>

#include "store/DrawHistory.h"
#include "text/EntryText.h"
#include "text/StoreText.h"

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
