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
/** Why the check is off while the scores look ahead. */
QString holdoutNeedsWalkForward();
/**
 * The check's verdict on the one setting chosen before the second half was looked at: the best of the
 * first half, described by setting, with its z on the second half.
 */
QString checkVerdict(const QString& setting, double secondHalfZ);
/** A setting as the verdict names it. */
QString settingName(const QString& god, int count, const QString& amount, bool frequent, int weight);
/** The one sentence, shown in red, that says what the figures of the result files' mode cannot tell. */
QString asWrittenWarning();
QString luckHistoriesCaption();
QString luckHistoriesSuffix();
QString luckMeasuring();
QString luckCancelled();
/**
 * The measured luck line, which luck alone passes once in twenty, with the histories that measured it
 * so far and the command that measures it again; done says whether they are all in.
 */
QString luckLine(int settings, double line, int histories, bool done, const QString& command);
/** The verdict of a run: whether its best z lies above the luck line. */
QString runVerdict(double bestZ, double line);
/** With a holdout, the ranked columns are the first half's and a last column holds the second half's. */
QStringList tableHeaders(bool holdout);
/** The simultaneous 95 % interval of a mean. */
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
