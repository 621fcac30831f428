<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>Contacts</name>
    <message>
        <source>Import…</source>
        <translation>İçe Aktar…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Dışa Aktar…</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Rehbere Kişi Aktar</translation>
    </message>
    <message>
        <source>Export the Directory</source>
        <translation>Rehberi Dışa Aktar</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard);;All files (*)</source>
        <translation>vCard dosyaları (*.vcf *.vcard);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 açılamadı: %2</translation>
    </message>
    <message>
        <source>%1 holds no contact card (vCard). Nothing was imported.</source>
        <translation>%1 hiç kişi kartı (vCard) içermiyor. Hiçbir şey aktarılmadı.</translation>
    </message>
    <message>
        <source>%1 is not a vCard file (line %2). Nothing was imported.</source>
        <translation>%1 bir vCard dosyası değil (satır %2). Hiçbir şey aktarılmadı.</translation>
    </message>
    <message>
        <source>%1: the contact card that begins on line %2 has no end; the file seems cut short. Nothing was imported.</source>
        <translation>%1: %2. satırda başlayan kişi kartı bitmeden dosya sona eriyor; dosya yarım kalmış. Hiçbir şey aktarılmadı.</translation>
    </message>
    <message>
        <source>%1, line %2: the character set “%3” is not known. Nothing was imported.</source>
        <translation>%1, satır %2: “%3” karakter kümesi bilinmiyor. Hiçbir şey aktarılmadı.</translation>
    </message>
    <message>
        <source>%1, line %2: a value longer than %3 KB. Nothing was imported.</source>
        <translation>%1, satır %2: %3 KB&apos;tan uzun bir değer. Hiçbir şey aktarılmadı.</translation>
    </message>
    <message>
        <source>%1 holds more text than can be imported at once (the limit was passed after %2 contacts). Nothing was imported.</source>
        <translation>%1 bir kerede aktarılamayacak kadar çok metin içeriyor (ilk %2 kişide sınır aşıldı). Hiçbir şey aktarılmadı.</translation>
    </message>
    <message>
        <source>The directory could not be read: %1</source>
        <translation>Rehber okunamadı: %1</translation>
    </message>
    <message>
        <source>The directory could not be written; nothing was imported: %1</source>
        <translation>Rehbere yazılamadı, hiçbir şey aktarılmadı: %1</translation>
    </message>
    <message>
        <source>%1 contacts in the file are in the directory under the same name with another number: %2

Keep both (the new one is added with a number, as “Name (2)”), or overwrite the directory&apos;s entries?</source>
        <translation>Dosyadaki %1 kişi rehberde aynı adla, ama başka bir numarayla kayıtlı: %2

İkisi de tutulsun mu (yeni gelen “Ad (2)” gibi bir numarayla eklenir), yoksa rehberdeki kayıtların üzerine mi yazılsın?</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <translation>İkisini de Tut</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Üzerine Yaz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>The import was cancelled; the directory is unchanged.</source>
        <translation>İçe aktarma bırakıldı; rehber değişmedi.</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s) added</source>
        <translation>
            <numerusform>%n kişi eklendi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n added under (a) numbered name(s)</source>
        <translation>
            <numerusform>%n kişi numaralı adla eklendi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n (entry|entries) overwritten</source>
        <translation>
            <numerusform>%n kaydın üzerine yazıldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the directory, skipped</source>
        <translation>
            <numerusform>%n kişi zaten rehberde olduğu için atlandı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n card(s) without a name or number left out</source>
        <translation>
            <numerusform>%n adsız ve numarasız kart alınmadı</numerusform>
        </translation>
    </message>
    <message>
        <source>The directory is empty: there is nothing to export.</source>
        <translation>Rehber boş; dışa aktarılacak kayıt yok.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 yazılamadı: %2</translation>
    </message>
    <message>
        <source>%1 exported to %2.</source>
        <translation>%1 %2 dosyasına aktarıldı.</translation>
    </message>
    <message numerus="yes">
        <source>%n (entry|entries)</source>
        <translation>
            <numerusform>%n kayıt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>Velkor cannot start: the data could not be carried over.
%1</source>
        <translation>Velkor başlatılamıyor: veriler taşınamadı.
%1</translation>
    </message>
    <message>
        <source>The program folder cannot be written:
%1

Your data has been copied to this folder and is kept there from now on:
%2</source>
        <translation>Program klasörüne yazılamıyor:
%1

Verileriniz bu klasöre kopyalandı ve bundan sonra orada tutulacak:
%2</translation>
    </message>
    <message>
        <source>The program folder holds data too, but cannot be written:
%1

Velkor uses the data in this folder:
%2</source>
        <translation>Program klasöründe de veri var, ama oraya yazılamıyor:
%1

Velkor bu klasördeki verileri kullanıyor:
%2</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>dd/MM/yyyy</source>
        <comment>the date form: day, month, year</comment>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>dd/MM</source>
        <comment>the date form without a year</comment>
        <translation>dd.MM</translation>
    </message>
