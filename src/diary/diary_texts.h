#pragma once

#include "diary/diary_links.h"
#include "support/services.h"

#include <QString>

namespace velkor::diary {

struct Notice {
    BoxKind kind;
    QString title;
    QString text;
};

// The box shown when the file of a list line cannot be opened, chosen by the line's last three characters
// compared with case; a line too short to hold them gets the general message.
Notice openFailureNotice(const QString& lineText, Language language);

// The editor's words.
QString emptySubjectNotice(Language language);
QString defaultSubject(Language language);
QString savedNotice(EditorMode modeWhenSaved, Language language);
QString saveQuestionTitle(Language language);
QString saveQuestion(Language language);
QString saveButtonCaption(EditorMode mode, Language language);
QString updateTitle(Language language);
// The editor's title in `language`: its own pairs, and the browser's English update title as well.
QString editorTitle(const QString& current, Language language);

} // namespace velkor::diary
