#pragma once

#include <QByteArray>
#include <QString>

namespace velkor {

// Text bytes from a data file: UTF-8 when they are valid UTF-8, otherwise the Turkish Windows code page
// that older releases wrote.
QString decodeStoredText(QByteArrayView bytes);

} // namespace velkor
