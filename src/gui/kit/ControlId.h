#pragma once

#include <QString>

/** Names a control by its id and a name of its own, as the context help and the tests look controls up. */
template <typename Control>
Control* identified(Control* control, int id, const QString& name)
{
    control->setObjectName(name);
    control->setProperty("controlId", id);
    return control;
}

/** Names a control by its id alone: "id" and the number. */
template <typename Control>
Control* identified(Control* control, int id)
{
    return identified(control, id, QStringLiteral("id%1").arg(id));
}
