#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QIODevice;

// The lines of a vCard file as properties: folds (space or TAB) and quoted-printable soft breaks joined,
// groups and parameters taken apart.
namespace velkor::interop {

struct VCardParam {
    QByteArray name; // upper case; empty for a bare word of vCard 2.1 ("TEL;CELL;PREF:")
    QByteArray value;
};

// One logical line.
struct VCardProperty {
    QByteArray group; // upper case: "ITEM1" of "item1.TEL"
    QByteArray name;  // upper case; empty for a line that is no property
    QList<VCardParam> params;
    QByteArray value;      // only for the names asked for
    int line = 0;          // where it begins
    bool overlong = false; // its value is longer than MaxVCardValueBytes and was not kept
};

// A value longer than this (after unfolding) is not kept; photos and other properties the directory does
// not use may be of any length, as they are read past without being kept.
constexpr qsizetype MaxVCardValueBytes = 256 * 1024;

class VCardLines {
public:
    // Keeps the values of the properties named in `kept` (upper case) only.
    VCardLines(QIODevice& device, QList<QByteArray> kept);
    ~VCardLines();
    // The next property; false at the end of the file. Memory stays bounded whatever the length of a line.
    bool next(VCardProperty& property);

    class Physical; // the file's lines, one ahead

private:
    std::unique_ptr<Physical> m_lines;
    QList<QByteArray> m_kept;
};

QByteArray paramValue(const VCardProperty& property, const char* name);
// `value` is `word`, blanks and case aside.
bool isWord(const QByteArray& value, const char* word);
// The value as text: quoted-printable undone, then read in its CHARSET. Without one (or with UTF-8) the
// bytes are UTF-8 where they can be and the Turkish Windows code page where they cannot, as elsewhere in
// the program. nullopt for a charset nobody knows.
std::optional<QString> valueText(const VCardProperty& property);

} // namespace velkor::interop
