#include "core/interop/calendar_text.h"

#include <QStringList>
#include <QUrl>

namespace velkor::interop {

QString summaryOf(const QString& text) {
    for (const QStringView line : QStringView(text).split(u'\n')) {
        if (!line.trimmed().isEmpty())
            return line.trimmed().toString();
    }
    return {};
}

QString joinedText(const QString& summary, const QString& description) {
    if (description.isEmpty() || summaryOf(description) == summary.trimmed())
        return description.isEmpty() ? summary : description;
    if (summary.trimmed().isEmpty())
        return description;
    return summary + u'\n' + description;
}

QString planTextOut(const QString& text) {
    return QString(text).replace(QStringLiteral("''"), QStringLiteral("\""));
}

namespace {

bool windowsPath(QStringView path) {
    return path.size() >= 3 && path[0].isLetter() && path[1] == u':' && (path[2] == u'\\' || path[2] == u'/');
}

} // namespace

QByteArray fileUri(const QString& path) {
    if (windowsPath(path))
        return QUrl::fromLocalFile(u'/' + QString(path).replace(u'\\', u'/')).toEncoded();
    return QUrl::fromLocalFile(path).toEncoded();
}

QString pathOfUri(const QByteArray& uri) {
    const QUrl url = QUrl::fromEncoded(uri);
    if (!url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    if (path.startsWith(u'/') && windowsPath(QStringView(path).sliced(1)))
        return path.sliced(1).replace(u'/', u'\\');
    return path;
}

} // namespace velkor::interop
