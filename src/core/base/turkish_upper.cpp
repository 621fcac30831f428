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

bool foldStartsWithAt(QStringView field, qsizetype at, const QString& foldedPrefix) {
    const qsizetype wanted = foldedPrefix.size();
    for (qsizetype i = 0; i < wanted; ++i) {
        if (at + i == field.size())
            return false;
        const char16_t c = field.at(at + i).unicode();
        if (c >= 0x80) {
            // Each character folds on its own to one or more, so the fold from `at` begins with the prefix
            // exactly when the fold of the next few characters does: only those need folding.
            qsizetype head = wanted;
            if (at + head < field.size() && field.at(at + head - 1).isHighSurrogate())
                ++head;
            return turkishUpper(field.mid(at, head).toString()).startsWith(foldedPrefix);
        }
        if (asciiTurkishUpper(c) != foldedPrefix.at(i).unicode())
            return false;
    }
    return true;
}

bool laterWordStartsWith(QStringView field, const QString& foldedPrefix) {
    for (qsizetype at = 1; at < field.size(); ++at) {
        if (partsWords(field.at(at - 1)) && !partsWords(field.at(at)) &&
            foldStartsWithAt(field, at, foldedPrefix))
            return true;
    }
    return false;
}

WordMatch matchAnyWord(QStringView field, const QString& foldedPrefix) {
    if (foldStartsWithAt(field, 0, foldedPrefix))
        return WordMatch::Start;
    return laterWordStartsWith(field, foldedPrefix) ? WordMatch::LaterWord : WordMatch::None;
}

} // namespace velkor
