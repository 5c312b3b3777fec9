#include "gui/entry/RegistrantButton.h"

#include <QPainter>

#include <array>

#include "core/store/Registrants.h"
#include "core/text/EntryText.h"
#include "gui/entry/RegistrantColours.h"
#include "gui/kit/CanvasText.h"
#include "gui/kit/JapaneseFonts.h"

namespace {

// Each slot's name is written in a pale tint of its colour.
QColor textColour(int slot)
{
    static const std::array<QColor, kRegistrantSlots> colours{QColor(255, 230, 230), QColor(230, 255, 230),
                                                              QColor(255, 255, 230), QColor(240, 240, 255),
                                                              QColor(255, 240, 255)};
    return colours.at(std::size_t(slot - 1));
}

} // namespace

RegistrantButton::RegistrantButton(int slot, QWidget* parent) : QAbstractButton(parent), m_slot(slot)
{
    setObjectName(QStringLiteral("registrantButton%1").arg(slot));
    setText(EntryText::registrantButtonCaption(slot));
    setEnabled(false);
}

void RegistrantButton::setRegistrant(const QString& name)
{
    m_name = name;
    setEnabled(!name.isEmpty());
    update();
}

QSize RegistrantButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(QLatin1Char('M')) * 14, metrics.height() * 2};
}

void RegistrantButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool pressed = isDown() && isEnabled();
    CanvasText::drawEdge(painter, rect(), pressed);
    const QRect inner = pressed ? rect().adjusted(3, 3, -3, -3) : rect().adjusted(2, 2, -3, -3);
    painter.fillRect(inner, registrantColour(m_slot));
    painter.setFont(JapaneseFonts::font(JapaneseFonts::kGothic, height() * 3 / 5));
    painter.setPen(textColour(m_slot));
    const QRect textArea = pressed ? inner.translated(1, 1) : inner;
    const QString shown = painter.fontMetrics().elidedText(m_name, Qt::ElideRight, textArea.width());
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, shown);
}
