// velkor-reader: reads one foreign file and hands its records to Velkor as frames on standard output. Velkor
// runs it under limits, so whatever a file does to the libraries here, Velkor itself goes on.
#include "core/foreign/child_reader.h"
#include "core/foreign/frames.h"
#include "core/interop/calendar_reading.h"
#include "core/interop/contacts_reading.h"
#include "core/jet/child_jet_reader.h"
#include "core/lang/translations.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <new>

using namespace velkor;

namespace {

int usage() {
    std::fputs("usage: velkor-reader calendar FILE | contacts FILE | jet-tables FILE | "
               "jet-rows FILE TABLE COLUMN...\n"
               "Velkor runs it; its output is for Velkor only.\n",
               stderr);
    return foreign::reader_status::Usage;
}

bool read(const QStringList& arguments, foreign::FrameWriter& out) {
    const QString& what = arguments.at(1);
    const QString& file = arguments.at(2);
    if (what == QLatin1String("calendar"))
        return interop::writeCalendarRecords(interop::readCalendarRecords(file), out);
    if (what == QLatin1String("contacts"))
        return interop::writeContactRecords(file, out);
    if (what == QLatin1String("jet-tables"))
        return jet::writeJetTables(file, out);
    return jet::writeJetRows(file, arguments.at(3), arguments.mid(4), out);
}

} // namespace

int main(int argc, char* argv[]) {
    foreign::guardReaderProcess();
    try {
        QCoreApplication app(argc, argv);
        const QStringList arguments = QCoreApplication::arguments();
        static const QStringList kinds{QStringLiteral("calendar"), QStringLiteral("contacts"),
                                       QStringLiteral("jet-tables"), QStringLiteral("jet-rows")};
        if (arguments.size() < 3 || !kinds.contains(arguments.at(1)) ||
            (arguments.at(1) == QLatin1String("jet-rows") ? arguments.size() < 5 : arguments.size() != 3))
            return usage();
        // The failures it words itself (a damaged database) are in the language Velkor speaks.
        if (qEnvironmentVariable("VELKOR_LANGUAGE") == QLatin1String("tr"))
            lang::useLanguage(Language::Turkish);
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly))
            return 1;
        foreign::FrameWriter writer(out);
        return read(arguments, writer) && out.flush() ? 0 : 1;
    } catch (const std::bad_alloc&) {
        return foreign::reader_status::OutOfMemory;
    }
}
