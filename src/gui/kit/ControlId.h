#pragma once

#include <QString>

/** Names a control by its id, as the context help and the tests look controls up. */
template <typename Control>
Control* identified(Control* control, int id)
{
    control->setObjectName(QStringLiteral("id%1").arg(id));
    control->setProperty("controlId", id);
    return control;
}
