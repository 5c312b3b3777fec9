#pragma once

#include <QString>

struct ChanceBand;
struct DrawUniformity;
class HitChance;

/** Texts that put a figure about the past beside what luck alone gives. */
namespace ChanceText {

/** Heading of the chance figures on the hit-count screen: "偶然なら". */
QString heading();
/** An average's band: "1.26±0.07". */
QString averageBand(const ChanceBand& band);
/** A count's mean and band: "156.7 (133〜181)". */
QString countBand(const ChanceBand& band);
/** One line of chance figures of a panel, for the CLI: the average, then 6 … 3 hits. */
QString hitChanceLine(const HitChance& chance);
/** What the chance figures are. */
QString hitChanceNote();
/** The data gods' result files count draws after the one predicted. */
QString lookAheadNote();

/** The appearance chart's band: over every draw, or with partner 1 … 43 over the partner's draws. */
QString appearanceBand(const ChanceBand& band, int partner);
/** The two tests of the draws and their verdict. */
QString uniformity(const DrawUniformity& uniformity);
/** Why no setting can predict fair draws. */
QString unpredictable();

/** Beside the average and σ: any six numbers are as likely as any other six. */
QString equallyLikely();

} // namespace ChanceText
