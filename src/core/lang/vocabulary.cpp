#include "core/lang/vocabulary.h"

namespace velkor::lang {

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QStringList list(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* item : items)
        out.append(s(item));
    return out;
}

} // namespace

const QList<int>& switchOrder() {
    static const QList<int> order{1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    return order;
}

const QList<Caption>& captions(int code) {
    static const QList<Caption> mainMenu{
        {s("tkvm"), s("Takvim"), s("Calendar")},
        {s("plnlr"), s("Kayıtlar"), s("Records")},
        {s("gnlk"), s("Günlük"), s("Daily")},
        {s("rhbr"), s("Rehber"), s("Directory")},
        {s("ntd"), s("Not Defteri"), s("Notebook")},
        {s("hlp"), s("Yardım"), s("Help")},
        {s("about"), s("Hakkında"), s("About")},
        {s("Lngg"), s("Language"), s("Dil")},
        {s("trk"), s("Turkish"), s("Türkçe")},
        {s("eng"), s("English"), s("İngilizce")},
        {s("mkpt"), s("Menüyü Kapat"), s("Close menu")},
        {s("kpt"), s("Programı Kapat"), s("Exit program")},
    };
    static const QList<Caption> planEntry{
        {s("Label1"), s("Gün"), s("Day")},
        {s("Label2"), s("Ay"), s("Month")},
        {s("Label3"), s("Saat"), s("Hour")},
    };
    static const QList<Caption> planQuery{
        {QString(), s("Kayıt Sorgulama"), s("Record Query")},
        {s("Label8"), s("     Tarih    Saat    Kayıt"), s("      Date    Hour    Record")},
        {s("Command1"), s("Tüm Kayıtları Sil"), s("Delete All Records")},
        {s("Command2"), s("Yeni"), s("New")},
        {s("Command3"), s("Düzelt"), s("Edit")},
        {s("Command4"), s("Detay"), s("Detail")},
        {s("Command6"), s("Seçilenleri Sil"), s("Delete Selected")},
        {s("Frame3"), s("Detay"), s("Detail")},
        {s("Command5"), s("Kapat"), s("Close")},
        {s("TransferButton"), s("İçe/Dışa Aktar"), s("Import/Export")},
        {s("ImportAction"), s("İçe Aktar…"), s("Import…")},
        {s("ExportAction"), s("Dışa Aktar…"), s("Export…")},
    };
    static const QList<Caption> help{{QString(), s("Yardım"), s("Help")}};
    static const QList<Caption> about{{QString(), s("Velkor Hakkında"), s("About Velkor")}};
    static const QList<Caption> diaryBrowser{
        {QString(), s("Günlük"), s("Daily")},
        {s("Label1"), s("                   Tarih"), s("                 Date")},
        {s("Label2"), s("                   Konu"), s("              Subject")},
        {s("Label3"), s("Tarih"), s("Date")},
        {s("Label4"), s("Konular"), s("Subjects")},
        {s("Label5"), s(" Konu detayını okumak için konu başlığı üzerine çift tıklayın..."),
         s(" Double click the subjects to read the subject content...")},
        {s("Label6"), s(" Dosyalar"), s(" Files")},
        {s("Command2"), s("Yeni Ekle"), s("Add New")},
        {s("Command3"), s("Değiştir"), s("Edit")},
        {s("Command1"), s("Kapat"), s("Close")},
        {s("Command4"), s("Aç"), s("Open")},
        {s("TransferButton"), s("İçe/Dışa Aktar"), s("Import/Export")},
        {s("ImportAction"), s("İçe Aktar…"), s("Import…")},
        {s("ExportAction"), s("Dışa Aktar…"), s("Export…")},
    };
    static const QList<Caption> diaryEditor{
        {s("Label1"), s("                   Tarih"), s("                 Date")},
        {s("Label2"), s("                   Konu"), s("              Subject")},
        {s("Label3"), s("Detay"), s("Content")},
        {s("Label4"), s("Dosyalar"), s("Files")},
        {s("Command3"), s("Yeni"), s("New")},
        {s("Command4"), s("Dosya Ekle"), s("Add File")},
        {s("Command5"), s("Dosya Çıkar"), s("Remove File")},
        {s("Command2"), s("Değişiklikleri Geri Al"), s("Undo Changes")},
    };
    static const QList<Caption> directory{
        {QString(), s("Rehber"), s("Directory")},
        {s("Label3"), s("Ara: "), s("Search: ")},
        {s("Label4"), s(" Düzeltmek için çift tıklayın..."), s(" Double click to edit...")},
        {s("Command1"), s("Yeni"), s("New")},
        {s("Command2"), s("Çevir"), s("Dial")},
        {s("Command3"), s("Adres"), s("Address")},
        {s("Command4"), s("Sil"), s("Delete")},
    };
    static const QList<Caption> directoryEditor{
        {QString(), s("Kayıt"), s("Record")},         {s("Label1"), s(" İsim"), s("Name")},
        {s("Label2"), s(" Telefon"), s("Telephone")}, {s("Label3"), s(" Adres"), s("Address")},
        {s("Command1"), s("Kaydet"), s("Save")},
    };
    static const QList<Caption> notebook{
        {QString(), s("Not Defteri"), s("Notebook")},
        {s("Command1"), s("Kaydet"), s("Save")},
        {s("Command2"), s("Değişiklikleri Geri Al"), s("Undo Changes")},
    };
    static const QList<Caption> none;
    switch (code) {
    case PlanEntry:
        return planEntry;
    case MainMenu:
        return mainMenu;
    case PlanQuery:
        return planQuery;
    case Help:
        return help;
    case About:
        return about;
    case DiaryBrowser:
        return diaryBrowser;
    case DiaryEditor:
        return diaryEditor;
    case Directory:
        return directory;
    case DirectoryEditor:
        return directoryEditor;
    case Notebook:
        return notebook;
    default:
        return none;
    }
}

QStringList monthNames(Language language) {
    if (language == Language::Turkish)
        return list({"Ocak", "Şubat", "Mart", "Nisan", "Mayıs", "Haziran", "Temmuz", "Ağustos", "Eylül",
                     "Ekim", "Kasım", "Aralık"});
    return list({"January", "February", "March", "April", "May", "June", "July", "August", "September",
                 "October", "November", "December"});
}

QStringList upperMonthNames(Language language) {
    if (language == Language::Turkish)
        return list({"OCAK", "ŞUBAT", "MART", "NİSAN", "MAYIS", "HAZİRAN", "TEMMUZ", "AĞUSTOS", "EYLÜL",
                     "EKİM", "KASIM", "ARALIK"});
    return list({"JANUARY", "FEBRUARY", "MARCH", "APRIL", "MAY", "JUN", "JULY", "AUGUST", "SEPTEMBER",
                 "OCTOBER", "NOVEMBER", "DECEMBER"});
}

QString weekdayHead(int labelIndex, Language language) {
    static const QStringList turkish = list({"Pz", "Ct", "C", "P", "Ç", "S", "Pt"}); // 42..48
    static const QStringList english = list({"Su", "S", "F", "T", "W", "Tu", "M"});
    if (labelIndex < 42 || labelIndex > 48)
        return {};
    return (language == Language::Turkish ? turkish : english).at(labelIndex - 42);
}

QStringList planQueryChoices(Language language) {
    QStringList items = monthNames(language);
    if (language == Language::Turkish)
        items += list({"Bugün", "Tüm Planlar", "Listeyi Boşalt"});
    else
        items += list({"Today", "All Records", "Clear List"});
    return items;
}

QStringList diaryPeriodChoices(Language language) {
    if (language == Language::Turkish)
        return list({"Tüm Kayıtlar", "tarihine eşit", "yılına eşit", "yılı ve öncesi", "yılı ve sonrası"});
    return list(
        {"All Records", "selected date", "selected year", "selected year and before", "selected and after"});
}

QString deleteAllTitle(Language language) {
    return language == Language::Turkish ? s("UYARI!") : s("WARNING!");
}

QString deleteAllQuestion(Language language) {
    return language == Language::Turkish ? s("Tüm planlarınızı silmek istediğinizden emin misiniz?")
                                         : s("Are you sure you want to delete all your plans?");
}

QStringList twoDigitNumbers(int count) {
    QStringList items;
    for (int i = 1; i <= count; ++i)
        items.append(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
    return items;
}

namespace {

// Turns `current` into the other language's word when it is one of the pair, else leaves it.
QString pairFor(const QString& current, Language language, const char* turkish, const char* english) {
    const QString tr = s(turkish), en = s(english);
    if (language == Language::English && current == tr)
        return en;
    if (language == Language::Turkish && current == en)
        return tr;
    return current;
}

} // namespace

QString planEntryTitle(const QString& current, Language language) {
    QString title = pairFor(current, language, "Kayıt Ekleme", "Add Record");
    return pairFor(title, language, "Kayıt Düzeltme", "Edit Record");
}

QString planEntryButton(const QString& current, Language language) {
    const bool add = current == s("Ekle") || current == s("Add");
    if (language == Language::Turkish)
        return add ? s("Ekle") : s("Kaydet");
    return add ? s("Add") : s("Save");
}

QString hourLinkTip(Language language) {
    return language == Language::Turkish ? s("Saat seçmek için tıklayın (bir daha tıklamak kutuyu gizler)")
                                         : s("Click to choose an hour (click again to hide the box)");
}

QString diaryEditorTitle(const QString& current, Language language) {
    QString title = pairFor(current, language, "Kayıt Ekleme", "Add Record");
    return pairFor(title, language, "Kayıt Düzeltme", "Edit Record");
}

QString diaryEditorButton(const QString& current, Language language) {
    QString button = pairFor(current, language, "Ekle", "Add");
    return pairFor(button, language, "Güncelle", "Update");
}

} // namespace velkor::lang
