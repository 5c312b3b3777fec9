#pragma once

#include <QString>

#include "core/UserMessage.h"

/** Texts of the data-god settings dialog, the predicting window and the
 * data-god window title. */
namespace DataGodText {

/** Caption of the settings dialog. */
QString settingsTitle();
/** Titles of the dialog's four groups and the weight's label. */
QString countGroup();
QString amountGroup();
QString priorityGroup();
QString predictingGroup();
QString weightLabel();
/** The priority choices. */
QString preferFrequent();
QString preferRare();
/** The predicting-window choices. */
QString showPredicting();
QString hidePredicting();
/** Caption of the OK button, written on its picture. */
QString showResultsButton();

/** Asks for a choice in a group that has none checked: count, data amount,
 * priority, predicting window. */
UserMessage chooseCount();
UserMessage chooseAmount();
UserMessage choosePriority();
UserMessage choosePredicting();

/** The banner of the predicting window and the caption of its Cancel button. */
QString predictingBanner();
QString predictingCancel();

/**
 * Main-window title of the data-god screen showing computed results, before the
 * date text.
 * @param amountText the data amount as the titles show it ("50" … "全部")
 */
QString resultsTitle(int predictionCount, int weight, const QString& amountText);

} // namespace DataGodText
