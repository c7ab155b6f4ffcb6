// The sequential text format of the verb and high-score files: fields separated by commas
// or line ends, blanks before a field skipped, a field in double quotes may hold commas.
#pragma once

#include <QByteArrayView>
#include <QStringList>

namespace vx {

// Every field of a text of Windows-1252 bytes, in order.
QStringList readSequentialFields(QByteArrayView data);

} // namespace vx
