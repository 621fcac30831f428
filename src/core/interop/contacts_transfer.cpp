#include "core/interop/contacts_transfer.h"

#include "core/directory/directory_store.h"
#include "core/foreign/child_reader.h"
#include "core/foreign/plain_file.h"
#include "core/interop/contacts_reading.h"
#include "core/interop/vcard_mapping.h"
#include "core/lang/contacts_texts.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

namespace velkor::interop {

namespace {

using directory::DirRecord;
using directory::SaveWrite;
namespace texts = lang::contacts;

// What one import may bring in, in characters of names, numbers and addresses and a few more for each entry:
// far above any address book (1,000,000 contacts of 20 characters count 36 million and take 350 MB), and
// it keeps a file of nothing but long addresses, or of endless tiny cards, under about 650 MB.
constexpr qsizetype MaxImportChars = 64 * 1024 * 1024;

// Numbers are the same when they dial the same: spaces, dashes, dots, brackets and slashes aside. A number
// written plainly is its own dialled form and shares its text.
QString dialled(const QString& number) {
    const auto dials = [](QChar c) { return !c.isSpace() && !QStringView(u"-.()/").contains(c); };
    if (std::all_of(number.cbegin(), number.cend(), [&](QChar c) { return dials(c) && c == c.toLower(); }))
        return number;
    QString digits;
    for (const QChar c : number) {
        if (dials(c))
            digits.append(c.toLower());
    }
    return digits;
}

// The names of the directory and the numbers under each. The numbers of "Name (2)", kept by an earlier
// import beside "Name", count for "Name" too, so that importing the same file again adds nothing. A name
// keeps its first number beside it; further numbers go into one set of name-and-number keys, not a set per
// name: that would cost a kilobyte for each entry.
class Known {
public:
    // `savedAt`: where an entry this import adds has its insert; -1 for one the directory holds.
    void add(const DirRecord& entry, qsizetype savedAt = -1) {
        if (const auto it = m_names.constFind(entry.name); it == m_names.cend())
            m_names.insert(entry.name, {savedAt, dialled(entry.tel)});
        else
            addNumber(entry.name, entry.tel);
        static const QRegularExpression numbered(QStringLiteral("^(.+) \\(\\d+\\)$"));
        if (const QRegularExpressionMatch match = numbered.match(entry.name); match.hasMatch())
            addNumber(match.captured(1), entry.tel);
    }
    void addNumber(const QString& name, const QString& tel) {
        if (!has(name, tel))
            m_moreNumbers.insert(key(name, tel));
    }
    bool hasName(const QString& name) const { return m_names.contains(name); }
    bool has(const QString& name, const QString& tel) const {
        const auto it = m_names.constFind(name);
        return (it != m_names.cend() && it->number == dialled(tel)) || m_moreNumbers.contains(key(name, tel));
    }
    qsizetype savedAt(const QString& name) const { return m_names.value(name).savedAt; }
    // "Name (2)", or the first number after it that no entry has.
    QString freeName(const QString& name) {
        for (int n = 2;; ++n) {
            const QString candidate = QStringLiteral("%1 (%2)").arg(name).arg(n);
            if (!m_names.contains(candidate)) {
                m_names.insert(candidate, {});
                return candidate;
            }
        }
    }

private:
    struct Name {
        qsizetype savedAt = -1;
        QString number; // the first, dialled
    };
    static QString key(const QString& name, const QString& tel) { return name + QChar(0) + dialled(tel); }

