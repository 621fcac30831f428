#include "core/lang/contacts_texts.h"

#include <QDir>
#include <QFileInfo>

namespace velkor::lang::contacts {

namespace {

QString pick(Language language, const char* turkish, const char* english) {
    return QString::fromUtf8(language == Language::Turkish ? turkish : english);
}

QString shown(const QString& file) {
    return QDir::toNativeSeparators(file);
}

// "1 contact", "3 contacts"; Turkish counts take the singular.
QString counted(Language language, qsizetype count, const char* turkish, const char* one, const char* many) {
    return QString::number(count) + u' ' + pick(language, turkish, count == 1 ? one : many);
}

} // namespace

QString importCaption(Language language) {
    return pick(language, "İçe Aktar…", "Import…");
}

QString exportCaption(Language language) {
    return pick(language, "Dışa Aktar…", "Export…");
}

QString importTitle(Language language) {
    return pick(language, "Rehbere Kişi Aktar", "Import Contacts");
}

QString exportTitle(Language language) {
    return pick(language, "Rehberi Dışa Aktar", "Export the Directory");
}

QString fileFilter(Language language) {
    return pick(language, "vCard dosyaları (*.vcf *.vcard);;Tüm dosyalar (*)",
                "vCard files (*.vcf *.vcard);;All files (*)");
}

QString openFailed(Language language, const QString& file, const QString& error) {
    return pick(language, "%1 açılamadı: %2", "%1 could not be opened: %2").arg(shown(file), error);
}

QString notVCard(Language language, const QString& file, int line) {
    if (line == 0)
        return pick(language, "%1 hiç kişi kartı (vCard) içermiyor. Hiçbir şey aktarılmadı.",
                    "%1 holds no contact card (vCard). Nothing was imported.")
            .arg(shown(file));
    return pick(language, "%1 bir vCard dosyası değil (satır %2). Hiçbir şey aktarılmadı.",
                "%1 is not a vCard file (line %2). Nothing was imported.")
        .arg(shown(file))
        .arg(line);
}

QString truncated(Language language, const QString& file, int line) {
    return pick(language,
                "%1: %2. satırda başlayan kişi kartı bitmeden dosya sona eriyor; dosya yarım kalmış. Hiçbir "
                "şey aktarılmadı.",
                "%1: the contact card that begins on line %2 has no end; the file seems cut short. Nothing "
                "was imported.")
        .arg(shown(file))
        .arg(line);
}

QString unknownCharset(Language language, const QString& file, int line, const QString& charset) {
    return pick(language, "%1, satır %2: “%3” karakter kümesi bilinmiyor. Hiçbir şey aktarılmadı.",
                "%1, line %2: the character set “%3” is not known. Nothing was imported.")
        .arg(shown(file))
        .arg(line)
        .arg(charset);
}

QString valueTooLong(Language language, const QString& file, int line, int kilobytes) {
    return pick(language, "%1, satır %2: %3 KB'tan uzun bir değer. Hiçbir şey aktarılmadı.",
                "%1, line %2: a value longer than %3 KB. Nothing was imported.")
        .arg(shown(file))
        .arg(line)
        .arg(kilobytes);
}

QString tooMuch(Language language, const QString& file, qsizetype contactsRead) {
    return pick(language,
                "%1 bir kerede aktarılamayacak kadar çok metin içeriyor (ilk %2 kişide sınır aşıldı). Hiçbir "
                "şey aktarılmadı.",
                "%1 holds more text than can be imported at once (the limit was passed after %2 contacts). "
                "Nothing was imported.")
        .arg(shown(file))
        .arg(contactsRead);
}

QString directoryUnreadable(Language language, const QString& error) {
    return pick(language, "Rehber okunamadı: %1", "The directory could not be read: %1").arg(error);
}

QString notSaved(Language language, const QString& error) {
    return pick(language, "Rehbere yazılamadı, hiçbir şey aktarılmadı: %1",
                "The directory could not be written; nothing was imported: %1")
        .arg(error);
}

QString conflictQuestion(Language language, qsizetype count, const QStringList& someNames) {
    QString names = someNames.join(QStringLiteral(", "));
    if (count > someNames.size())
        names += QStringLiteral(", …");
    return pick(language,
                "Dosyadaki %1 kişi rehberde aynı adla, ama başka bir numarayla kayıtlı: %2\n\nİkisi de "
                "tutulsun mu (yeni gelen “Ad (2)” gibi bir numarayla eklenir), yoksa rehberdeki kayıtların "
                "üzerine mi yazılsın?",
                "%1 contacts in the file are in the directory under the same name with another number: "
                "%2\n\nKeep both (the new one is added with a number, as “Name (2)”), or overwrite the "
                "directory's entries?")
        .arg(count)
        .arg(names);
}

QStringList conflictChoices(Language language) {
    if (language == Language::Turkish)
        return {QStringLiteral("İkisini de Tut"), QStringLiteral("Üzerine Yaz"), QStringLiteral("Vazgeç")};
    return {QStringLiteral("Keep Both"), QStringLiteral("Overwrite"), QStringLiteral("Cancel")};
}

QString cancelled(Language language) {
    return pick(language, "İçe aktarma bırakıldı; rehber değişmedi.",
                "The import was cancelled; the directory is unchanged.");
}

QString imported(Language language, const QString& file, const ImportCounts& c) {
    QStringList parts{counted(language, c.added, "kişi eklendi", "contact added", "contacts added")};
    if (c.renamed > 0)
        parts.append(counted(language, c.renamed, "kişi numaralı adla eklendi", "added under a numbered name",
                             "added under numbered names"));
    if (c.overwritten > 0)
        parts.append(counted(language, c.overwritten, "kaydın üzerine yazıldı", "entry overwritten",
                             "entries overwritten"));
    if (c.same > 0)
        parts.append(counted(language, c.same, "kişi zaten rehberde olduğu için atlandı",
                             "already in the directory, skipped", "already in the directory, skipped"));
    if (c.leftOut > 0)
        parts.append(counted(language, c.leftOut, "adsız ve numarasız kart alınmadı",
                             "card without a name or number left out",
                             "cards without a name or number left out"));
    return QFileInfo(file).fileName() + QStringLiteral(": ") + parts.join(QStringLiteral("; ")) + u'.';
}

QString nothingToExport(Language language) {
    return pick(language, "Rehber boş; dışa aktarılacak kayıt yok.",
                "The directory is empty: there is nothing to export.");
}

QString writeFailed(Language language, const QString& file, const QString& error) {
    return pick(language, "%1 yazılamadı: %2", "%1 could not be written: %2").arg(shown(file), error);
}

QString exported(Language language, const QString& file, qsizetype count) {
    return pick(language, "%1 %2 dosyasına aktarıldı.", "%1 exported to %2.")
        .arg(counted(language, count, "kayıt", "entry", "entries"), shown(file));
}

} // namespace velkor::lang::contacts
