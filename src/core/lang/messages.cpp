#include "core/lang/messages.h"

#include "core/lang/vocabulary.h"

namespace velkor::lang {

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString pick(Language language, const char* turkish, const char* english) {
    return s(language == Language::Turkish ? turkish : english);
}

} // namespace

QString unsavedAtExit(Language language, const QString& windowName, const QString& question) {
    return pick(language, "«%1» penceresinde kaydedilmemiş değişiklikler var.\n%2",
                "The window “%1” holds unsaved changes.\n%2")
        .arg(windowName, question);
}

QStringList unsavedAtExitChoices(Language language) {
    if (language == Language::Turkish)
        return {s("Kaydet"), s("Kaydetme"), s("Vazgeç")};
    return {s("Save"), s("Don't Save"), s("Cancel")};
}

namespace diary {

Notice openFailureNotice(const QString& lineText, Language language) {
    struct Program {
        const char* extension;
        const char* turkish;
        const char* english;
    };
    static const Program programs[] = {
        {"doc", "Bilgisayarınızda Word programı yüklü değil.",
         "Cannot find Microsoft Word On This Computer."},
        {"xls", "Bilgisayarınızda Excel programı yüklü değil.",
         "Cannot find Microsoft Excel On This Computer."},
        {"ppt", "Bilgisayarınızda Power Point programı yüklü değil.",
         "Cannot find Microsoft PowerPoint On This Computer."},
        {"pdf", "Bilgisayarınızda Adobe Acrobat programı yüklü değil.",
         "Cannot find Adobe Acrobat On This Computer."},
    };
    const QString title = pick(language, "Hata", "Error");
    const QString extension = lineText.size() >= 3 ? lineText.right(3) : QString();
    for (const Program& program : programs) {
        if (extension == QLatin1String(program.extension))
            return {BoxKind::Warning, title, pick(language, program.turkish, program.english)};
    }
    return {BoxKind::Critical, title,
            pick(language, "Bilgisayarınızda dosyayı açmak için uygun bir program bulunamadı.",
                 "Cannot find an appropriate program On This Computer.")};
}

QString emptySubjectNotice(Language language) {
    return pick(language, "Konu alanı boş bırakılamaz. Kayıt Konusuz olarak tanımlanacak.",
                "The Subject field cannot be blank. The record will be named as Unnamed.");
}

QString defaultSubject(Language language) {
    return pick(language, "Konusuz", "Unnamed");
}

QString savedNotice(bool added, Language language) {
    if (added)
        return pick(language, "Kayıt Yapıldı", "Record Saved");
    return pick(language, "Kayıt Güncellendi", "Record Updated");
}

QString saveQuestionTitle(Language language) {
    return pick(language, "UYARI", "WARNING");
}

QString saveQuestion(Language language) {
    return pick(language, "Yaptığınız değişiklikleri kaydetmek istiyor musunuz?",
                "Do you want to save your changes?");
}

QString saveButtonCaption(bool adding, Language language) {
    if (adding)
        return pick(language, "Ekle", "Add");
    return pick(language, "Güncelle", "Update");
}

QString updateTitle(Language language) {
    return pick(language, "Kayıt Düzeltme", "Record Update");
}

QString editorTitle(const QString& current, Language language) {
    // The browser titles an English update "Record Update"; Turkish must still follow.
    if (language == Language::Turkish && current == s("Record Update"))
        return s("Kayıt Düzeltme");
    return diaryEditorTitle(current, language);
}

} // namespace diary

