#include "sync/diary_side.h"

#include "sync/sync_texts.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QSaveFile>

namespace velkor::sync {

using diary::DiaryEntry;
using diary::EntryWithFiles;

namespace {

// A file is compared by its name: the copy another computer keeps lies elsewhere.
QByteArray hashOf(const DiaryEntry& e, const QStringList& files) {
    QStringList names;
    for (const QString& path : files)
        names.append(QFileInfo(QString(path).replace(u'\\', u'/')).fileName());
    names.sort();
    const QString all =
        e.subject + u'\x1f' + e.content + u'\x1f' + diary::entryDateText(e) + u'\x1f' + names.join(u'\x1e');
    return QCryptographicHash::hash(all.toUtf8(), QCryptographicHash::Sha1).toHex();
}

QString safeName(QString name) {
    name.replace(u'/', u'_').replace(u'\\', u'_');
    return name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
               ? QStringLiteral("file")
               : name;
}

} // namespace

QString DiarySide::load() {
    m_items.clear();
    m_byKey.clear();
    const diary::DiaryStore store(m_dataDir);
    if (!QFileInfo::exists(store.history().path()))
        return {};
    const auto entries = store.readEntries();
    if (!entries.ok())
        return entries.error;
    QHash<qint32, QStringList> links;
    if (QFileInfo::exists(store.files().path())) {
        const IoResult linked = store.files().walk(
            {{QStringLiteral("RecordNo"), QStringLiteral("FilePath")}, {}, {}},
            [&](const db::RowView& row) { links[qint32(row.number(0))].append(row.text(1)); });
        if (!linked)
            return linked.error;
    }
    for (const DiaryEntry& entry : entries.value) {
        const QString key = QString::number(entry.recordNo);
        const QStringList files = links.value(entry.recordNo);
        m_byKey.insert(key, {entry, files});
        m_items.append({key, hashOf(entry, files)});
    }
    return {};
}

QByteArray DiarySide::serialize(const QString& key, const QString& uid) const {
    return interop::journalObject(m_byKey.value(key), uid.toUtf8(), m_now, CarriedFileLimit, &m_namedOnly);
}

RemoteItem DiarySide::parse(const QByteArray& text) {
    interop::CalendarObject object = interop::readCalendarObject(text);
    RemoteItem item;
    item.uid = QString::fromUtf8(object.uid);
    if (!object.journal) {
        item.leftOut = texts::notUnderstood(item.uid);
        return item;
    }
    Parsed parsed{item.uid, object.journal->added, object.carried};
    QStringList files = parsed.entry.files;
    for (const interop::CarriedFile& file : parsed.carried)
        files.append(safeName(file.name));
    item.hash = hashOf(parsed.entry.entry, files);
    m_parsed.insert(item.hash, std::move(parsed));
    return item;
}

// Writes the files that came inside the entry; gives the paths to link, or an error.
QString DiarySide::keep(const Parsed& parsed, QStringList* files) const {
    *files = parsed.entry.files;
    if (parsed.carried.isEmpty())
        return {};
    QString folderName = parsed.uid;
    for (QChar& c : folderName) {
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_')
            c = u'_';
    }
    const QString folder = m_dataDir.filePath(QStringLiteral("sync-files/") + folderName);
    if (!QDir().mkpath(folder))
        return texts::cannotStore(folder, QString());
    for (const interop::CarriedFile& file : parsed.carried) {
        QSaveFile out(QDir(folder).filePath(safeName(file.name)));
        if (!out.open(QIODevice::WriteOnly) || out.write(file.bytes) != file.bytes.size() || !out.commit())
            return texts::cannotStore(out.fileName(), out.errorString());
        files->append(out.fileName());
    }
    return {};
}

QString DiarySide::apply(const QStringList&, const QList<QPair<QString, QByteArray>>& replaced,
                         const QList<QByteArray>& added, QStringList* replacedKeys, QStringList* addedKeys) {
    const diary::DiaryStore store(m_dataDir);
    for (const auto& [key, hash] : replaced) {
        const Parsed& parsed = m_parsed[hash];
        QStringList files;
        if (const QString error = keep(parsed, &files); !error.isEmpty())
            return error;
        const qint32 recordNo = key.toInt();
        if (const IoResult updated = store.updateEntry(recordNo, parsed.entry.entry); !updated)
            return updated.error;
        const auto before = store.listFiles(recordNo);
        for (const QString& path : before.value) {
            if (!files.contains(path))
                store.detachFile(recordNo, path);
        }
        for (const QString& path : files)
            store.attachFile(recordNo, path);
        replacedKeys->append(key);
    }
    QList<EntryWithFiles> adding;
    for (const QByteArray& hash : added) {
        const Parsed& parsed = m_parsed[hash];
        EntryWithFiles entry = parsed.entry;
        if (const QString error = keep(parsed, &entry.files); !error.isEmpty())
            return error;
        adding.append(entry);
    }
    if (adding.isEmpty())
        return {};
    const auto first = store.addEntries(adding);
    if (!first.ok())
        return first.error;
    for (qsizetype i = 0; i < adding.size(); ++i)
        addedKeys->append(QString::number(first.value.value_or(0) + i));
    return {};
}

QStringList DiarySide::notes() const {
    if (m_namedOnly.isEmpty())
        return {};
    return {texts::namedOnly(int(m_namedOnly.size()), CarriedFileLimit / 1024,
                             m_namedOnly.join(QStringLiteral(", ")))};
}

} // namespace velkor::sync
