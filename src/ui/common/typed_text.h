#pragma once

#include <QString>

class QPlainTextEdit;

namespace velkor {

// The text of a box as the user typed it. toPlainText() turns non-breaking spaces into blanks, so a
// save would change what nobody touched; here only the line breaks become "\n".
QString typedText(const QPlainTextEdit& box);

} // namespace velkor