</context>
<context>
    <name>Diary</name>
    <message>
        <source>Cannot find Microsoft Word On This Computer.</source>
        <translation>Bilgisayarınızda Word programı yüklü değil.</translation>
    </message>
    <message>
        <source>Cannot find Microsoft Excel On This Computer.</source>
        <translation>Bilgisayarınızda Excel programı yüklü değil.</translation>
    </message>
    <message>
        <source>Cannot find Microsoft PowerPoint On This Computer.</source>
        <translation>Bilgisayarınızda Power Point programı yüklü değil.</translation>
    </message>
    <message>
        <source>Cannot find Adobe Acrobat On This Computer.</source>
        <translation>Bilgisayarınızda Adobe Acrobat programı yüklü değil.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Cannot find an appropriate program On This Computer.</source>
        <translation>Bilgisayarınızda dosyayı açmak için uygun bir program bulunamadı.</translation>
    </message>
    <message>
        <source>The Subject field cannot be blank. The record will be named as Unnamed.</source>
        <translation>Konu alanı boş bırakılamaz. Kayıt Konusuz olarak tanımlanacak.</translation>
    </message>
    <message>
        <source>Unnamed</source>
        <translation>Konusuz</translation>
    </message>
    <message>
        <source>Record Saved</source>
        <translation>Kayıt Yapıldı</translation>
    </message>
    <message>
        <source>Record Updated</source>
        <translation>Kayıt Güncellendi</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>UYARI</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Yaptığınız değişiklikleri kaydetmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>Record Update</source>
        <translation>Kayıt Düzeltme</translation>
    </message>
    <message>
        <source>The file cannot be found; it may have been moved or deleted:
%1</source>
        <translation>Dosya bulunamıyor; taşınmış ya da silinmiş olabilir:
%1</translation>
    </message>
    <message>
        <source>Files cannot be opened: the desktop&apos;s opener xdg-open is not installed (Debian package xdg-utils).</source>
        <translation>Dosyalar açılamıyor: masaüstünün dosya açıcısı xdg-open kurulu değil (Debian paketi xdg-utils).</translation>
    </message>
</context>
<context>
    <name>DiaryPeriods</name>
    <message>
        <source>All Records</source>
        <translation>Tüm Kayıtlar</translation>
    </message>
    <message>
        <source>selected date</source>
        <translation>tarihine eşit</translation>
    </message>
    <message>
        <source>selected year</source>
        <translation>yılına eşit</translation>
    </message>
    <message>
        <source>selected year and before</source>
        <translation>yılı ve öncesi</translation>
    </message>
    <message>
        <source>selected and after</source>
        <translation>yılı ve sonrası</translation>
    </message>
</context>
<context>
    <name>Directory</name>
    <message>
        <source>Record Deleted</source>
        <translation>Kayıt silindi.</translation>
    </message>
    <message>
        <source>The record could not be deleted:
%1</source>
        <translation>Kayıt silinemedi:
%1</translation>
    </message>
    <message>
        <source>The directory could not be read:
%1</source>
        <translation>Rehber okunamadı:
%1</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>This entry is no longer in the directory: another program has changed or deleted it. Nothing was changed.</source>
        <translation>Bu kayıt rehberde artık yok: başka bir program onu değiştirmiş ya da silmiş. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Uyarı!</translation>
    </message>
    <message>
        <source>This name  already exists. Do you want to replace it?</source>
        <translation>Yazdığınız isim zaten rehberde kayıtlı. Üstüne kayıt yapılsın mı?</translation>
    </message>
    <message>
        <source>The Name field cannot be blank. The record is not saved.</source>
        <translation>İsim alanı boş bırakılamaz. Kayıt yapılmadı.</translation>
    </message>
    <message>
        <source>Record Saved</source>
        <translation>Kayıt Yapıldı</translation>
    </message>
    <message>
        <source>Record Updated</source>
        <translation>Kayıt Güncellendi</translation>
    </message>
    <message>
        <source>The record could not be saved:
%1</source>
        <translation>Kayıt yapılamadı:
%1</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Çevir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>%1 cannot be opened: there is no such device. Check that the modem is plugged in, or choose another port.</source>
        <translation>%1 açılamıyor: böyle bir aygıt yok. Modemin takılı olduğunu denetleyin ya da başka bir port seçin.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: another program is using it. Close that program, or choose another port.</source>
        <translation>%1 açılamıyor: başka bir program onu kullanıyor. O programı kapatın ya da başka bir port seçin.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: you may not use it. Add yourself to the dialout group (sudo adduser $USER dialout), then log out and in again.</source>
        <translation>%1 açılamıyor: kullanma izniniz yok. Kendinizi dialout grubuna ekleyin (sudo adduser $USER dialout), sonra oturumu kapatıp yeniden açın.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 açılamıyor: %2</translation>
    </message>
    <message>
        <source>Please pick up the phone and press OK.</source>
        <translation>Lütfen telefonu açın ve Tamam tuşuna basın.</translation>
    </message>
    <message>
        <source>The modem did not answer, so the call was cancelled. Check that the modem is connected and switched on, and that the COM port is the right one.</source>
        <translation>Modem yanıt vermedi; arama iptal edildi. Modemin bağlı ve açık olduğunu, COM port ayarının doğru olduğunu denetleyin.</translation>
    </message>
    <message>
        <source>%1 – dialling on %2, waiting for the modem to answer OK</source>
        <translation>%1 – %2 üzerinden aranıyor, modemin yanıtı (OK) bekleniyor</translation>
    </message>
    <message>
        <source>The number is busy (BUSY).</source>
        <translation>Aranan numara meşgul (BUSY).</translation>
    </message>
    <message>
        <source>No dial tone: is the telephone line plugged into the modem? (NO DIALTONE)</source>
        <translation>Çevir sesi yok: telefon hattı modeme takılı mı? (NO DIALTONE)</translation>
    </message>
    <message>
        <source>The call could not be made (NO CARRIER).</source>
        <translation>Arama kurulamadı (NO CARRIER).</translation>
    </message>
    <message>
        <source>The number did not answer (NO ANSWER).</source>
        <translation>Aranan numara cevap vermedi (NO ANSWER).</translation>
    </message>
    <message>
        <source>The modem refused the dial command (ERROR).</source>
        <translation>Modem çevirme komutunu kabul etmedi (ERROR).</translation>
    </message>
    <message>
        <source>The COM port choice could not be saved:
