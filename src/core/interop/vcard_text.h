#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The backslash escapes of vCard text values, and the folding of long lines.
namespace velkor::interop {

// \n and \N become a line break, and a backslash before any other character stands for that character
// (\\ \; \, and the \: some phones write).
QString unescaped(QStringView text);
// Splits at each `separator` that no backslash escapes; the parts keep their escapes.
QStringList splitEscaped(QStringView text, QChar separator);
// A text value as vCard 3.0 writes it: \ ; , escaped, each line break as \n.
QString escaped(QStringView text);

// `line` in UTF-8, folded so that no line is longer than 75 octets and none is cut inside a character;
// each line ends with CR LF.
QByteArray folded(const QString& line);

} // namespace velkor::interop
