#include "gui/kit/JapaneseFonts.h"

#include "gui/kit/ScreenScale.h"

namespace JapaneseFonts {

void installSubstitutions()
{
    QFont::insertSubstitutions(kGothic,
                               QStringList{QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
    QFont::insertSubstitutions(kPGothic, QStringList{QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    QFont::insertSubstitutions(kMincho, QStringList{QStringLiteral("IPAMincho"), QStringLiteral("Noto Serif CJK JP")});
}

QFont font(const QString& face, int pixelHeight, int weight)
{
    QFont f(face);
    f.setPixelSize(qMax(1, pixelHeight));
    f.setWeight(QFont::Weight(qBound(1, weight, 1000)));
    return f;
}

QFont textFont()
{
    return font(kGothic, ScreenScale::y(16));
}

QFont dialogFont()
{
    QFont f(kPGothic);
    f.setPointSize(9);
    return f;
}

} // namespace JapaneseFonts
