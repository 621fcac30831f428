#include "core/lang/transfer_texts.h"

#include <QDir>

namespace velkor::lang::transfer {

namespace {

QString pick(Language language, const char* turkish, const char* english) {
    return QString::fromUtf8(language == Language::Turkish ? turkish : english);
}

QString shown(const QString& file) {
    return QDir::toNativeSeparators(file);
}

double megabytes(qint64 bytes) {
    return double(bytes) / (1024.0 * 1024.0);
}

} // namespace

QString leftOutReason(Language language, LeftOut why) {
    switch (why) {
    case LeftOut::OneOff:
        return pick(language, "bir kez", "once only");
    case LeftOut::Daily:
        return pick(language, "her gün", "daily");
    case LeftOut::Weekly:
        return pick(language, "her hafta", "weekly");
    case LeftOut::Monthly:
        return pick(language, "her ay", "monthly");
    case LeftOut::YearlyMoving:
        return pick(language, "her yıl başka bir gün", "yearly on a moving day");
    case LeftOut::YearlyNotEvery:
        return pick(language, "her yıl değil", "not every year");
    case LeftOut::YearlyEnding:
        return pick(language, "belli bir yıla dek", "yearly until a set end");
    case LeftOut::Occurrence:
        return pick(language, "bir tekrarın değişikliği", "a change to one occurrence");
    case LeftOut::NoDate:
        return pick(language, "tarihi yok", "no date");
    }
    return {};
}

QString imported(Language language, int plans, int entries, int leftOut, int alreadyThere) {
    QString line =
        pick(language, "%1 plan ve %2 günlük kaydı alındı.", "Imported %1 plans and %2 diary entries.")
            .arg(plans)
            .arg(entries);
    if (leftOut > 0)
        line += pick(language, " Yıllık olmayan %1 etkinlik alınmadı.",
                     " Left out %1 events that are not yearly.")
                    .arg(leftOut);
    if (alreadyThere > 0)
        line += pick(language, " %1 kayıt zaten vardı.", " %1 were already there.").arg(alreadyThere);
    return line;
}

QString exported(Language language, int plans, int entries, int undated, const QString& file) {
    QString line = pick(language, "%1 plan ve %2 günlük kaydı %3 dosyasına yazıldı.",
                        "Exported %1 plans and %2 diary entries to %3.")
                       .arg(plans)
                       .arg(entries)
                       .arg(shown(file));
    if (undated > 0)
        line += pick(language, " Takvimde olmayan bir güne ait %1 plan yazılmadı.",
                     " Left out %1 plans for days no calendar has.")
                    .arg(undated);
    return line;
}

QString notCalendar(Language language, const QString& file) {
    return pick(language, "%1 bir iCalendar dosyası değil; hiçbir şey alınmadı.",
                "%1 is not an iCalendar file; nothing was imported.")
        .arg(shown(file));
}

QString truncated(Language language, const QString& file) {
    return pick(language, "%1 yarıda kesilmiş (takvimin sonu yok); hiçbir şey alınmadı.",
                "%1 is cut short (its calendar never ends); nothing was imported.")
        .arg(shown(file));
}

QString tooLarge(Language language, const QString& file, qint64 bytes, qint64 limit) {
    return pick(language, "%1 %2 MB; Velkor en çok %3 MB büyüklüğünde takvim alır. Hiçbir şey alınmadı.",
                "%1 is %2 MB; Velkor imports calendars of up to %3 MB. Nothing was imported.")
        .arg(shown(file))
        .arg(megabytes(bytes), 0, 'f', 1)
        .arg(megabytes(limit), 0, 'f', 0);
}

QString lineTooLong(Language language, const QString& file, int line, qint64 limit) {
    return pick(language,
                "%1 dosyasının %2. satırı %3 MB'tan uzun; Velkor böyle takvimleri okumaz. Hiçbir şey "
                "alınmadı.",
                "Line %2 of %1 is longer than %3 MB; Velkor does not read such calendars. Nothing was "
                "imported.")
        .arg(shown(file))
        .arg(line)
        .arg(megabytes(limit), 0, 'f', 0);
}

QString nestedTooDeep(Language language, const QString& file, int line, int depth) {
    return pick(language,
                "%1 dosyasında %2. satırda %3 kattan derin iç içe bileşenler var; hiçbir şey alınmadı.",
                "%1 nests its components deeper than %3 levels at line %2; nothing was imported.")
        .arg(shown(file))
        .arg(line)
        .arg(depth);
}

QString busy(Language language) {
    return pick(language, "Velkor başka bir aktarımla meşgul; biraz sonra yeniden deneyin.",
                "Velkor is busy with another import or export; try again in a moment.");
}

QString unreadable(Language language, const QString& file, const QString& reason) {
    return pick(language, "%1 okunamadı: %2", "%1 cannot be read: %2").arg(shown(file), reason);
}

QString unknownCharset(Language language, const QString& file, const QString& charset) {
    return pick(language, "%1 tanınmayan bir karakter kümesi kullanıyor (%2); hiçbir şey alınmadı.",
                "%1 uses a character set Velkor does not know (%2); nothing was imported.")
        .arg(shown(file), charset);
}

QString cannotWrite(Language language, const QString& file, const QString& reason) {
    return pick(language, "%1 yazılamadı: %2", "%1 cannot be written: %2").arg(shown(file), reason);
}

QString nothingImported(Language language, const QString& reason) {
    return pick(language, "Hiçbir şey alınmadı: %1", "Nothing was imported: %1")
        .arg(QString(reason).replace(u'\n', u' '));
}

QString unknownKind(Language language, const QString& file) {
    return pick(language, "%1 ne takvim (.ics) ne de rehber (.vcf) dosyası.",
                "%1 is neither a calendar (.ics) nor a contacts (.vcf) file.")
        .arg(shown(file));
}

QString leftOutTitle(Language language) {
    return pick(language, "Alınmayan Etkinlikler", "Events Left Out");
}

QString leftOutText(Language language, const QString& summary) {
    return summary + u'\n' +
           pick(language, "Planlar her yıl aynı gündedir; aşağıdaki etkinlikler plan olamaz:",
                "A plan falls on the same day every year; these events cannot be plans:");
}

QStringList leftOutColumns(Language language) {
    if (language == Language::Turkish)
        return {QStringLiteral("Başlangıç"), QStringLiteral("Etkinlik"), QStringLiteral("Neden")};
    return {QStringLiteral("Start"), QStringLiteral("Event"), QStringLiteral("Why")};
}

QString importTitle(Language language) {
    return pick(language, "İçe Aktar", "Import");
}

QString exportTitle(Language language) {
    return pick(language, "Dışa Aktar", "Export");
}

QString calendarFilter(Language language) {
    return pick(language, "iCalendar dosyaları (*.ics *.ical *.ifb)", "iCalendar files (*.ics *.ical *.ifb)");
}

QString contactsFilter(Language language) {
    return pick(language, "vCard dosyaları (*.vcf *.vcard)", "vCard files (*.vcf *.vcard)");
}

} // namespace velkor::lang::transfer
