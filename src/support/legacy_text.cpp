#include "support/legacy_text.h"

#include <QStringDecoder>

#include <algorithm>

namespace velkor {

QString decodeStoredText(QByteArrayView bytes, bool* wasUtf8) {
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii) {
        if (wasUtf8)
            *wasUtf8 = true;
        return QString::fromLatin1(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    const bool valid = !utf8.hasError();
    if (wasUtf8)
        *wasUtf8 = valid;
    if (valid)
        return text;
    QStringDecoder turkish("windows-1254");
    if (turkish.isValid())
        return turkish.decode(bytes);
    return QString::fromLatin1(bytes); // no ICU: keep the bytes readable rather than fail
}

} // namespace velkor
