#include "core/lang/translations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>

namespace velkor::lang {

namespace {

// Each file is read once; a switch, and every window's measuring in the other language, only swaps them.
struct Translators {
    Translators() {
        ownLoaded = turkish.load(QStringLiteral(":/i18n/velkor_tr.qm")) &&
                    english.load(QStringLiteral(":/i18n/velkor_en.qm"));
    }
    QTranslator qt;
    QTranslator turkish;
    QTranslator english;    // the forms of counted words ("1 entry", "2 entries")
    bool ownLoaded = false; // built in: only a broken build lacks them
    bool qtLoaded = false;
    Language language = Language::English;
};

Translators& translators() {
    static Translators t;
    return t;
}

void install(Language language) {
    Translators& t = translators();
    QCoreApplication::removeTranslator(&t.qt);
    QCoreApplication::removeTranslator(&t.turkish);
    QCoreApplication::removeTranslator(&t.english);
    t.language = language;
    const bool turkish = language == Language::Turkish;
    if (t.ownLoaded)
        QCoreApplication::installTranslator(turkish ? &t.turkish : &t.english);
    if (!turkish)
        return;
    // Qt's Turkish comes with the system's Qt (Debian: qt6-translations-l10n); without it Qt's words stay
    // English and the program's own are Turkish all the same.
    if (!t.qtLoaded)
        t.qtLoaded =
            t.qt.load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (t.qtLoaded)
        QCoreApplication::installTranslator(&t.qt);
}

Language other(Language language) {
    return language == Language::Turkish ? Language::English : Language::Turkish;
}

} // namespace

QLocale locale(Language language) {
    return language == Language::Turkish ? QLocale(QLocale::Turkish, QLocale::Turkey)
                                         : QLocale(QLocale::English, QLocale::UnitedKingdom);
}

void useLanguage(Language language) {
    QLocale::setDefault(locale(language));
    install(language);
    // Qt posts the change to every window; delivered now, no window shows the old words after the switch.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

Language current() {
    return translators().language;
}

OtherLanguage::OtherLanguage() : m_shown(current()) {
    install(other(m_shown));
}

OtherLanguage::~OtherLanguage() {
    install(m_shown);
    // The windows already show these words: the changes posted on the way are void.
    QCoreApplication::removePostedEvents(nullptr, QEvent::LanguageChange);
}

} // namespace velkor::lang
