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
    // A BOM inside a text is part of the text.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    const bool valid = !utf8.hasError();
    if (wasUtf8)
        *wasUtf8 = valid;
    if (valid)
        return text;
    // Opening the converter is costly; a stateless one can be used again and again.
    static thread_local QStringDecoder turkish("windows-1254", QStringDecoder::Flag::Stateless);
    if (turkish.isValid())
        return turkish.decode(bytes);
    return QString::fromLatin1(bytes); // no ICU: keep the bytes readable rather than fail
}

} // namespace velkor
