#include "core/lang/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace velkor::lang {

namespace {

// Gives the Turkish of the program's own tr() texts, whatever their context.
class FailureTranslator final : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return turkishOf(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

struct Translators {
    QTranslator qt;
    FailureTranslator own;
    bool qtLoaded = false;
};

Translators& translators() {
    static Translators t;
    return t;
}

} // namespace

QLocale locale(Language language) {
    return language == Language::Turkish ? QLocale(QLocale::Turkish, QLocale::Turkey)
                                         : QLocale(QLocale::English, QLocale::UnitedKingdom);
}

void useLanguage(Language language) {
    QLocale::setDefault(locale(language));
    Translators& t = translators();
    if (language == Language::English) {
        QCoreApplication::removeTranslator(&t.qt);
        QCoreApplication::removeTranslator(&t.own);
        return;
    }
    // Qt's Turkish comes with the system's Qt (Debian: qt6-translations-l10n); without it Qt's words stay
    // English and the program's own are Turkish all the same.
    if (!t.qtLoaded)
        t.qtLoaded =
            t.qt.load(QStringLiteral("qtbase_tr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (t.qtLoaded)
        QCoreApplication::installTranslator(&t.qt);
    QCoreApplication::installTranslator(&t.own);
}

} // namespace velkor::lang
