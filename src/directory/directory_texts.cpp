#include "directory/directory_texts.h"

namespace velkor::directory::texts {

namespace {

QString pick(Language language, const char* turkish, const char* english) {
    return QString::fromUtf8(language == Language::Turkish ? turkish : english);
}

} // namespace

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

QString modemRefused(Language language, ModemResult result) {
    switch (result) {
    case ModemResult::Busy:
        return pick(language, "Aranan numara meşgul (BUSY).", "The number is busy (BUSY).");
    case ModemResult::NoDialtone:
        return pick(language, "Çevir sesi yok: telefon hattı modeme takılı mı? (NO DIALTONE)",
                    "No dial tone: is the telephone line plugged into the modem? (NO DIALTONE)");
    case ModemResult::NoCarrier:
        return pick(language, "Arama kurulamadı (NO CARRIER).", "The call could not be made (NO CARRIER).");
    case ModemResult::NoAnswer:
        return pick(language, "Aranan numara cevap vermedi (NO ANSWER).",
                    "The number did not answer (NO ANSWER).");
    default:
        return pick(language, "Modem çevirme komutunu kabul etmedi (ERROR).",
                    "The modem refused the dial command (ERROR).");
    }
}

QString portChoiceNotSaved(Language language, const QString& error) {
    return pick(language, "COM port seçimi kaydedilemedi:\n%1", "The COM port choice could not be saved:\n%1")
        .arg(error);
}

} // namespace velkor::directory::texts
