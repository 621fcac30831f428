#include "core/base/services.h"

namespace velkor {

int Prompter::choose(const QString& title, const QString& text, const QStringList& choices) {
    return show(BoxKind::Question, title, text) == Answer::Yes ? 0 : int(choices.size()) - 1;
}

} // namespace velkor
