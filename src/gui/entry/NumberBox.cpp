#include "gui/entry/NumberBox.h"

#include <QPainter>

#include "gui/entry/NumberCardPictures.h"

namespace {

const QColor kMarkField(0xff, 0xff, 0xf0);
const QColor kPencil(0x30, 0x30, 0x38);

QString label(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

NumberBox::NumberBox(int number, QWidget* parent) : QAbstractButton(parent), m_number(number)
{
    setObjectName(QStringLiteral("numberBox%1").arg(number));
    setCheckable(true);
    setText(label(number));
    setFocusPolicy(Qt::TabFocus);
}

int NumberBox::boxSide() const
{
    return qMax(7, height() - 2);
}

void NumberBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int side = boxSide();
    const QRect box(0, (height() - side) / 2, side, side);
    painter.fillRect(box, kMarkField);
    painter.setPen(QPen(NumberCardPictures::kFormInk, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (isChecked() || isDown()) {
        // Filled in like a pencil mark; a press shows it before the release ticks the box.
        const int inset = qMax(2, side / 5);
        painter.fillRect(box.adjusted(inset, inset, -inset, -inset), isChecked() ? kPencil : kPencil.lighter(250));
    }
    const QRect labelArea(box.right() + 2, 1, width() - box.right() - 2, height() - 1);
    painter.setPen(Qt::black);
    painter.drawText(labelArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    // As the desktop styles do: the focus shows once the keyboard has moved it.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(labelArea.adjusted(-1, 0, -1, -1));
    }
}
