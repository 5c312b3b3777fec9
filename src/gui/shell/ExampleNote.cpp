#include "gui/shell/ExampleNote.h"

#include "core/text/StoreText.h"
#include "gui/document/CVemoDoc.h"

ExampleNote::ExampleNote(const CVemoDoc& doc, const QLabel& titleLine, QWidget* parent) : QLabel(parent), m_doc(doc)
{
    setObjectName(QStringLiteral("exampleNote"));
    setFont(titleLine.font());
    setStyleSheet(QStringLiteral("QLabel { color: #ffffff; background: #c00000; padding: 1px 8px; }"));
    setTextFormat(Qt::PlainText);
    // Short, so that the title line keeps its room at 1024 pixels; the whole sentence comes with the pointer.
    setText(QStringLiteral("見本：乱数で作った例"));
    setToolTip(StoreText::exampleHistoryNote());
    setFixedHeight(titleLine.height());
    connect(&doc, &CVemoDoc::historyChanged, this, &ExampleNote::follow);
    follow();
}

void ExampleNote::follow()
{
    setVisible(m_doc.historyIsExample());
}
