#pragma once

#include "ui/common/app_context.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace velkor::bench {

// Boxes are printed, never shown: a benchmark must not wait for anyone.
class PrintingPrompter final : public Prompter {
public:
    Answer show(BoxKind, const QString& title, const QString& text) override {
        std::fprintf(stderr, "box: %s %s\n", qPrintable(title), qPrintable(text));
        return Answer::No;
    }
    void showList(const QString& title, const QString& text, const QStringList&,
                  const QList<QStringList>& rows) override {
        std::fprintf(stderr, "list: %s %s (%lld rows)\n", qPrintable(title), qPrintable(text),
                     static_cast<long long>(rows.size()));
    }
};

class SilentBeeper final : public Beeper {
public:
    void beep() override {}
};

// Windows are measured without a screen unless one is there.
inline void preferOffscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// What a window needs, on a fresh temporary data folder.
struct BenchContext {
    QTemporaryDir dir;
    SystemClock clock;
    PrintingPrompter prompter;
    SilentBeeper beeper;
    SharedState state;
    AppContext ctx;

    BenchContext() {
        ctx.dataDir = QDir(dir.path());
        ctx.clock = &clock;
        ctx.prompter = &prompter;
        ctx.beeper = &beeper;
        ctx.state = &state;
        ctx.readerProgram = QStringLiteral(VELKOR_READER_PROGRAM);
    }
};

} // namespace velkor::bench
