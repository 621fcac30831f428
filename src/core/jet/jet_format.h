#pragma once

#include <QByteArrayView>
#include <QString>

namespace velkor::jet {

enum class JetFormat { None, Jet3, Jet4, Ace };

// The format a file's first page declares; the name of the file plays no part.
JetFormat jetFormatOf(QByteArrayView header);
// None also when the file cannot be read.
JetFormat jetFormatOfFile(const QString& path);

} // namespace velkor::jet
