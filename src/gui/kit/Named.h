#pragma once

#include <QString>

/** Gives a control the object name that says what it is, where it is made; the tests look it up by it. */
template <typename Control>
Control* named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}
