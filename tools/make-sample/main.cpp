// Writes the bundled sample installation's data: synthetic draws from a fixed seed, a few sample
// predictions, the browser settings, and a local update page whose main-number table holds a few
// draws more than the history, so that the update from the clipboard works offline.
// Usage: make-sample DIR  (DIR becomes the sample folder).
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "core/predict/ClassicRandom.h"
#include "core/store/HistoryFormat.h"
#include "core/store/InstallPaths.h"

namespace {

constexpr int kSampleDraws = 2000;
constexpr std::uint32_t kSeed = 20260101;
// The update page is this many draws ahead of the sample history.
constexpr int kPageExtraDraws = 10;

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
    QByteArray record =
        QByteArray::number(draw).rightJustified(4, '0') + QByteArray::number(index).rightJustified(2, '0');
    for (const int n : numbers)
        record += QByteArray::number(n).rightJustified(2, '0');
    return record;
}

void appendDraw(FlagLines& lines, const QList<int>& numbers)
{
    for (int n = 1; n <= kNumberCount; ++n)
        lines[n - 1].append(numbers.contains(n) ? '1' : '0');
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray htmlPage(const QByteArray& title, const QByteArray& body)
{
    return "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title
           + "</title>\n</head>\n" + body + "</html>\n";
}

// The update page: the link to the table in a left frame, the table alone in the right one, so
// that "select all" there copies exactly the history text.
bool writeUpdatePage(const QString& folder, const FlagLines& lines)
{
    QDir().mkpath(folder);
    const QByteArray title = "VEMO6 本数字データ";
    const QByteArray frames = "<frameset cols=\"220,*\">\n<frame name=\"menu\" src=\"menu.html\">\n"
                              "<frame name=\"data\" src=\"welcome.html\">\n</frameset>\n";
    const QByteArray menu = "<body style=\"background:#fff8e8\">\n<p>VEMO6</p>\n<p><a href=\"honsuuji.html\" "
                            "target=\"data\">本数字データ　第"
                            + QByteArray::number(lines[0].size()) + "回まで</a></p>\n</body>\n";
    const QByteArray welcome =
        "<body>\n<p>左の「本数字データ」をクリックすると、本数字データが表示されます。</p>\n</body>\n";
    const QByteArray table = "<body>\n<pre>" + HistoryFormat::serialize(lines) + "</pre>\n</body>\n";
    return writeFile(folder + QStringLiteral("/index.html"), htmlPage(title, frames))
           && writeFile(folder + QStringLiteral("/menu.html"), htmlPage(title, menu))
           && writeFile(folder + QStringLiteral("/welcome.html"), htmlPage(title, welcome))
           && writeFile(folder + QStringLiteral("/honsuuji.html"), htmlPage(title, table));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // An option is no folder: make-sample --help must not make a sample named so.
    if (app.arguments().size() != 2 || app.arguments()[1].startsWith(QLatin1Char('-'))) {
        qWarning("usage: make-sample DIR");
        return 2;
    }
    const InstallPaths paths(app.arguments()[1]);
    QDir().mkpath(paths.predictionFolder());

    ClassicRandom random(kSeed);
    FlagLines lines;
    for (int draw = 1; draw <= kSampleDraws; ++draw)
        appendDraw(lines, drawSix(random));

    QByteArray predictions;
    for (int draw = kSampleDraws - 2; draw <= kSampleDraws + 1; ++draw) {
        predictions += predictionRecord(draw, 1, drawSix(random));
        predictions += predictionRecord(draw, 2, drawSix(random));
    }

    const QByteArray pathData = QByteArray("Browser</usr/bin/x-www-browser>URL[https://www.example.jp/vemo6/]") + '\0';

    FlagLines pageLines = lines;
    for (int draw = 1; draw <= kPageExtraDraws; ++draw)
        appendDraw(pageLines, drawSix(random));

    const bool written = writeFile(paths.historyFile(), HistoryFormat::serialize(lines))
                         && writeFile(paths.predictionFolder() + QStringLiteral("/sample.txt"), predictions)
                         && writeFile(paths.pathDataFile(), pathData)
                         && writeFile(paths.updatePageFile(), "HomePage/index.html\n")
                         && writeUpdatePage(paths.root() + QStringLiteral("/HomePage"), pageLines);
    return written ? 0 : 1;
}
