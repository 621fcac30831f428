#include "core/base/legacy_text.h"

#include <QStringDecoder>

#include <array>

namespace velkor {

namespace {

// The code page's characters for the bytes 0x80..0xFF, taken once from the system's converter.
const std::array<char16_t, 128>& codePage1254() {
    static const std::array<char16_t, 128> table = [] {
        std::array<char16_t, 128> chars{};
        QStringDecoder decoder("windows-1254", QStringDecoder::Flag::Stateless);
        for (int i = 0; i < 128; ++i) {
            const char byte = char(0x80 + i);
            const QString decoded = decoder.isValid() ? decoder.decode(QByteArrayView(&byte, 1)) : QString();
            // Without ICU, or for a byte the code page leaves undefined, keep the byte's Latin-1 reading.
            chars[size_t(i)] = decoded.size() == 1 ? decoded[0].unicode() : char16_t(0x80 + i);
        }
        return chars;
    }();
    return table;
}

// Length of the well-formed UTF-8 sequence at the start of `s` (no overlong forms, no surrogates, nothing
// above U+10FFFF); 0 when there is none.
int utf8SequenceLength(const unsigned char* s, qsizetype left) {
    const unsigned char lead = s[0];
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (left < length || s[1] < low || s[1] > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if (s[i] < 0x80 || s[i] > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

QString decodeStoredText(QByteArrayView bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size && data[i] < 0x80)
        ++i;
    if (i == size)
        return QString::fromLatin1(bytes); // plain ASCII, the common case
    QString text;
    text.reserve(size);
    text.append(QLatin1StringView(bytes.first(i)));
    const auto& legacy = codePage1254();
    while (i < size) {
        const unsigned char c = data[i];
        if (c < 0x80) {
            text.append(QLatin1Char(char(c)));
            ++i;
        } else if (const int length = utf8SequenceLength(data + i, size - i); length > 0) {
            char32_t code = c & (0xFF >> (length + 1));
            for (int k = 1; k < length; ++k)
                code = (code << 6) | (data[i + k] & 0x3F);
            if (QChar::requiresSurrogates(code)) {
                text.append(QChar(QChar::highSurrogate(code)));
                text.append(QChar(QChar::lowSurrogate(code)));
            } else {
                text.append(QChar(char16_t(code))); // a BOM inside a text is part of the text
            }
            i += length;
        } else {
            text.append(QChar(legacy[c - 0x80]));
            ++i;
        }
    }
    return text;
}

} // namespace velkor
