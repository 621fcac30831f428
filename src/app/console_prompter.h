#pragma once

#include "core/base/services.h"

#include <QTextStream>

namespace velkor::app {

// The boxes of a run without a display: their words go to the error stream and every question takes its
// default, as nobody is there to answer.
class ConsolePrompter final : public Prompter {
public:
    Answer show(BoxKind kind, const QString& title, const QString& text) override {
        say(title, text);
        return kind == BoxKind::Question || kind == BoxKind::RiskyQuestion ? Answer::No : Answer::Ok;
    }
    int choose(const QString& title, const QString& text, const QStringList& choices) override {
        say(title, text);
        if (!choices.isEmpty())
            m_err << "  -> " << choices.first() << Qt::endl;
        return 0;
    }
    void showList(const QString& title, const QString& text, const QStringList& columns,
                  const QList<QStringList>& rows) override {
        say(title, text);
        m_err << "  " << columns.join(u'\t') << Qt::endl;
        for (const QStringList& row : rows)
            m_err << "  " << row.join(u'\t') << Qt::endl;
    }

private:
    void say(const QString& title, const QString& text) {
        m_err << "velkor: " << (title.isEmpty() ? QString() : title + QStringLiteral(": ")) << text
              << Qt::endl;
    }

    QTextStream m_err{stderr};
};

} // namespace velkor::app