namespace directory {

QString recordDeleted(Language language) {
    return pick(language, "Kayıt silindi.", "Record Deleted");
}

QString deleteFailed(Language language, const QString& error) {
    return pick(language, "Kayıt silinemedi:\n%1", "The record could not be deleted:\n%1").arg(error);
}

QString listUnreadable(Language language, const QString& error) {
    return pick(language, "Rehber okunamadı:\n%1", "The directory could not be read:\n%1").arg(error);
}

QString addressTitle(Language language) {
    return pick(language, "Adres", "Address");
}

QString rowGone(Language language) {
    return pick(
        language,
        "Bu kayıt rehberde artık yok: başka bir program onu değiştirmiş ya da silmiş. Hiçbir şey "
        "değiştirilmedi.",
        "This entry is no longer in the directory: another program has changed or deleted it. Nothing "
        "was changed.");
}

QString duplicateTitle(Language language) {
    return pick(language, "Uyarı!", "Warning!");
}

QString duplicateQuestion(Language language) {
    return pick(language, "Yazdığınız isim zaten rehberde kayıtlı. Üstüne kayıt yapılsın mı?",
                "This name  already exists. Do you want to replace it?");
}

QString blankName(Language language) {
    return pick(language, "İsim alanı boş bırakılamaz. Kayıt yapılmadı.",
                "The Name field cannot be blank. The record is not saved.");
}

QString recordSaved(Language language) {
    return pick(language, "Kayıt Yapıldı", "Record Saved");
}

QString recordUpdated(Language language) {
    return pick(language, "Kayıt Güncellendi", "Record Updated");
}

QString saveFailed(Language language, const QString& error) {
    return pick(language, "Kayıt yapılamadı:\n%1", "The record could not be saved:\n%1").arg(error);
}

QString dialCaption(Language language) {
    return pick(language, "Çevir", "Dial");
}

QString cancelCaption(Language language) {
    return pick(language, "Vazgeç", "Cancel");
}

QString portUnavailable(Language language, const QString& port) {
    return port + pick(language, " : erişilemiyor. COM port ayarını değiştirip deneyin.",
                       " : not available. Change the COM port to another port.");
}

QString pickUpPhone(Language language) {
    return pick(language, "Lütfen telefonu açın ve Tamam tuşuna basın.",
                "Please pick up the phone and press OK.");
}

QString modemSilent(Language language) {
    return pick(language,
                "Modem yanıt vermedi; arama iptal edildi. Modemin bağlı ve açık olduğunu, COM port ayarının "
                "doğru olduğunu denetleyin.",
                "The modem did not answer, so the call was cancelled. Check that the modem is connected and "
                "switched on, and that the COM port is the right one.");
}

QString dialWaiting(Language language, const QString& title, const QString& port) {
    return pick(language, "%1 – %2 üzerinden aranıyor, modemin yanıtı (OK) bekleniyor",
                "%1 – dialling on %2, waiting for the modem to answer OK")
        .arg(title, port);
}

QString modemRefused(Language language, ModemRefusal refusal) {
    switch (refusal) {
    case ModemRefusal::Busy:
        return pick(language, "Aranan numara meşgul (BUSY).", "The number is busy (BUSY).");
    case ModemRefusal::NoDialtone:
        return pick(language, "Çevir sesi yok: telefon hattı modeme takılı mı? (NO DIALTONE)",
                    "No dial tone: is the telephone line plugged into the modem? (NO DIALTONE)");
    case ModemRefusal::NoCarrier:
        return pick(language, "Arama kurulamadı (NO CARRIER).", "The call could not be made (NO CARRIER).");
    case ModemRefusal::NoAnswer:
        return pick(language, "Aranan numara cevap vermedi (NO ANSWER).",
                    "The number did not answer (NO ANSWER).");
    case ModemRefusal::Error:
        break;
    }
    return pick(language, "Modem çevirme komutunu kabul etmedi (ERROR).",
                "The modem refused the dial command (ERROR).");
}

QString portChoiceNotSaved(Language language, const QString& error) {
    return pick(language, "COM port seçimi kaydedilemedi:\n%1", "The COM port choice could not be saved:\n%1")
        .arg(error);
}

} // namespace directory

namespace notebook {

QString unreadable(Language language, const QString& error) {
    return pick(language, "Not okunamadı:\n%1", "The note could not be read:\n%1").arg(error);
}

QString tooLarge(Language language, const QString& path) {
    return pick(language, "%1\nnot defteri için çok büyük; dosya olduğu gibi bırakıldı.",
                "%1\nis too large for the notebook; the file is left as it is.")
        .arg(path);
}

QString changedElsewhere(Language language, const QString& path) {
    return pick(language,
                "%1\nnot açıldıktan sonra başka bir program tarafından değiştirildi. Hangisi kalsın?",
                "%1\nhas been changed by another program since the note was opened. Which one should stay?")
        .arg(path);
}

QStringList changedChoices(Language language) {
    if (language == Language::Turkish)
        return {s("Benimkini kaydet"), s("Dosyadakini al"), s("Vazgeç")};
    return {s("Keep mine"), s("Take the file's"), s("Cancel")};
}

QString saveFailed(Language language, const QString& error) {
    return pick(language, "Not kaydedilemedi:\n%1", "The note could not be saved:\n%1").arg(error);
}

QString saved(Language language) {
    return pick(language, "Kayıt Yapıldı", "Record Saved");
}

// The same question as the diary editor asks.
QString saveQuestionTitle(Language language) {
    return diary::saveQuestionTitle(language);
}

QString saveQuestion(Language language) {
    return diary::saveQuestion(language);
}

} // namespace notebook

