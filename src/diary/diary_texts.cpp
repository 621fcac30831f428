#include "diary/diary_texts.h"

#include "lang/vocabulary.h"

namespace velkor::diary {

namespace {

QString s(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString pick(Language language, const char* turkish, const char* english) {
    return s(language == Language::Turkish ? turkish : english);
}

} // namespace

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

QString savedNotice(EditorMode modeWhenSaved, Language language) {
    if (modeWhenSaved == EditorMode::Add)
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

QString saveButtonCaption(EditorMode mode, Language language) {
    if (mode == EditorMode::Add)
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
    return lang::diaryEditorTitle(current, language);
}

} // namespace velkor::diary
