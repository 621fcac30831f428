#include "shell/autostart_writer.h"

#include "core/base/record_file.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>

namespace velkor::shell {

namespace {

// Escapes of a desktop entry's string values.
QString escapeValue(const QString& value) {
    QString out;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

// One argument of an Exec line: quoted when it holds a reserved character, `%` doubled as field codes
// would otherwise take it.
QString execArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = argument.isEmpty();
    for (const QChar c : argument)
        quote = quote || reserved.contains(c);
    QString out;
    if (quote) {
        out += QLatin1Char('"');
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                c == QLatin1Char('\\'))
                out += QLatin1Char('\\');
            out += c;
        }
        out += QLatin1Char('"');
    } else {
        out = argument;
    }
    out.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return escapeValue(out);
}

} // namespace

QString realProgramPath(const QString& programPath) {
    const QFileInfo info(programPath);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

XdgAutostartWriter::XdgAutostartWriter(QString folder) : m_folder(std::move(folder)) {}

QString XdgAutostartWriter::defaultFolder() {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString base = !configHome.isEmpty() && QDir::isAbsolutePath(configHome)
                             ? configHome
                             : QDir::home().filePath(QStringLiteral(".config"));
    return QDir(base).filePath(QStringLiteral("autostart"));
}

QString XdgAutostartWriter::entryPath() const {
    return QDir(m_folder).filePath(QStringLiteral("Velkor.desktop"));
}

QByteArray XdgAutostartWriter::desktopEntry(const QString& programPath) {
    const QString dir = QFileInfo(programPath).absolutePath();
    const QString icon = QDir(dir).filePath(QStringLiteral("velkor.png"));
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Version=1.0\n");
    text += QStringLiteral("Name=Velkor\n");
    text += QStringLiteral("Comment=Personal organiser in the system tray\n");
    text += QStringLiteral("Comment[tr]=Sistem tepsisinde kişisel ajanda\n");
    text += QStringLiteral("Exec=%1\n").arg(execArgument(programPath));
    text += QStringLiteral("Path=%1\n").arg(escapeValue(dir));
    // The icon ships beside the program; a theme name is the fallback.
    text += QStringLiteral("Icon=%1\n")
                .arg(QFileInfo(icon).isFile() ? escapeValue(icon) : QStringLiteral("velkor"));
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("X-GNOME-Autostart-enabled=true\n");
    return text.toUtf8();
}

QString XdgAutostartWriter::registerAutostart(const QString& programPath) {
    if (!QDir().mkpath(m_folder))
        return QObject::tr("%1\ncannot be created.").arg(QDir::toNativeSeparators(m_folder));
    return rewriteRecordFile(entryPath(), desktopEntry(realProgramPath(programPath))).error;
}

#ifndef Q_OS_WIN
std::unique_ptr<AutostartWriter> makeAutostartWriter() {
    return std::make_unique<XdgAutostartWriter>();
}
#endif

} // namespace velkor::shell
