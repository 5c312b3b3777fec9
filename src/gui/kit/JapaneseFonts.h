#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

/** The font faces the screens are drawn in, mapped onto the Japanese fonts installed here. */
namespace JapaneseFonts {

inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kMincho = QStringLiteral("ＭＳ 明朝");

/** Registers the substitutions; call once before any text is drawn. */
void installSubstitutions();

/** A face at a pixel height with a weight on the 100 … 900 scale of the screens' design. */
QFont font(const QString& face, int pixelHeight, int weight = 400);

/** The text font the main window and the windows over it share: "ＭＳ ゴシック", height H × 16 / 600. */
QFont textFont();

/** The font the dialogs are laid out in, their dialog units measured by it: "ＭＳ Ｐゴシック" at 9 points. */
QFont dialogFont();

} // namespace JapaneseFonts