namespace plans {

QString tickedPlansGone(Language language, const QString& missing) {
    return pick(language,
                "Şu planlar artık plan dosyasında yok (başka bir program değiştirmiş "
                "olabilir):\n\n%1\n\nBaşka "
                "plan silinmedi; liste dosyadan yenilendi.",
                "These plans are no longer in the plan file (another program may have changed "
                "it):\n\n%1\n\nNo "
                "other plan was deleted; the list shows the file as it is now.")
        .arg(missing);
}

QString editedPlanGone(Language language) {
    return pick(language,
                "Düzeltilen plan artık plan dosyasında yok (başka bir program değiştirmiş olabilir). "
                "Yazdıklarınız yeni bir plan olarak kaydedildi.",
                "The plan you edited is no longer in the plan file (another program may have changed it). "
                "What you typed was stored as a new plan.");
}

} // namespace plans

namespace reminders {

QString listTitle(Language language) {
    return pick(language, "Planlar", "Plans");
}

QString listText(Language language, int count) {
    return pick(language, "Zamanı gelen %1 plan:", "%1 plans fell due:").arg(QString::number(count));
}

QStringList listColumns(Language language) {
    if (language == Language::Turkish)
        return {s("Tarih"), s("Saat"), s("Plan")};
    return {s("Date"), s("Time"), s("Plan")};
}

} // namespace reminders

namespace data_folder {

QString copyFailed(Language language, const QString& error) {
    return pick(language, "Velkor başlatılamıyor: veriler taşınamadı.\n%1",
                "Velkor cannot start: the data could not be carried over.\n%1")
        .arg(error);
}

QString copiedHere(Language language, const QString& programDir, const QString& dataDir) {
    return pick(
               language,
               "Program klasörüne yazılamıyor:\n%1\n\nVerileriniz bu klasöre kopyalandı ve bundan sonra "
               "orada "
               "tutulacak:\n%2",
               "The program folder cannot be written:\n%1\n\nYour data has been copied to this folder and is "
               "kept there from now on:\n%2")
        .arg(programDir, dataDir);
}

QString usedHere(Language language, const QString& programDir, const QString& dataDir) {
    return pick(language,
                "Program klasöründe de veri var, ama oraya yazılamıyor:\n%1\n\nVelkor bu klasördeki verileri "
                "kullanıyor:\n%2",
                "The program folder holds data too, but cannot be written:\n%1\n\nVelkor uses the data in "
                "this "
                "folder:\n%2")
        .arg(programDir, dataDir);
}

} // namespace data_folder

namespace old_databases {

QString carriedLine(Language language, const QString& fileName, qint64 entries, const QString& keptAs) {
    return pick(language, "%1: %2 kayıt aktarıldı. Asıl dosya şurada saklanıyor:\n%3",
                "%1: %2 entries carried over. The original is kept as:\n%3")
        .arg(fileName)
        .arg(entries)
        .arg(keptAs);
}

QString carriedOver(Language language, const QStringList& lines) {
    return pick(language, "Eski sürümün veritabanları aktarıldı.\n\n%1",
                "The databases of the older release have been carried over.\n\n%1")
        .arg(lines.join(QStringLiteral("\n\n")));
}

QString notCarriedOver(Language language, const QStringList& failures) {
    return pick(
               language,
               "Eski sürümün veritabanı aktarılamadı. Asıl dosyaya dokunulmadı; Velkor onsuz çalışmaya devam "
               "ediyor.\n\n%1",
               "A database of the older release could not be carried over. The original was left untouched; "
               "Velkor goes on without it.\n\n%1")
        .arg(failures.join(QStringLiteral("\n\n")));
}

} // namespace old_databases

} // namespace velkor::lang
