#pragma once

#include <QString>

namespace velkor::interop {

// The rules that map a plan's or an entry's one text onto a summary and a description and back, so that a
// text exported and imported again comes back as it was.

// The first line that holds more than blanks, trimmed: what other calendars show as the title.
QString summaryOf(const QString& text);

// The text of an imported event: the description alone when it starts with the summary (as exports of
// this program do), else the summary with the description under it.
QString joinedText(const QString& summary, const QString& description);

// A plan's text never holds a double quote; it stands there as two apostrophes, which go out as the quote.
QString planTextOut(const QString& text);

// A diary file's path as a file URI and back. Paths of the older Windows release (C:\\...) travel as
// Windows file URIs (file:///C:/...) and come back with their backslashes.
QByteArray fileUri(const QString& path);
// Empty when the URI names no local file.
QString pathOfUri(const QByteArray& uri);

} // namespace velkor::interop
