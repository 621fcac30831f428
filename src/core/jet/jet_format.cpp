#include "core/jet/jet_format.h"

#include <QFile>

namespace velkor::jet {

namespace {

// The first page starts with a page type of 0 and 1 and the engine's signature; the byte at 0x14 is the
// file version (0 for Jet 3, 1 for Jet 4, higher for the ACE formats of Access 2007 and later).
constexpr QByteArrayView Magic("\x00\x01\x00\x00", 4);
constexpr QByteArrayView JetName("Standard Jet DB\0", 16);
constexpr QByteArrayView AceName("Standard ACE DB\0", 16);
constexpr qsizetype VersionAt = 0x14;

} // namespace

JetFormat jetFormatOf(QByteArrayView header) {
    if (header.size() <= VersionAt || !header.startsWith(Magic))
        return JetFormat::None;
    const QByteArrayView name = header.sliced(Magic.size(), JetName.size());
    const auto version = static_cast<unsigned char>(header[VersionAt]);
    if (name == JetName)
        return version == 0 ? JetFormat::Jet3 : version == 1 ? JetFormat::Jet4 : JetFormat::Ace;
    return name == AceName ? JetFormat::Ace : JetFormat::None;
}

JetFormat jetFormatOfFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return JetFormat::None;
    return jetFormatOf(file.read(VersionAt + 1));
}

} // namespace velkor::jet
