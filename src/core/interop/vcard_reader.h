#pragma once

#include "core/interop/vcard_lines.h"

#include <QList>
#include <QString>

#include <functional>

class QIODevice;

namespace velkor::interop {

struct VCardPhone {
    QString number;
    QString kind;       // its label or its type words ("cell", "work, fax"); empty when it has none
    int preference = 0; // 1 is the most preferred; 0 when the card says nothing
};

struct VCardAddress {
    QString text; // the parts of an ADR one to a line, or a LABEL as written
    QString kind;
};

// What the directory can use of one vCard; the rest of the card is read past.
struct VCardContact {
    QString formattedName; // FN
    QString name;          // N, in reading order
    QString organisation;  // ORG
    QString email;         // the first EMAIL
    QList<VCardPhone> phones;
    QList<VCardAddress> addresses; // each ADR; a LABEL only when no ADR of its kind is there
    int line = 0;                  // of its BEGIN
};

enum class VCardProblem { None, NotVCard, Truncated, UnknownCharset, ValueTooLong, Stopped };

struct VCardError {
    VCardProblem problem = VCardProblem::None;
    int line = 0;
    QString detail; // the charset that was not known

    bool ok() const { return problem == VCardProblem::None; }
};

// Reads the vCards (2.1, 3.0 and 4.0) of `device` one at a time and hands each to `take`, which answers
// false to stop (the error is then Stopped). Memory stays bounded by one card's kept values, whatever the
// size of the file.
VCardError readVCards(QIODevice& device, const std::function<bool(VCardContact&&)>& take);

} // namespace velkor::interop