    QHash<QString, Name> m_names;
    QSet<QString> m_moreNumbers;
};

QString readFailure(const QString& file, const VCardError& error, qsizetype read) {
    switch (error.problem) {
    case VCardProblem::NotVCard:
        return texts::notVCard(file, error.line);
    case VCardProblem::Truncated:
        return texts::truncated(file, error.line);
    case VCardProblem::UnknownCharset:
        return texts::unknownCharset(file, error.line, error.detail);
    case VCardProblem::ValueTooLong:
        return texts::valueTooLong(file, error.line, int(MaxVCardValueBytes / 1024));
    case VCardProblem::Stopped:
    case VCardProblem::None:
        break;
    }
    return texts::tooMuch(file, read);
}

} // namespace

TransferResult importContacts(const QString& file, CoreContext& context) {
    if (const QString why = foreign::whyNotPlain(file); !why.isEmpty())
        return {false, texts::openFailed(file, why)};
    const directory::DirectoryStore store(context.dataDir);
    const Loaded<QList<DirRecord>> present = store.readAll();
    if (!present.ok())
        return {false, texts::directoryUnreadable(present.error)};
    Known known;
    for (const DirRecord& entry : present.value)
        known.add(entry);

    // New names go in as they are; a name already there (also from earlier in the file) with that number is
    // skipped; with another number it waits for the user's one answer. Each entry is placed as it comes.
    texts::ImportCounts counts;
    QList<std::pair<DirRecord, SaveWrite>> saves;
    QList<DirRecord> namesakes;
    ContactsReceiver receiver(MaxImportChars, [&](DirRecord&& entry) {
        if (!known.hasName(entry.name)) {
            known.add(entry, saves.size());
            saves.append({std::move(entry), SaveWrite::Insert});
        } else if (known.has(entry.name, entry.tel)) {
            ++counts.same;
        } else {
            known.addNumber(entry.name, entry.tel);
            namesakes.append(std::move(entry));
        }
    });
    const foreign::ReaderOutcome read =
        foreign::runReader(context.readerProgram, {QStringLiteral("contacts"), file},
                           [&receiver](const QByteArray& frame) { return receiver.take(frame); });
    if (receiver.tooMuch())
        return {false, texts::tooMuch(file, receiver.entries)};
    if (!read.ok() || !receiver.complete())
        return {false, texts::openFailed(file, foreign::readerFailure(read))};
    if (!receiver.openError.isEmpty())
        return {false, texts::openFailed(file, receiver.openError)};
    if (!receiver.readError.ok())
        return {false, readFailure(file, receiver.readError, receiver.entries)};
    counts.leftOut = receiver.leftOut;
    counts.added = saves.size();

    if (!namesakes.isEmpty()) {
        QStringList someNames;
        for (qsizetype i = 0; i < std::min<qsizetype>(namesakes.size(), 5); ++i)
            someNames.append(namesakes.at(i).name);
        const int answer = context.prompter->choose(texts::importTitle(),
                                                    texts::conflictQuestion(namesakes.size(), someNames),
                                                    texts::conflictChoices());
        if (answer != 0 && answer != 1)
            return {false, texts::cancelled()};
        const bool keepBoth = answer == 0;
        for (DirRecord& entry : namesakes) {
            if (keepBoth) {
                entry.name = known.freeName(entry.name);
                saves.append({std::move(entry), SaveWrite::Insert});
                ++counts.renamed;
            } else if (const qsizetype added = known.savedAt(entry.name); added >= 0) {
                saves[added].first = std::move(entry); // the file named it twice: the later one stands
                ++counts.overwritten;
            } else {
                saves.append({std::move(entry), SaveWrite::Overwrite});
                ++counts.overwritten;
            }
        }
    }

    if (const IoResult saved = store.saveAll(saves); !saved)
        return {false, texts::notSaved(saved.error)};
    return {true, texts::imported(file, counts)};
}

TransferResult exportContacts(const QString& file, CoreContext& context) {
    const Loaded<QList<DirRecord>> entries = directory::DirectoryStore(context.dataDir).readAll();
    if (!entries.ok())
        return {false, texts::directoryUnreadable(entries.error)};
    if (entries.value.isEmpty())
        return {false, texts::nothingToExport()};
    QSaveFile out(file);
    bool written = out.open(QIODevice::WriteOnly);
    for (qsizetype i = 0; written && i < entries.value.size(); ++i)
        written = out.write(vCardOf(entries.value.at(i))) >= 0;
    if (!written || !out.commit())
        return {false, texts::writeFailed(file, out.errorString())};
    return {true, texts::exported(file, entries.value.size())};
}

} // namespace velkor::interop
