#pragma once

#include <QString>
#include <QStringList>

/** Texts of the backtest window. */
namespace BacktestText {

QString windowTitle();
/** "採点する回：" and the choices: the last 100, 200, 500 draws, or all. */
QString drawsCaption();
QStringList drawsChoices();
QString walkForward();
/** The one sentence that says what walk-forward changes. */
QString walkForwardExplanation();
QString start();
QString cancel();
QString amountCaption();
QString preferenceCaption();
QStringList preferenceChoices();
QString runSelected();
/** The button that closes the window. */
QString closeButton();
/** Heading of one god's heat map. */
QString heatMapTitle(const QString& godCaption);
QString countAxis();
QString weightAxis();
QString holdout();
/** The one sentence, shown in red, that says what the figures of the result files' mode cannot tell. */
QString asWrittenWarning();
QString luckHistoriesCaption();
QString luckHistoriesSuffix();
QString luckMeasuring();
QString luckCancelled();
/** The measured luck line: the 95th and 99th percentile of the best z of so many random histories. */
QString luckLine(int settings, double p95, double p99, int histories);
/** With a holdout, z is that of the first half and a last column holds the second half's. */
QStringList tableHeaders(bool holdout);
/** The 95 % interval of a mean. */
QString meanInterval(double low, double high);
QString preference(bool frequent);
QString notComputed();

QString drawsHelp();
QString walkForwardHelp();
QString startHelp();
QString cancelHelp();
QString progressHelp();
QString mapChoiceHelp();
QString heatMapHelp();
QString holdoutHelp();
QString luckHistoriesHelp();
QString luckProgressHelp();
QString luckCancelHelp();
QString luckHelp();
QString tableHelp();
QString runSelectedHelp();

} // namespace BacktestText
