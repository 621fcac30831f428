#include "ui/common/typed_text.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace velkor {

QString typedText(const QPlainTextEdit& box) {
    QString text = box.document()->toRawText();
    for (QChar& c : text) {
        // Between lines, and a break within a line (Shift+Enter): both are line breaks in the files.
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

} // namespace velkor
