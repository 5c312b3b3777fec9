#include "gui/shell/StatusNote.h"

using namespace std::chrono_literals;

namespace {

// Room for the longest note, so that the bar lays out once.
constexpr int kNoteCharacters = 24;

} // namespace

StatusNote::StatusNote(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("statusNote"));
    setStyleSheet(QStringLiteral("QLabel { color: #800000; padding: 0px 8px; }"));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMinimumWidth(fontMetrics().horizontalAdvance(QString(kNoteCharacters, QChar(0x3000))));
    m_hideTimer.setSingleShot(true);
    connect(&m_hideTimer, &QTimer::timeout, this, &QLabel::clear);
}

void StatusNote::showNote(const QString& note)
{
    setText(note);
    m_hideTimer.start(6s);
}
