#include "support/legacy_text.h"

#include <QStringDecoder>

namespace velkor {

namespace {

bool isValidUtf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoder reports invalid sequences through hasError(); the result itself is discarded.
    const QString decoded = utf8.decode(bytes);
    Q_UNUSED(decoded);
    return !utf8.hasError();
}

} // namespace

QString decodeStoredText(QByteArrayView bytes) {
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    QStringDecoder turkish("windows-1254");
    if (turkish.isValid())
        return turkish.decode(bytes);
    return QString::fromLatin1(bytes); // no ICU: keep the bytes readable rather than fail
}

} // namespace velkor