%1</source>
        <translation>COM port seçimi kaydedilemedi:
%1</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Folder</source>
        <translation>Klasör</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>%1 file</source>
        <comment>a file&apos;s kind by its name&apos;s ending</comment>
        <translation>%1 dosyası</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The window “%1” holds unsaved changes.
%2</source>
        <translation>«%1» penceresinde kaydedilmemiş değişiklikler var.
%2</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation>Kaydetme</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <comment>month</comment>
        <translation>Ocak</translation>
    </message>
    <message>
        <source>February</source>
        <comment>month</comment>
        <translation>Şubat</translation>
    </message>
    <message>
        <source>March</source>
        <comment>month</comment>
        <translation>Mart</translation>
    </message>
    <message>
        <source>April</source>
        <comment>month</comment>
        <translation>Nisan</translation>
    </message>
    <message>
        <source>May</source>
        <comment>month</comment>
        <translation>Mayıs</translation>
    </message>
    <message>
        <source>June</source>
        <comment>month</comment>
        <translation>Haziran</translation>
    </message>
    <message>
        <source>July</source>
        <comment>month</comment>
        <translation>Temmuz</translation>
    </message>
    <message>
        <source>August</source>
        <comment>month</comment>
        <translation>Ağustos</translation>
    </message>
    <message>
        <source>September</source>
        <comment>month</comment>
        <translation>Eylül</translation>
    </message>
    <message>
        <source>October</source>
        <comment>month</comment>
        <translation>Ekim</translation>
    </message>
    <message>
        <source>November</source>
        <comment>month</comment>
        <translation>Kasım</translation>
    </message>
    <message>
        <source>December</source>
        <comment>month</comment>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>JANUARY</source>
        <comment>month in capitals</comment>
        <translation>OCAK</translation>
    </message>
    <message>
        <source>FEBRUARY</source>
        <comment>month in capitals</comment>
        <translation>ŞUBAT</translation>
    </message>
    <message>
        <source>MARCH</source>
        <comment>month in capitals</comment>
        <translation>MART</translation>
    </message>
    <message>
        <source>APRIL</source>
        <comment>month in capitals</comment>
        <translation>NİSAN</translation>
    </message>
    <message>
        <source>MAY</source>
        <comment>month in capitals</comment>
        <translation>MAYIS</translation>
    </message>
    <message>
        <source>JUN</source>
        <comment>month in capitals</comment>
        <translation>HAZİRAN</translation>
    </message>
    <message>
        <source>JULY</source>
        <comment>month in capitals</comment>
        <translation>TEMMUZ</translation>
    </message>
    <message>
        <source>AUGUST</source>
        <comment>month in capitals</comment>
        <translation>AĞUSTOS</translation>
    </message>
    <message>
        <source>SEPTEMBER</source>
        <comment>month in capitals</comment>
        <translation>EYLÜL</translation>
    </message>
    <message>
        <source>OCTOBER</source>
        <comment>month in capitals</comment>
        <translation>EKİM</translation>
    </message>
    <message>
        <source>NOVEMBER</source>
        <comment>month in capitals</comment>
        <translation>KASIM</translation>
    </message>
    <message>
        <source>DECEMBER</source>
        <comment>month in capitals</comment>
        <translation>ARALIK</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>The note could not be read:
%1</source>
        <translation>Not okunamadı:
%1</translation>
    </message>
    <message>
        <source>%1
is too large for the notebook; the file is left as it is.</source>
        <translation>%1
not defteri için çok büyük; dosya olduğu gibi bırakıldı.</translation>
    </message>
    <message>
        <source>%1
has been changed by another program since the note was opened. Which one should stay?</source>
        <translation>%1
not açıldıktan sonra başka bir program tarafından değiştirildi. Hangisi kalsın?</translation>
    </message>
    <message>
        <source>Keep mine</source>
        <translation>Benimkini kaydet</translation>
    </message>
    <message>
        <source>Take the file&apos;s</source>
        <translation>Dosyadakini al</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>The note could not be saved:
%1</source>
        <translation>Not kaydedilemedi:
%1</translation>
    </message>
    <message>
        <source>Record Saved</source>
        <translation>Kayıt Yapıldı</translation>
    </message>
</context>
<context>
    <name>OldDatabases</name>
    <message>
        <source>%1: %2 entries carried over. The original is kept as:
%3</source>
        <translation>%1: %2 kayıt aktarıldı. Asıl dosya şurada saklanıyor:
%3</translation>
    </message>
    <message>
        <source>The databases of the older release have been carried over.

%1</source>
        <translation>Eski sürümün veritabanları aktarıldı.

%1</translation>
    </message>
    <message>
        <source>A database of the older release could not be carried over. The original was left untouched; Velkor goes on without it.

%1</source>
        <translation>Eski sürümün veritabanı aktarılamadı. Asıl dosyaya dokunulmadı; Velkor onsuz çalışmaya devam ediyor.

%1</translation>
    </message>
</context>
<context>
    <name>PlanQuery</name>
    <message>
        <source>Today</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>All Records</source>
        <translation>Tüm Planlar</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Listeyi Boşalt</translation>
    </message>
    <message>
        <source>WARNING!</source>
        <translation>UYARI!</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all your plans?</source>
        <translation>Tüm planlarınızı silmek istediğinizden emin misiniz?</translation>
    </message>
</context>
<context>
    <name>Plans</name>
    <message>
        <source>These plans are no longer in the plan file (another program may have changed it):

%1

No other plan was deleted; the list shows the file as it is now.</source>
        <translation>Şu planlar artık plan dosyasında yok (başka bir program değiştirmiş olabilir):

