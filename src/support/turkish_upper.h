#pragma once

#include <QString>

namespace velkor {

// The fold of the text searches, by Turkish rules whatever the system's locale: i and İ become İ, ı and I
// become I, everything else its capital. "istanbul" and "İstanbul" both fold to "İSTANBUL".
QString turkishUpper(const QString& text);

// True when the fold of `field` begins with `foldedPrefix` (already folded; empty matches everything).
bool startsWithFolded(const QString& field, const QString& foldedPrefix);

} // namespace velkor
