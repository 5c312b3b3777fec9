#pragma once

#include <QList>

#include "core/UserMessage.h"

/**
 * Checks a chosen set of numbers: exactly six, each 1 … 43, none twice. notSix is the message for
 * a wrong count; the other refusals take its caption, so that each dialog keeps its own.
 */
Status checkSixNumbers(const QList<int>& numbers, const UserMessage& notSix);