%1

Başka plan silinmedi; liste dosyadan yenilendi.</translation>
    </message>
    <message>
        <source>The plan you edited is no longer in the plan file (another program may have changed it). What you typed was stored as a new plan.</source>
        <translation>Düzeltilen plan artık plan dosyasında yok (başka bir program değiştirmiş olabilir). Yazdıklarınız yeni bir plan olarak kaydedildi.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Velkor cannot start:
neither %1 nor the user&apos;s data folder can be written.</source>
        <translation>Velkor başlatılamıyor:
ne %1 ne de kullanıcının veri klasörü yazılabiliyor.</translation>
    </message>
    <message>
        <source>its symbolic links lead round in a loop</source>
        <translation>sembolik bağlantıları bir döngü oluşturuyor</translation>
    </message>
    <message>
        <source>could not be copied to %1: %2</source>
        <translation>%1 klasörüne kopyalanamadı: %2</translation>
    </message>
    <message>
        <source>cannot be written: its symbolic links lead round in a loop.</source>
        <translation>yazılamıyor: sembolik bağlantıları bir döngü oluşturuyor.</translation>
    </message>
    <message>
        <source>is a folder, not a data file.</source>
        <translation>bir klasör, veri dosyası değil.</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>okunamıyor: %1</translation>
    </message>
    <message>
        <source>is not a data file.</source>
        <translation>bir veri dosyası değil.</translation>
    </message>
    <message>
        <source>cannot be written: %1</source>
        <translation>yazılamıyor: %1</translation>
    </message>
    <message>
        <source>cannot be saved: %1</source>
        <translation>kaydedilemiyor: %1</translation>
    </message>
    <message>
        <source>cannot be opened: %1</source>
        <translation>açılamıyor: %1</translation>
    </message>
    <message>
        <source>is in use by another program. Please try again when it has finished.</source>
        <translation>başka bir program tarafından kullanılıyor. Lütfen o işini bitirince yeniden deneyin.</translation>
    </message>
    <message>
        <source>cannot be changed: the file is read-only.</source>
        <translation>değiştirilemiyor: dosya salt okunur.</translation>
    </message>
    <message>
        <source>could not be read or written (input/output error).</source>
        <translation>okunamadı ya da yazılamadı (giriş/çıkış hatası).</translation>
    </message>
    <message>
        <source>is damaged and cannot be used as a database.</source>
        <translation>bozuk; veritabanı olarak kullanılamıyor.</translation>
    </message>
    <message>
        <source>cannot be written: the disk is full. Nothing was changed.</source>
        <translation>yazılamıyor: disk dolu. Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>cannot be opened.</source>
        <translation>açılamıyor.</translation>
    </message>
    <message>
        <source>failed with an unknown database error.</source>
        <translation>bilinmeyen bir veritabanı hatası verdi.</translation>
    </message>
    <message>
        <source>is a folder, not a database.</source>
        <translation>bir klasör, veritabanı değil.</translation>
    </message>
    <message>
        <source>is not a database this version of Velkor can use (it may come from an older release). It has been left unchanged.</source>
        <translation>Velkor&apos;un bu sürümünün kullanabileceği bir veritabanı değil (eski bir sürümden kalmış olabilir). Dosyaya dokunulmadı.</translation>
    </message>
    <message>
        <source>cannot be changed: %1</source>
        <translation>değiştirilemiyor: %1</translation>
    </message>
    <message>
        <source>holds no diary entry number %1 any more; nothing was saved.</source>
        <translation>artık %1 numaralı günlük kaydını içermiyor; hiçbir şey kaydedilmedi.</translation>
    </message>
    <message>
        <source>cannot be found. Nothing was deleted.</source>
        <translation>bulunamıyor. Hiçbir şey silinmedi.</translation>
    </message>
    <message>
        <source>the reader stopped after %1 s.</source>
        <translation>okuyucu %1 saniye sonra durduruldu.</translation>
    </message>
    <message>
        <source>the reader stopped after %1 s of processor time.</source>
        <translation>okuyucu %1 saniyelik işlemci süresinden sonra durduruldu.</translation>
    </message>
    <message>
        <source>the reader stopped at its memory limit of %1 MB.</source>
        <translation>okuyucu %1 MB bellek sınırında durduruldu.</translation>
    </message>
    <message>
        <source>the reader crashed on it.</source>
        <translation>okuyucu bu dosyada çöktü.</translation>
    </message>
    <message>
        <source>the reader ended with status %1.</source>
        <translation>okuyucu %1 durumuyla sona erdi.</translation>
    </message>
    <message>
        <source>the reader gave back records Velkor cannot take.</source>
        <translation>okuyucu Velkor&apos;un alamayacağı kayıtlar verdi.</translation>
    </message>
    <message>
        <source>the reader could not be started: %1</source>
        <translation>okuyucu başlatılamadı: %1</translation>
    </message>
    <message>
        <source>Velkor was closing.</source>
        <translation>Velkor kapanıyordu.</translation>
    </message>
    <message>
        <source>cannot be found.</source>
        <translation>bulunamıyor.</translation>
    </message>
    <message>
        <source>is a folder, not a file.</source>
        <translation>bir klasör, dosya değil.</translation>
    </message>
    <message>
        <source>is a named pipe, not a file: only files are read.</source>
        <translation>adlandırılmış bir boru, dosya değil: yalnızca dosyalar okunur.</translation>
    </message>
    <message>
        <source>is a socket, not a file: only files are read.</source>
        <translation>bir soket, dosya değil: yalnızca dosyalar okunur.</translation>
    </message>
    <message>
        <source>is a device, not a file: only files are read.</source>
        <translation>bir aygıt, dosya değil: yalnızca dosyalar okunur.</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <translation>okunamadı: %1</translation>
    </message>
    <message>
        <source>has no table named %1.</source>
        <translation>%1 adlı bir tablo içermiyor.</translation>
    </message>
    <message>
        <source>could not be kept as %1: %2</source>
        <translation>%1 olarak saklanamadı: %2</translation>
    </message>
    <message>
        <source>changed while it was being carried over.</source>
        <translation>aktarılırken değişti.</translation>
    </message>
    <message>
        <source>could not be replaced by the new database: %1</source>
        <translation>yeni veritabanıyla değiştirilemedi: %1</translation>
    </message>
    <message>
        <source>holds no table named %1.</source>
        <translation>%1 adlı bir tablo içermiyor.</translation>
    </message>
    <message>
        <source>has no column %1 in its table %2.</source>
        <translation>%2 tablosunda %1 sütunu yok.</translation>
    </message>
    <message>
        <source>could not be carried over:
