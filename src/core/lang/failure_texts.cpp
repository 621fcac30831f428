#include "core/lang/translations.h"

#include <QHash>

namespace velkor::lang {

// The lower layers word their failures in English through tr(), so that they stay free of the language
// setting; this is their Turkish, looked up by the English text.
QString turkishOf(const QString& english) {
    static const QHash<QString, QString> table = [] {
        static const char* const pairs[][2] = {
            // start and bookkeeping
            {"Velkor cannot start:\nneither %1 nor the user's data folder can be written.",
             "Velkor başlatılamıyor:\nne %1 ne de kullanıcının veri klasörü yazılabiliyor."},
            {"Velkor cannot start:\n%1", "Velkor başlatılamıyor:\n%1"},
            {"Velkor runs, but cannot keep its bookkeeping:\n\n%1",
             "Velkor çalışıyor, ama kendi kayıtlarını tutamıyor:\n\n%1"},
            {"Velkor could not be set to start at login:\n%1",
             "Velkor oturum açılışında başlayacak biçimde ayarlanamadı:\n%1"},
            {"The exit time could not be saved:\n%1", "Çıkış zamanı kaydedilemedi:\n%1"},
            {"%1\ncould not be restored from %2.", "%1\n%2 dosyasından geri getirilemedi."},
            {"does not hold a time Velkor can use.", "Velkor'un kullanabileceği bir zaman içermiyor."},
            {"%1\ncannot be created.", "%1\noluşturulamıyor."},
            {"%1\ncannot be written.", "%1\nyazılamıyor."},
            {"%1 (error 0x%2)", "%1 (hata 0x%2)"},
            {"The StartUp folder could not be found.", "Başlangıç klasörü bulunamadı."},
            {"could not be copied to %1: %2", "%1 klasörüne kopyalanamadı: %2"},
            // data files
            {"is a folder, not a data file.", "bir klasör, veri dosyası değil."},
            {"is not a data file.", "bir veri dosyası değil."},
            {"cannot be read: %1", "okunamıyor: %1"},
            {"cannot be written: %1", "yazılamıyor: %1"},
            {"cannot be saved: %1", "kaydedilemiyor: %1"},
            {"cannot be opened: %1", "açılamıyor: %1"},
            {"cannot be changed: %1", "değiştirilemiyor: %1"},
            // databases
            {"is in use by another program. Please try again when it has finished.",
             "başka bir program tarafından kullanılıyor. Lütfen o işini bitirince yeniden deneyin."},
            {"cannot be changed: the file is read-only.", "değiştirilemiyor: dosya salt okunur."},
            {"could not be read or written (input/output error).",
             "okunamadı ya da yazılamadı (giriş/çıkış hatası)."},
            {"is damaged and cannot be used as a database.", "bozuk; veritabanı olarak kullanılamıyor."},
            {"cannot be written: the disk is full. Nothing was changed.",
             "yazılamıyor: disk dolu. Hiçbir şey değiştirilmedi."},
            {"cannot be opened.", "açılamıyor."},
            {"failed with an unknown database error.", "bilinmeyen bir veritabanı hatası verdi."},
            {"is a folder, not a database.", "bir klasör, veritabanı değil."},
            {"is not a database this version of Velkor can use (it may come from an older release). It has "
             "been left unchanged.",
             "Velkor'un bu sürümünün kullanabileceği bir veritabanı değil (eski bir sürümden kalmış "
             "olabilir). Dosyaya dokunulmadı."},
            {"holds no diary entry number %1 any more; nothing was saved.",
             "artık %1 numaralı günlük kaydını içermiyor; hiçbir şey kaydedilmedi."},
            {"cannot be found. Nothing was deleted.", "bulunamıyor. Hiçbir şey silinmedi."},
            // the older release's Jet databases
            {"is damaged or encrypted and cannot be read.", "bozuk ya da şifreli; okunamıyor."},
            {"holds no table named %1.", "%1 adlı bir tablo içermiyor."},
            {"is not an Access database.", "bir Access veritabanı değil."},
            {"No database is open.", "Açık bir veritabanı yok."},
            {"has no column %1 in its table %2.", "%2 tablosunda %1 sütunu yok."},
            {"is damaged: %1 of the %2 rows of its table %3 could be read.",
             "bozuk: %3 tablosunun %2 satırından yalnızca %1 tanesi okunabildi."},
            {"changed while it was being carried over.", "aktarılırken değişti."},
            {"could not be kept as %1: %2", "%1 olarak saklanamadı: %2"},
            {"could not be replaced by the new database: %1", "yeni veritabanıyla değiştirilemedi: %1"},
            {"could not be carried over:\n%1", "aktarılamadı:\n%1"},
            {"could not be carried over: the new database holds %1 rows, the original %2.",
             "aktarılamadı: yeni veritabanında %1 satır var, asıl dosyada %2."},
            {"could not be carried over: row %1 of the new database differs from the original.",
             "aktarılamadı: yeni veritabanının %1. satırı asıl dosyadakinden farklı."},
            // foreign files, read by the reader process
            {"cannot be found.", "bulunamıyor."},
            {"is a folder, not a file.", "bir klasör, dosya değil."},
            {"is a named pipe, not a file: only files are read.",
             "adlandırılmış bir boru, dosya değil: yalnızca dosyalar okunur."},
            {"is a socket, not a file: only files are read.",
             "bir soket, dosya değil: yalnızca dosyalar okunur."},
            {"is a device, not a file: only files are read.",
             "bir aygıt, dosya değil: yalnızca dosyalar okunur."},
            {"the reader stopped after %1 s.", "okuyucu %1 saniye sonra durduruldu."},
            {"the reader stopped after %1 s of processor time.",
             "okuyucu %1 saniyelik işlemci süresinden sonra durduruldu."},
            {"the reader stopped at its memory limit of %1 MB.",
             "okuyucu %1 MB bellek sınırında durduruldu."},
            {"the reader crashed on it.", "okuyucu bu dosyada çöktü."},
            {"the reader ended with status %1.", "okuyucu %1 durumuyla sona erdi."},
            {"the reader gave back records Velkor cannot take.",
             "okuyucu Velkor'un alamayacağı kayıtlar verdi."},
            {"the reader could not be started: %1", "okuyucu başlatılamadı: %1"},
            {"Velkor was closing.", "Velkor kapanıyordu."},
            {"could not be read: %1", "okunamadı: %1"},
            {"has no table named %1.", "%1 adlı bir tablo içermiyor."},
            // modem
            {"No serial port is available.", "Kullanılabilir seri port yok."},
        };
        QHash<QString, QString> out;
        for (const auto& pair : pairs)
            out.insert(QString::fromUtf8(pair[0]), QString::fromUtf8(pair[1]));
        return out;
    }();
    return table.value(english);
}

} // namespace velkor::lang
