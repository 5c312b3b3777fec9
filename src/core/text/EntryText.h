#pragma once

#include <QString>

#include "core/UserMessage.h"

/**
 * Texts of data entry, the average and σ, the registrants' predictions and the browser settings
 * file. The program's own wording, used as it stands by the GUI and the command-line front end.
 */
namespace EntryText {

/** Shown in place of a draw's result when it is missing or incomplete. */
QString missingResult();
/** Shown in place of a prediction that is not stored. */
QString missingPrediction();
/** Label of a registrant's prediction within a draw: "予想 " + number. */
QString predictionLabel(int number);

/**
 * A value of the average and σ texts: 5 significant digits, an integral value keeps its point ("7."),
 * and a value below 0.1 takes the exponent form ("8.3333e-002").
 */
QString statistic(double value);
/** The average and σ of the chosen six numbers. */
QString selectionStatistics(float average, double sigma);
/** Mean and σ of a statistic over the whole history. */
QString historyStatistics(float mean, double sigma);

/** Not six numbers chosen for a prediction. */
UserMessage predictionNotSixNumbers();
/** Not six numbers chosen for the average and σ. */
UserMessage averageNotSixNumbers();
/** A stored draw without six numbers, left out of the history statistics; found is at most 7 ("7 or more"). */
UserMessage averageDrawNotSixNumbers(int draw, int found);

/** A prediction for a draw past the coming one. */
UserMessage predictionDrawTooLarge();
/** A prediction draw number below 1. */
UserMessage predictionDrawTooSmall(int largestDraw);
/** The draw already holds the most predictions a file can number. */
UserMessage predictionsFull(int draw, int maxPredictions);
/** Tickets to store at once that the draw has no room for; nothing was stored. */
UserMessage ticketsPassTheLimit(int draw, int tickets, int room);
/** Delete asked for without a registrant chosen. */
UserMessage nothingToDelete();
/** No stored prediction has the draw and number to delete. */
UserMessage noMatchingPrediction();

/** Title and instructions of the registrant dialog. */
QString registrantDialogTitle();
QString registrantDialogInstructions();
/** Captions of the registrant dialog's OK and Cancel buttons. */
QString registrantOkButton();
QString registrantCancelButton();
/** Confirmation before a registered slot and its predictions are removed. */
UserMessage confirmRemoveRegistrant();
/** A registrant name left empty. */
UserMessage registrantNameEmpty();
/** A name of blanks only. */
UserMessage registrantNameBlank();
/** A registrant name longer than 10 Shift-JIS bytes. */
UserMessage registrantNameTooLong(const QString& name);
/** A registrant name that cannot be part of a file name. */
UserMessage registrantNameUnsafe(const QString& name);
/** A slot that holds no registrant. */
UserMessage registrantNotRegistered(int slot);
/** Renaming a slot onto a file that is already there. */
UserMessage registrantFileExists(const QString& path);
/** Creating, renaming or deleting a registrant's file failed. */
UserMessage registrantFileFailed(const QString& path, const QString& reason);
/** Undo asked for while no change of a prediction file is kept. */
UserMessage nothingToUndo(const QString& fileName);

/** A browser path or address that PathData.txt cannot hold. */
UserMessage pathDataUnstorable();
/** Writing PathData.txt failed; the old settings are kept. */
UserMessage pathDataWriteFailed(const QString& path, const QString& reason);

/** Title of the number card. */
QString numberCardTitle();
/** The number card's count of ticked numbers. */
QString numberCardCount(int ticked);
/** Help popups of the number card: the hand-over button, the clear button and number n's box. */
QString numberCardHandOverHelp();
QString numberCardClearHelp();
QString numberCardBoxHelp(int number);
/** Help popups of the registrant dialog: slot n's name edit and its slot button. */
QString registrantNameHelp(int slot);
QString registrantSlotHelp(int slot);

/** Title of the data-entry dialog. */
QString dataEntryTitle();
/** Captions of the data-entry dialog's number box n, registrant button and radio button of a slot. */
QString numberBoxCaption(int number);
QString registrantButtonCaption(int slot);
QString registrantRadioCaption(int slot);
/** Captions of the data-entry dialog's buttons: append, average, number card, home page, OK and Cancel. */
QString appendCaption();
QString averageCaption();
QString numberCardCaption();
QString homePageCaption();
QString dataEntryOkCaption();
QString dataEntryCancelCaption();
/** Words that a data-entry dialog picture without a caption shows on itself; empty for other pictures. */
QString dataEntryPictureLabel(int pictureId);
/** Group titles of the data-entry dialog. */
QString historyEditGroup();
QString predictionEntryGroup();
QString resultsGroup();
QString historyStatisticsGroup();
QString selectionStatisticsGroup();
/** Labels of the data-entry dialog: around a draw number, before a result, before the history statistics. */
QString drawLabelBefore();
QString drawLabelAfter();
QString resultLabel();
QString averageLabel();
QString sigmaLabel();
/**
 * Help popups of the data-entry dialog: the append, average, delete-last, modify and number-card buttons,
 * the first registrant's button, the draw spin and a slot's radio button. Its other controls have none.
 */
QString appendHelp();
QString averageHelp();
QString deleteLastHelp();
QString modifyHelp();
QString numberCardButtonHelp();
QString firstRegistrantButtonHelp();
QString drawSpinHelp();
QString registrantRadioHelp(int slot);

} // namespace EntryText