%1</source>
        <translation>aktarılamadı:
%1</translation>
    </message>
    <message>
        <source>could not be carried over: the new database holds %1 rows, the original %2.</source>
        <translation>aktarılamadı: yeni veritabanında %1 satır var, asıl dosyada %2.</translation>
    </message>
    <message>
        <source>could not be carried over: row %1 of the new database differs from the original.</source>
        <translation>aktarılamadı: yeni veritabanının %1. satırı asıl dosyadakinden farklı.</translation>
    </message>
    <message>
        <source>is damaged or encrypted and cannot be read.</source>
        <translation>bozuk ya da şifreli; okunamıyor.</translation>
    </message>
    <message>
        <source>is not an Access database.</source>
        <translation>bir Access veritabanı değil.</translation>
    </message>
    <message>
        <source>No database is open.</source>
        <translation>Açık bir veritabanı yok.</translation>
    </message>
    <message>
        <source>is damaged: %1 of the %2 rows of its table %3 could be read.</source>
        <translation>bozuk: %3 tablosunun %2 satırından yalnızca %1 tanesi okunabildi.</translation>
    </message>
    <message>
        <source>%1
could not be restored from %2.</source>
        <translation>%1
%2 dosyasından geri getirilemedi.</translation>
    </message>
    <message>
        <source>does not hold a time Velkor can use.</source>
        <translation>Velkor&apos;un kullanabileceği bir zaman içermiyor.</translation>
    </message>
    <message>
        <source>%1
cannot be created.</source>
        <translation>%1
oluşturulamıyor.</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>In an hour</source>
        <translation>Bir saat sonra</translation>
    </message>
    <message>
        <source>In %1 hours</source>
        <translation>%1 saat sonra</translation>
    </message>
    <message>
        <source>In %1 minutes</source>
        <translation>%1 dakika sonra</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Sonra</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>Plans</source>
        <translation>Planlar</translation>
    </message>
    <message>
        <source>%1 plans fell due:</source>
        <translation>Zamanı gelen %1 plan:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>The reminder could not be put off, so it will not come again:

%1</source>
        <translation>Hatırlatma ertelenemedi, bu yüzden yeniden gelmeyecek:

%1</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <source>Synced: %1 changes came in, %2 went out, %3 conflicts (both versions kept).</source>
        <translation>Eşitlendi: %1 değişiklik geldi, %2 değişiklik gitti, %3 çakışma (iki sürüm de saklandı).</translation>
    </message>
    <message>
        <source>Left on the server, not a plan (%1): %2 %3</source>
        <translation>Sunucuda bırakıldı, plan değil (%1): %2 %3</translation>
    </message>
    <message>
        <source>Left on the server, not understood: %1</source>
        <translation>Sunucuda bırakıldı, anlaşılamadı: %1</translation>
    </message>
    <message>
        <source>The collection %1 is no longer on the server; nothing here was deleted. Set the account up again.</source>
        <translation>%1 koleksiyonu artık sunucuda yok; burada hiçbir şey silinmedi. Hesabı yeniden kurun.</translation>
    </message>
    <message>
        <source>The server did not answer: %1. Nothing is lost; the next sync goes on from here.</source>
        <translation>Sunucu yanıt vermedi: %1. Hiçbir şey kaybolmadı; sonraki eşitleme buradan sürer.</translation>
    </message>
    <message>
        <source>The server refused the sync (HTTP %1). Nothing is lost; the next sync goes on from here.</source>
        <translation>Sunucu eşitlemeyi reddetti (HTTP %1). Hiçbir şey kaybolmadı; sonraki eşitleme buradan sürer.</translation>
    </message>
    <message>
        <source>The server did not accept the user name or the password.</source>
        <translation>Sunucu kullanıcı adını ya da parolayı kabul etmedi.</translation>
    </message>
    <message>
        <source>The sync stopped before deleting many items; nothing was changed.</source>
        <translation>Eşitleme çok sayıda kaydı silmeden önce durdu; hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>The server no longer holds %1 of the %2 items kept here. Delete them here too?</source>
        <translation>Burada tutulan %2 kaydın %1 tanesi artık sunucuda yok. Burada da silinsin mi?</translation>
    </message>
    <message>
        <source>%1 of the %2 items on the server were deleted here. Delete them on the server too?</source>
        <translation>Sunucudaki %2 kaydın %1 tanesi burada silindi. Sunucuda da silinsin mi?</translation>
    </message>
    <message>
        <source>No sync account is set up for this data folder.</source>
        <translation>Bu veri klasörü için kurulmuş bir eşitleme hesabı yok.</translation>
    </message>
    <message>
        <source>The server offers no calendar for plans and none could be made.</source>
        <translation>Sunucuda planlar için bir takvim yok ve oluşturulamadı.</translation>
    </message>
    <message>
        <source>The server&apos;s calendar does not take journal entries: the diary is not synced.</source>
        <translation>Sunucunun takvimi günlük kayıtlarını kabul etmiyor: günlük eşitlenmedi.</translation>
    </message>
    <message>
        <source>The account is set up: plans in %1, the directory in %2.</source>
        <translation>Hesap kuruldu: planlar %1 içinde, rehber %2 içinde.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 yazılamadı: %2</translation>
    </message>
    <message>
        <source>%1 attached files were named in the diary on the server but not carried (larger than %2 KB or unreadable): %3</source>
        <translation>Sunucudaki günlükte %1 ekli dosyanın yalnızca adı yazıldı, kendisi taşınmadı (%2 KB&apos;tan büyük ya da okunamıyor): %3</translation>
    </message>
