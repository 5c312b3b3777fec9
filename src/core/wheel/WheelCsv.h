#pragma once

#include <QByteArray>
#include <QList>

/** A wheel's tickets as CSV: the header "ticket,n1,n2,n3,n4,n5,n6", then one line per ticket. */
namespace WheelCsv {

QByteArray encode(const QList<QList<int>>& tickets);

} // namespace WheelCsv
