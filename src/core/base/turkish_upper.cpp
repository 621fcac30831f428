#include "core/base/turkish_upper.h"

namespace velkor {

namespace {

constexpr char16_t DottedCapitalI = u'\u0130';

} // namespace

QString turkishUpper(const QString& text) {
    QString folded = text;
    // The dotted i must not meet the default mapping, which would give the dotless capital.
    for (QChar& c : folded) {
        if (c == u'i')
            c = QChar(DottedCapitalI);
    }
    // ı already maps to I by default; every other letter has the same capital in Turkish as elsewhere.
    return std::move(folded).toUpper();
}

bool startsWithFolded(const QString& field, const QString& foldedPrefix) {
    if (foldedPrefix.isEmpty())
        return true;
    return turkishUpper(field).startsWith(foldedPrefix);
}

} // namespace velkor