</context>
<context>
    <name>TimeSlots</name>
    <message>
        <source>none</source>
        <comment>the time list&apos;s entry for a plan without a time</comment>
        <translation>yok</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>once only</source>
        <translation>bir kez</translation>
    </message>
    <message>
        <source>daily</source>
        <translation>her gün</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>her hafta</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>her ay</translation>
    </message>
    <message>
        <source>yearly on a moving day</source>
        <translation>her yıl başka bir gün</translation>
    </message>
    <message>
        <source>not every year</source>
        <translation>her yıl değil</translation>
    </message>
    <message>
        <source>yearly until a set end</source>
        <translation>belli bir yıla dek</translation>
    </message>
    <message>
        <source>a change to one occurrence</source>
        <translation>bir tekrarın değişikliği</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>tarihi yok</translation>
    </message>
    <message>
        <source>Imported %1 plans and %2 diary entries.</source>
        <translation>%1 plan ve %2 günlük kaydı alındı.</translation>
    </message>
    <message>
        <source> Left out %1 events that are not yearly.</source>
        <translation> Yıllık olmayan %1 etkinlik alınmadı.</translation>
    </message>
    <message>
        <source> %1 were already there.</source>
        <translation> %1 kayıt zaten vardı.</translation>
    </message>
    <message>
        <source>Exported %1 plans and %2 diary entries to %3.</source>
        <translation>%1 plan ve %2 günlük kaydı %3 dosyasına yazıldı.</translation>
    </message>
    <message>
        <source> Left out %1 plans for days no calendar has.</source>
        <translation> Takvimde olmayan bir güne ait %1 plan yazılmadı.</translation>
    </message>
    <message>
        <source>%1 is not an iCalendar file; nothing was imported.</source>
        <translation>%1 bir iCalendar dosyası değil; hiçbir şey alınmadı.</translation>
    </message>
    <message>
        <source>%1 is cut short (its calendar never ends); nothing was imported.</source>
        <translation>%1 yarıda kesilmiş (takvimin sonu yok); hiçbir şey alınmadı.</translation>
    </message>
    <message>
        <source>%1 is %2 MB; Velkor imports calendars of up to %3 MB. Nothing was imported.</source>
        <translation>%1 %2 MB; Velkor en çok %3 MB büyüklüğünde takvim alır. Hiçbir şey alınmadı.</translation>
    </message>
    <message>
        <source>Line %2 of %1 is longer than %3 MB; Velkor does not read such calendars. Nothing was imported.</source>
        <translation>%1 dosyasının %2. satırı %3 MB&apos;tan uzun; Velkor böyle takvimleri okumaz. Hiçbir şey alınmadı.</translation>
    </message>
    <message>
        <source>%1 nests its components deeper than %3 levels at line %2; nothing was imported.</source>
        <translation>%1 dosyasında %2. satırda %3 kattan derin iç içe bileşenler var; hiçbir şey alınmadı.</translation>
    </message>
    <message>
        <source>Velkor is busy with another import or export; try again in a moment.</source>
        <translation>Velkor başka bir aktarımla meşgul; biraz sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 okunamadı: %2</translation>
    </message>
    <message>
        <source>%1 uses a character set Velkor does not know (%2); nothing was imported.</source>
        <translation>%1 tanınmayan bir karakter kümesi kullanıyor (%2); hiçbir şey alınmadı.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 yazılamadı: %2</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Hiçbir şey alınmadı: %1</translation>
    </message>
    <message>
        <source>%1 is neither a calendar (.ics) nor a contacts (.vcf) file.</source>
        <translation>%1 ne takvim (.ics) ne de rehber (.vcf) dosyası.</translation>
    </message>
    <message>
        <source>Events Left Out</source>
        <translation>Alınmayan Etkinlikler</translation>
    </message>
    <message>
        <source>A plan falls on the same day every year; these events cannot be plans:</source>
        <translation>Planlar her yıl aynı gündedir; aşağıdaki etkinlikler plan olamaz:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Etkinlik</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Neden</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>İçe Aktar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Dışa Aktar</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics *.ical *.ifb)</source>
        <translation>iCalendar dosyaları (*.ics *.ical *.ifb)</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard)</source>
        <translation>vCard dosyaları (*.vcf *.vcard)</translation>
    </message>
</context>
<context>
    <name>Weekdays</name>
    <message>
        <source>Su</source>
        <comment>Sunday</comment>
        <translation>Pz</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Saturday</comment>
        <translation>Ct</translation>
    </message>
    <message>
        <source>F</source>
        <comment>Friday</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>T</source>
        <comment>Thursday</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>W</source>
        <comment>Wednesday</comment>
        <translation>Ç</translation>
    </message>
    <message>
        <source>Tu</source>
        <comment>Tuesday</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>M</source>
        <comment>Monday</comment>
        <translation>Pt</translation>
    </message>
