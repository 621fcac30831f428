#pragma once

#include <QByteArray>
#include <QString>

namespace velkor {

// Text bytes from a data file. Every valid UTF-8 sequence is read as UTF-8 and every other byte as the
// Turkish Windows code page that older releases wrote, so a text that mixes the two (an old plan edited by
// a UTF-8 editor) reads right in both parts.
QString decodeStoredText(QByteArrayView bytes);

} // namespace velkor
