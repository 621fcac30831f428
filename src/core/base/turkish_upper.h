#pragma once

#include <QString>

namespace velkor {

// The fold of the text searches, by Turkish rules whatever the system's locale: i and İ become İ, ı and I
// become I, everything else its capital. "istanbul" and "İstanbul" both fold to "İSTANBUL".
QString turkishUpper(const QString& text);

// The fold of one character below 0x80: plain letters to capitals, i to İ.
constexpr char16_t asciiTurkishUpper(char16_t c) {
    return c == u'i' ? u'\u0130' : (c >= u'a' && c <= u'z' ? char16_t(c - 0x20) : c);
}

// True when the fold of `field` begins with `foldedPrefix` (already folded; empty matches everything).
bool startsWithFolded(const QString& field, const QString& foldedPrefix);

} // namespace velkor