</context>
<context>
    <name>velkor::TransferButton</name>
    <message>
        <source>Import/Export</source>
        <translation>İçe/Dışa Aktar</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>İçe Aktar…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Dışa Aktar…</translation>
    </message>
</context>
<context>
    <name>velkor::calendar::DayGrid</name>
    <message>
        <source>Empty day</source>
        <translation>Boş gün</translation>
    </message>
</context>
<context>
    <name>velkor::calendar::MonthBrowserWindow</name>
    <message>
        <source>Previous month</source>
        <translation>Önceki ay</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Sonraki ay</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Önceki yıl</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Sonraki yıl</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Gizle</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Yıl</translation>
    </message>
</context>
<context>
    <name>velkor::calendar::MonthCalendarWindow</name>
    <message>
        <source>Other months</source>
        <translation>Diğer aylar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>velkor::diary::DiaryBrowserWindow</name>
    <message>
        <source>Daily</source>
        <translation>Günlük</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Subjects</source>
        <translation>Konular</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Konu</translation>
    </message>
    <message>
        <source> Double click the subjects to read the subject content...</source>
        <translation> Konu detayını okumak için konu başlığı üzerine çift tıklayın...</translation>
    </message>
    <message>
        <source> Files</source>
        <translation> Dosyalar</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Yeni Ekle</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Değiştir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Dönem</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Yıl</translation>
    </message>
    <message>
        <source>Change year</source>
        <translation>Yılı değiştir</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Subject detail</source>
        <translation>Konu detayı</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>İçerik</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dosyalar</translation>
    </message>
</context>
<context>
    <name>velkor::diary::DiaryEditorWindow</name>
    <message>
        <source>Add Record</source>
        <translation>Kayıt Ekleme</translation>
    </message>
    <message>
        <source>Edit Record</source>
        <translation>Kayıt Düzeltme</translation>
    </message>
    <message>
        <source>                 Date</source>
        <translation>                   Tarih</translation>
    </message>
    <message>
        <source>              Subject</source>
        <translation>                   Konu</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Detay</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dosyalar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Dosya Ekle</translation>
    </message>
    <message>
        <source>Remove File</source>
        <translation>Dosya Çıkar</translation>
    </message>
    <message>
        <source>Undo Changes</source>
        <translation>Değişiklikleri Geri Al</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Yıl</translation>
    </message>
    <message>
        <source>Change year</source>
        <translation>Yılı değiştir</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Konu</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tüm dosyalar (*)</translation>
    </message>
</context>
<context>
    <name>velkor::directory::DirectoryEditorWindow</name>
    <message>
        <source>Record</source>
        <translation>Kayıt</translation>
    </message>
    <message>
        <source>Name</source>
        <translation> İsim</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation> Telefon</translation>
    </message>
    <message>
        <source>Address</source>
        <translation> Adres</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
</context>
<context>
    <name>velkor::directory::DirectoryWindow</name>
    <message>
        <source>Directory</source>
        <translation>Rehber</translation>
    </message>
    <message>
        <source>Search: </source>
        <translation>Ara: </translation>
    </message>
    <message>
        <source> Double click to edit...</source>
        <translation> Düzeltmek için çift tıklayın...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>İsimler</translation>
    </message>
    <message>
        <source>Chosen name</source>
        <translation>Seçilen isim</translation>
    </message>
    <message>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Modem port</source>
        <translation>Modem portu</translation>
    </message>
</context>
<context>
    <name>velkor::directory::ModemDialer</name>
    <message>
        <source>No serial port is available.</source>
        <translation>Kullanılabilir seri port yok.</translation>
    </message>
</context>
<context>
    <name>velkor::notebook::NotebookWindow</name>
    <message>
        <source>Notebook</source>
        <translation>Not Defteri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Undo Changes</source>
        <translation>Değişiklikleri Geri Al</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Not</translation>
    </message>
</context>
<context>
    <name>velkor::plans::PlanEntryWindow</name>
    <message>
        <source>Edit Record</source>
        <translation>Kayıt Düzeltme</translation>
    </message>
    <message>
        <source>Add Record</source>
        <translation>Kayıt Ekleme</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Gün</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Ay</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Click to choose an hour (click again to hide the box)</source>
        <translation>Saat seçmek için tıklayın (bir daha tıklamak kutuyu gizler)</translation>
    </message>
    <message>
        <source>Show or hide the hour</source>
        <translation>Saati göster veya gizle</translation>
    </message>
    <message>
        <source>Record text</source>
        <translation>Kayıt metni</translation>
    </message>
</context>
<context>
    <name>velkor::plans::PlanQueryWindow</name>
    <message>
        <source>Record Query</source>
        <translation>Kayıt Sorgulama</translation>
    </message>
    <message>
        <source>      Date    Hour    Record</source>
        <translation>     Tarih    Saat    Kayıt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Düzelt</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detay</translation>
    </message>
    <message>
        <source>Delete Selected</source>
        <translation>Seçilenleri Sil</translation>
    </message>
    <message>
        <source>Delete All Records</source>
        <translation>Tüm Kayıtları Sil</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Detail panel</source>
        <translation>Detay paneli</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Aylar</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Kayıtlar</translation>
    </message>
    <message>
        <source>Record text</source>
        <translation>Kayıt metni</translation>
    </message>
</context>
<context>
    <name>velkor::shell::AboutWindow</name>
    <message>
        <source>About Velkor</source>
        <translation>Velkor Hakkında</translation>
    </message>
</context>
<context>
    <name>velkor::shell::HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
