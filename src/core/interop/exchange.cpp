#include "core/interop/exchange.h"

#include "core/interop/calendar_transfer.h"
#include "core/interop/contacts_transfer.h"

#include "core/foreign/plain_file.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>

namespace velkor::interop {

namespace {

const QByteArray ImportWord = "import";

// One transfer at a time: while one waits for its reader, a request of a later start may be served, and
// an import decides what is new by what the data held when it began.
bool g_transferring = false;

class OneTransfer {
public:
    OneTransfer() : m_mine(!g_transferring) { g_transferring = true; }
    ~OneTransfer() {
        if (m_mine)
            g_transferring = false;
    }
    OneTransfer(const OneTransfer&) = delete;
    OneTransfer& operator=(const OneTransfer&) = delete;
    bool taken() const { return m_mine; }

private:
    bool m_mine;
};
const QByteArray ExportWord = "export";

} // namespace

std::optional<DataKind> kindOf(const QString& file, bool importing) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == QLatin1String("ics") || suffix == QLatin1String("ical") || suffix == QLatin1String("ifb"))
        return DataKind::Calendar;
    if (suffix == QLatin1String("vcf") || suffix == QLatin1String("vcard"))
        return DataKind::Contacts;
    if (!importing)
        return std::nullopt;
    // A file named otherwise says what it is in its first line that holds anything.
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (int i = 0; i < 16 && !in.atEnd(); ++i) {
        QByteArray line = in.readLine(256).trimmed().toUpper();
        if (line.startsWith("\xEF\xBB\xBF"))
            line.remove(0, 3);
        if (line.isEmpty())
            continue;
        if (line.startsWith("BEGIN:VCALENDAR"))
            return DataKind::Calendar;
        if (line.startsWith("BEGIN:VCARD"))
            return DataKind::Contacts;
        break;
    }
    return std::nullopt;
}

TransferResult transferFile(const QString& file, bool importing, CoreContext& context) {
    const OneTransfer transfer;
    if (!transfer.taken())
        return {false, lang::transfer::busy()};
    // Its first line may be looked at: a pipe would keep that waiting.
    if (const QString why = importing ? foreign::whyNotPlain(file) : QString(); !why.isEmpty())
        return {false, lang::transfer::unreadable(file, why)};
    const std::optional<DataKind> kind = kindOf(file, importing);
    if (!kind) {
        if (QFile in(file); importing && !in.open(QIODevice::ReadOnly))
            return {false, lang::transfer::unreadable(file, in.errorString())};
        return {false, lang::transfer::unknownKind(file)};
    }
    if (*kind == DataKind::Calendar)
        return importing ? importCalendar(file, context) : exportCalendar(file, context);
    return importing ? importContacts(file, context) : exportContacts(file, context);
}

QByteArray encodeRequest(const TransferRequest& request) {
    return (request.importing ? ImportWord : ExportWord) + '\t' + request.file.toUtf8() + '\n';
}

std::optional<TransferRequest> decodeRequest(QByteArrayView line) {
    if (line.endsWith('\n'))
        line.chop(1);
    const qsizetype tab = line.indexOf('\t');
    if (tab <= 0 || line.size() == tab + 1)
        return std::nullopt;
    const QByteArrayView word = line.first(tab);
    if (word != ImportWord && word != ExportWord)
        return std::nullopt;
    const QString file = QString::fromUtf8(line.sliced(tab + 1));
    if (!QFileInfo(file).isAbsolute())
        return std::nullopt;
    return TransferRequest{word == ImportWord, file};
}

QByteArray encodeAnswer(const TransferResult& result) {
    QString summary = result.summary;
    summary.replace(u'\n', u' ');
    return (result.ok ? QByteArray("ok\t") : QByteArray("fail\t")) + summary.toUtf8() + '\n';
}

TransferResult decodeAnswer(QByteArrayView line) {
    if (line.endsWith('\n'))
        line.chop(1);
    const qsizetype tab = line.indexOf('\t');
    if (tab < 0)
        return {false, QString::fromUtf8(line)};
    return {line.first(tab) == "ok", QString::fromUtf8(line.sliced(tab + 1))};
}

bool runExchange(QWidget* parent, Exchange what, CoreContext& context) {
    const bool importing = what == Exchange::ImportCalendar || what == Exchange::ImportContacts;
    const bool calendar = what == Exchange::ImportCalendar || what == Exchange::ExportCalendar;
    const QString filter = calendar ? lang::transfer::calendarFilter() : lang::transfer::contactsFilter();
    const std::optional<QString> file =
        importing ? context.fileChooser->choose(parent, lang::transfer::importTitle(), filter)
                  : context.fileChooser->chooseSave(
                        parent, lang::transfer::exportTitle(), filter,
                        QStringLiteral("velkor-%1.%2")
                            .arg(context.clock->now().date().toString(QStringLiteral("yyyy-MM-dd")),
                                 calendar ? QStringLiteral("ics") : QStringLiteral("vcf")));
    if (!file)
        return false;
    const QString title = importing ? lang::transfer::importTitle() : lang::transfer::exportTitle();
    const OneTransfer transfer;
    if (!transfer.taken()) {
        context.prompter->fail(title, lang::transfer::busy());
        return false;
    }
    if (!calendar) {
        const TransferResult result =
            importing ? importContacts(*file, context) : exportContacts(*file, context);
        result.ok ? context.prompter->inform(title, result.summary)
                  : context.prompter->fail(title, result.summary);
        return importing && result.ok;
    }
    if (!importing) {
        const TransferResult result = exportCalendar(*file, context);
        result.ok ? context.prompter->inform(title, result.summary)
                  : context.prompter->fail(title, result.summary);
        return false;
    }
    const CalendarImport imported = importCalendarFile(*file, context);
    if (!imported.result.ok) {
        context.prompter->fail(title, imported.result.summary);
        return false;
    }
    if (imported.leftOut.isEmpty()) {
        context.prompter->inform(title, imported.result.summary);
    } else {
        QList<QStringList> rows;
        for (const LeftOutEvent& event : imported.leftOut)
            rows.append({event.start, event.summary, lang::transfer::leftOutReason(event.why)});
        context.prompter->showList(lang::transfer::leftOutTitle(),
                                   lang::transfer::leftOutText(imported.result.summary),
                                   lang::transfer::leftOutColumns(), rows);
    }
    return imported.plansAdded + imported.entriesAdded > 0;
}

} // namespace velkor::interop
