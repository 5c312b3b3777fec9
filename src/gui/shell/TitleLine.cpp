#include "gui/shell/TitleLine.h"

#include <QRegularExpression>

#include "gui/kit/JapaneseFonts.h"
#include "gui/kit/ScreenScale.h"

TitleLine::TitleLine(QWidget& window, QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("titleLine"));
    setFont(JapaneseFonts::font(JapaneseFonts::kPGothic, ScreenScale::y(12)));
    setStyleSheet(QStringLiteral("QLabel { color: #000080; background: #e8ecf4; padding: 1px 8px; }"));
    setTextFormat(Qt::PlainText);
    setFixedHeight(sizeHint().height());
    showTitle(window.windowTitle());
    connect(&window, &QWidget::windowTitleChanged, this, &TitleLine::showTitle);
}

void TitleLine::showTitle(const QString& title)
{
    // The title spaces its parts with runs of blanks, made for a title bar as wide as the screen; one blank
    // each keeps every word in the line at 1024 pixels.
    static const QRegularExpression blanks(QStringLiteral("[ \u3000]{2,}"));
    setText(QString(title).replace(blanks, QStringLiteral("\u3000")).trimmed());
}