</context>
<context>
    <name>velkor::shell::MainForm</name>
    <message>
        <source>Calendar</source>
        <translation>Takvim</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Kayıtlar</translation>
    </message>
    <message>
        <source>Plans</source>
        <translation>Planlar</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Günlük</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Rehber</translation>
    </message>
    <message>
        <source>Notebook</source>
        <translation>Not Defteri</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Dil</source>
        <comment>the language menu, in the other language</comment>
        <translation>Language</translation>
    </message>
    <message>
        <source>Türkçe</source>
        <comment>in the other language</comment>
        <translation>Turkish</translation>
    </message>
    <message>
        <source>İngilizce</source>
        <comment>in the other language</comment>
        <translation>English</translation>
    </message>
    <message>
        <source>Close menu</source>
        <translation>Menüyü Kapat</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Programı Kapat</translation>
    </message>
    <message>
        <source>Velkor cannot start:
%1</source>
        <translation>Velkor başlatılamıyor:
%1</translation>
    </message>
    <message>
        <source>Velkor runs, but cannot keep its bookkeeping:

%1</source>
        <translation>Velkor çalışıyor, ama kendi kayıtlarını tutamıyor:

%1</translation>
    </message>
    <message>
        <source>Velkor could not be set to start at login:
%1</source>
        <translation>Velkor oturum açılışında başlayacak biçimde ayarlanamadı:
%1</translation>
    </message>
    <message>
        <source>The exit time could not be saved:
%1</source>
        <translation>Çıkış zamanı kaydedilemedi:
%1</translation>
    </message>
    <message>
        <source>Sync (the last one failed)</source>
        <translation>Eşitleme (sonuncusu olmadı)</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Eşitleme</translation>
    </message>
</context>
<context>
    <name>velkor::shell::PageWindow</name>
    <message>
        <source>page cannot be read</source>
        <translation>sayfa okunamıyor</translation>
    </message>
    <message>
        <source>page not found</source>
        <translation>sayfa bulunamadı</translation>
    </message>
</context>
<context>
    <name>velkor::shell::SyncService</name>
    <message>
        <source>Sync</source>
        <translation>Eşitleme</translation>
    </message>
    <message>
        <source>No keyring answers on this desktop. The password for %1:</source>
        <translation>Bu masaüstünde yanıt veren bir anahtarlık yok. %1 için parola:</translation>
    </message>
    <message>
        <source>The password is not in the keyring: enter it in the sync window.</source>
        <translation>Parola anahtarlıkta yok: eşitleme penceresinde girin.</translation>
    </message>
</context>
<context>
    <name>velkor::sync_ui::SyncWindow</name>
    <message>
        <source>Sync</source>
        <translation>Eşitleme</translation>
    </message>
    <message>
        <source>&amp;Server address:</source>
        <translation>&amp;Sunucu adresi:</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Kullanıcı adı:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Parola:</translation>
    </message>
    <message>
        <source>P&amp;lans:</source>
        <translation>P&amp;lanlar:</translation>
    </message>
    <message>
        <source>&amp;Diary:</source>
        <translation>&amp;Günlük:</translation>
    </message>
    <message>
        <source>Di&amp;rectory:</source>
        <translation>&amp;Rehber:</translation>
    </message>
    <message>
        <source>&amp;Check account</source>
        <translation>&amp;Hesabı denetle</translation>
    </message>
    <message>
        <source>Sync &amp;now</source>
        <translation>Şimdi &amp;eşitle</translation>
    </message>
    <message>
        <source>S&amp;top syncing</source>
        <translation>Eşitlemeyi &amp;bırak</translation>
    </message>
    <message>
        <source>Velkor&apos;s own, made on the server</source>
        <translation>Velkor&apos;un kendi, sunucuda açılır</translation>
    </message>
    <message>
        <source>kept in the keyring</source>
        <translation>anahtarlıkta saklı</translation>
    </message>
    <message>
        <source>The account could not be checked: %1</source>
        <translation>Hesap denetlenemedi: %1</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Eşitleniyor…</translation>
    </message>
    <message>
        <source>Choose where plans, diary and directory go, then sync.</source>
        <translation>Planların, günlüğün ve rehberin nereye gideceğini seçin, sonra eşitleyin.</translation>
    </message>
    <message>
        <source>Not syncing. Enter the server&apos;s address, your user name and password, and check the account.</source>
        <translation>Eşitleme yok. Sunucunun adresini, kullanıcı adınızı ve parolanızı girin, sonra hesabı denetleyin.</translation>
    </message>
    <message>
        <source>Not synced yet.</source>
        <translation>Henüz eşitlenmedi.</translation>
    </message>
    <message>
        <source>Last sync %1: %2</source>
        <translation>Son eşitleme %1: %2</translation>
    </message>
    <message>
        <source>The last sync, %1, did not work: %2</source>
        <translation>Son eşitleme, %1, olmadı: %2</translation>
    </message>
    <message>
        <source>Enter the server&apos;s address (https://…) and your user name.</source>
        <translation>Sunucunun adresini (https://…) ve kullanıcı adınızı girin.</translation>
    </message>
    <message>
        <source>Stop syncing with %1? Velkor forgets the account and its password; every plan, diary entry and contact stays here as it is.</source>
        <translation>%1 ile eşitleme bırakılsın mı? Velkor hesabı ve parolasını unutur; her plan, günlük kaydı ve kişi burada olduğu gibi kalır.</translation>
    </message>
    <message>
        <source>kept until Velkor ends: no keyring answers</source>
        <translation>Velkor kapanana dek tutulur (anahtarlık yok)</translation>
    </message>
</context>
</TS>
