#pragma once

#include <QString>
#include <QStringView>

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

// The same from the character at `at` on, comparing plain ASCII in place: a search tries every row.
bool foldStartsWithAt(QStringView field, qsizetype at, const QString& foldedPrefix);

// Words are parted by blanks and punctuation: "Kaya-Demir", "Dr. Deniz (Acil)", "“Zeki” Can".
inline bool partsWords(QChar c) {
    return c.isSpace() || c.isPunct();
}

// How a field is found by a folded search text: from its very start, or only from the start of a later word.
enum class WordMatch { None, Start, LaterWord };
WordMatch matchAnyWord(QStringView field, const QString& foldedPrefix);
// Whether a word after the field's start begins with the folded text.
bool laterWordStartsWith(QStringView field, const QString& foldedPrefix);

} // namespace velkor
