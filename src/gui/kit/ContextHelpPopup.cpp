#include "gui/kit/ContextHelpPopup.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>

#include "gui/kit/Colors.h"
#include "gui/kit/ScreenScale.h"

namespace {

constexpr quint32 kTextColorRef = 0xFF0000; // blue

// The popup closes itself on any click on it or key; a click elsewhere closes it as any popup.
class PopupLabel : public QLabel {
public:
    explicit PopupLabel(const QString& text) : QLabel(text, nullptr, Qt::Popup | Qt::FramelessWindowHint)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setObjectName(QStringLiteral("ContextHelpPopup"));
        setTextFormat(Qt::PlainText);
        setMargin(6);
        setFrameStyle(QFrame::Box | QFrame::Plain);
        // As wide as the longest line, wrapped only where that would be wider than a good line.
        int longest = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            longest = qMax(longest, fontMetrics().horizontalAdvance(line));
        setWordWrap(true);
        setFixedWidth(qMin(longest + 2 * (margin() + frameWidth()) + 2, ScreenScale::x(420)));
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
        colours.setColor(QPalette::WindowText, fromColorRef(kTextColorRef));
        setPalette(colours);
    }

protected:
    void mousePressEvent(QMouseEvent*) override { close(); }
    void keyPressEvent(QKeyEvent*) override { close(); }
};

QPointer<PopupLabel> s_popup;

} // namespace

void ContextHelpPopup::show(const QString& text, const QPoint& globalPos)
{
    if (s_popup)
        s_popup->close();
    s_popup = new PopupLabel(text);
    s_popup->adjustSize();
    QRect box(globalPos, s_popup->size());
    // Kept on the screen of the point, as near to it as fits.
    if (const QScreen* screen = QGuiApplication::screenAt(globalPos)) {
        const QRect area = screen->availableGeometry();
        box.moveRight(qMin(box.right(), area.right()));
        box.moveBottom(qMin(box.bottom(), area.bottom()));
    }
    s_popup->move(box.topLeft());
    s_popup->show();
}
