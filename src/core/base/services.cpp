#include "core/base/services.h"

namespace velkor {

int Prompter::choose(const QString& title, const QString& text, const QStringList& choices) {
    return show(BoxKind::Question, title, text) == Answer::Yes ? 0 : int(choices.size()) - 1;
}

int Prompter::remind(const QString& title, const QString& text, const QList<int>&) {
    show(BoxKind::Information, title, text);
    return 0;
}

std::optional<QString> Prompter::askPassword(const QString&, const QString&) {
    return std::nullopt;
}

QMap<int, int> Prompter::remindList(const QString& title, const QString& text, const QStringList& columns,
                                    const QList<QStringList>& rows, const QList<int>&) {
    showList(title, text, columns, rows);
    return {};
}

} // namespace velkor
