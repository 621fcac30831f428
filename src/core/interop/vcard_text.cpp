#include "core/interop/vcard_text.h"

namespace velkor::interop {

QString unescaped(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\\' || i + 1 == text.size()) {
            out.append(c);
            continue;
        }
        const QChar next = text[++i];
        out.append(next == u'n' || next == u'N' ? QChar(u'\n') : next);
    }
    return out;
}

QStringList splitEscaped(QStringView text, QChar separator) {
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            ++i;
        } else if (text[i] == separator) {
            parts.append(text.mid(start, i - start).toString());
            start = i + 1;
        }
    }
    parts.append(text.mid(start).toString());
    return parts;
}

QString escaped(QStringView text) {
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' || c == u';' || c == u',') {
            out.append(u'\\').append(c);
        } else if (c == u'\r' || c == u'\n') {
            out.append(QStringLiteral("\\n"));
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            out.append(c);
        }
    }
    return out;
}

QByteArray folded(const QString& line) {
    constexpr qsizetype Octets = 75;
    const QByteArray bytes = line.toUtf8();
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 60 * 3 + 2);
    qsizetype start = 0;
    bool first = true;
    while (true) {
        const qsizetype room = first ? Octets : Octets - 1; // a continuation starts with a space
        qsizetype end = std::min(bytes.size(), start + room);
        // Back to the start of a character: UTF-8 continuation bytes are 10xxxxxx.
        while (end < bytes.size() && end > start && (uchar(bytes[end]) & 0xC0) == 0x80)
            --end;
        if (!first)
            out.append(' ');
        out.append(bytes.mid(start, end - start)).append("\r\n");
        if (end >= bytes.size())
            return out;
        start = end;
        first = false;
    }
}

} // namespace velkor::interop
