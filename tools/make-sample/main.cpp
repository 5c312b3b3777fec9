// Writes the bundled sample installation's data: synthetic draws from a fixed seed, a few sample
// predictions and the browser settings. Usage: make-sample DIR  (DIR becomes the sample folder).
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "predict/ClassicRandom.h"
#include "store/HistoryFormat.h"
#include "store/InstallPaths.h"

namespace {

constexpr int kSampleDraws = 2000;
constexpr std::uint32_t kSeed = 20260101;

QList<int> drawSix(ClassicRandom& random)
{
    QList<int> numbers;
    while (numbers.size() < kNumbersPerDraw) {
        const int n = random.next() % kNumberCount + 1;
        if (!numbers.contains(n))
            numbers.append(n);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QByteArray predictionRecord(int draw, int index, const QList<int>& numbers)
{
    QByteArray record = QByteArray::number(draw).rightJustified(4, '0') + QByteArray::number(index).rightJustified(2, '0');
    for (const int n : numbers)
        record += QByteArray::number(n).rightJustified(2, '0');
    return record;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        qWarning("usage: make-sample DIR");
        return 2;
    }
    const InstallPaths paths(app.arguments()[1]);
    QDir().mkpath(paths.predictionFolder());

    ClassicRandom random(kSeed);
    FlagLines lines;
    for (int draw = 1; draw <= kSampleDraws; ++draw) {
        const QList<int> numbers = drawSix(random);
        for (int n = 1; n <= kNumberCount; ++n)
            lines[n - 1].append(numbers.contains(n) ? '1' : '0');
    }

    QByteArray predictions;
    for (int draw = kSampleDraws - 2; draw <= kSampleDraws + 1; ++draw) {
        predictions += predictionRecord(draw, 1, drawSix(random));
        predictions += predictionRecord(draw, 2, drawSix(random));
    }

    const QByteArray pathData =
        QByteArray("Browser</usr/bin/x-www-browser>URL[https://www.example.jp/vemo6/]") + '\0';

    const bool written = writeFile(paths.historyFile(), HistoryFormat::serialize(lines))
                         && writeFile(paths.predictionFolder() + QStringLiteral("/sample.txt"), predictions)
                         && writeFile(paths.pathDataFile(), pathData);
    return written ? 0 : 1;
}
