#pragma once

#include <QColor>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

/** The pictures of the data-entry dialog's buttons, drawn in their own pixel size. */
namespace DataEntryDrawings {

/** Size of the captioned button pictures (135, 137, 152, 330, 392) and of the captionless ones (148, 149, 335). */
inline constexpr QSize kButtonSize(120, 32);
/** Size of the registrant chips 270 … 274 of the radio buttons. */
inline constexpr QSize kChipSize(36, 28);

/** The colours of a captioned button face: its shade from light to dark, and its words. */
struct Face {
    QColor light;
    QColor dark;
    QColor ink;
};
/** A captioned button face of kButtonSize: the icon, drawn in a 24 × 24 square at the left, and the words. */
void drawFace(QPainter& painter, const Face& face, const QString& words, const std::function<void(QPainter&)>& icon);

void drawEntryButton(QPainter& painter);            // 135 "データ入力"
void drawAverageButton(QPainter& painter);          // 137 "平均σ値"
void drawDeleteLastButton(QPainter& painter);       // 148
void drawModifyButton(QPainter& painter);           // 149
void drawCardButton(QPainter& painter);             // 152 "ヴェ モカード"
void drawHomePageButton(QPainter& painter);         // 330 "宝くじHP"
void drawDeletePredictionButton(QPainter& painter); // 335
void drawCancelButton(QPainter& painter);           // 392 "ｷｬﾝｾﾙ"
/** Chip of registrant slot 1 … 5 (pictures 270 … 274). */
void drawRegistrantChip(QPainter& painter, int slot);

} // namespace DataEntryDrawings
