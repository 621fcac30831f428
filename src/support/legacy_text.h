#pragma once

#include <QByteArray>
#include <QString>

namespace velkor {

// Text bytes from a data file: UTF-8 when they are valid UTF-8, otherwise the Turkish Windows code page
// that older releases wrote. `wasUtf8` tells which.
QString decodeStoredText(QByteArrayView bytes, bool* wasUtf8 = nullptr);

} // namespace velkor
