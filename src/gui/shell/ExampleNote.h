#pragma once

#include <QLabel>

class CVemoDoc;

/** Beside the title line, for as long as the history is the bundled example: that its draws are made up. */
class ExampleNote : public QLabel {
    Q_OBJECT
public:
    ExampleNote(const CVemoDoc& doc, const QLabel& titleLine, QWidget* parent);

private:
    void follow();

    const CVemoDoc& m_doc;
};
