#include "text/EntryText.h"

namespace EntryText {

QString missingResult()
{
    return QStringLiteral("--、--、--、--、--、--");
}

} // namespace EntryText
