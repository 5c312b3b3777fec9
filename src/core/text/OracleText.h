#pragma once

#include <QString>
#include <QStringList>

#include "core/UserMessage.h"

/** Texts of the random god. */
namespace OracleText {

/** Asked by lucky colour without choosing one. */
UserMessage noColourChosen();

/** The dialog's caption. */
QString title();

/** Items of the birth-month (1 … 12) and birth-day (1 … 31) lists, each ending in a blank. */
QString monthItem(int month);
QString dayItem(int day);

/** The lucky colours 1 (茶) … 10 (黒). */
QString colourName(int colour);

/** The god's words on the screens: lines of one speech. */
QStringList greetingWords();
QStringList modeChoiceWords();
QStringList birthdayWords();
QStringList colourWords();
QStringList numberWords();
/** The words over an answer by mode: 0 luck of the moment, 1 birthday, 2 colour, 3 lucky number. */
QStringList answerWords(int mode);

/** Captions of the pictured buttons. */
QString understoodButton();
QString pleaseHelpButton();
QString momentButton();
QString birthdayButton();
QString colourButton();
QString numberButton();
QString askButton();
QString cancelButton();
QString thanksButton();

/** Captions the pictures put beside the inputs. */
QString birthdayLabel();
QString digitPlace(int place);
QString luckyNumberLabel();

} // namespace OracleText
