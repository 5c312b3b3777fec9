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
/** The number of settings compared and the z the best of them reaches by luck. */
QString luckLine(int settings, double threshold);
QStringList tableHeaders();
QString preference(bool frequent);
QString notComputed();

QString drawsHelp();
QString walkForwardHelp();
QString startHelp();
QString cancelHelp();
QString progressHelp();
QString mapChoiceHelp();
QString heatMapHelp();
QString luckHelp();
QString tableHelp();
QString runSelectedHelp();

} // namespace BacktestText
