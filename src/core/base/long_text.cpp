#include "core/base/long_text.h"

namespace velkor {

namespace {

constexpr int ExcerptLines = 12;
constexpr qsizetype ExcerptLength = 600;
constexpr qsizetype BreakAfter = 40;
// Long enough for any line typed by hand; a longer one continues on the next row.
constexpr qsizetype RowLength = 1000;
// More than a cell as wide as the screen shows.
constexpr qsizetype CellLength = 300;

// `length` characters of `text` from `start`, one fewer when that would split a surrogate pair.
qsizetype whole(QStringView text, qsizetype start, qsizetype length) {
    const qsizetype end = start + length;
    if (end > start + 1 && end < text.size() && text[end - 1].isHighSurrogate() && text[end].isLowSurrogate())
        --length;
    return length;
}

} // namespace

Excerpt textExcerpt(const QString& text) {
    qsizetype end = 0;
    for (int line = 0; line < ExcerptLines && end < text.size(); ++line) {
        const qsizetype lineBreak = text.indexOf(QLatin1Char('\n'), end);
        end = lineBreak < 0 ? text.size() : lineBreak + 1;
    }
    end = std::min(end, whole(text, 0, ExcerptLength));
    Excerpt excerpt{{}, end < text.size()};
    // A label wraps only between words; one too long would widen the box past the screen.
    qsizetype run = 0;
    for (const QChar c : QStringView(text).first(end)) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > BreakAfter && !c.isLowSurrogate()) {
            excerpt.text.append(QChar(0x200B)); // zero width space: a place to wrap, not seen
            run = 1;
        }
        excerpt.text.append(c);
    }
    if (excerpt.cut) {
        if (excerpt.text.endsWith(QLatin1Char('\n')))
            excerpt.text.chop(1);
        excerpt.text.append(QChar(0x2026));
    }
    return excerpt;
}

TextRowsModel::TextRowsModel(QString text, QObject* parent)
    : QAbstractListModel(parent), m_text(std::move(text)) {
    m_starts.reserve(m_text.count(QLatin1Char('\n')) + 1);
    qsizetype longest = -1;
    for (qsizetype start = 0; start < m_text.size();) {
        qsizetype lineEnd = m_text.indexOf(QLatin1Char('\n'), start);
        if (lineEnd < 0)
            lineEnd = m_text.size();
        do {
            const qsizetype length = whole(m_text, start, std::min(RowLength, lineEnd - start));
            m_starts.append(start);
            if (length > longest) {
                longest = length;
                m_longest = m_starts.size() - 1;
            }
            start += length;
        } while (start < lineEnd);
        start = lineEnd + 1;
    }
}

QStringView TextRowsModel::row(qsizetype index) const {
    if (index >= m_starts.size())
        return {};
    const qsizetype start = m_starts[index];
    qsizetype end = index + 1 < m_starts.size() ? m_starts[index + 1] : m_text.size();
    if (end > start && m_text[end - 1] == QLatin1Char('\n'))
        --end;
    return QStringView(m_text).sliced(start, end - start);
}

int TextRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_starts.size());
}

QVariant TextRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return row(index.row()).toString();
    return {};
}

QString TextRowsModel::longestRow() const {
    return row(m_longest).toString();
}

TextTableModel::TextTableModel(QStringList columns, QList<QStringList> rows, QObject* parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns)), m_rows(std::move(rows)) {}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const QStringList& cells = m_rows[index.row()];
    if (index.column() >= cells.size())
        return {};
    const QString& cell = cells[index.column()];
    const qsizetype length = whole(cell, 0, std::min(CellLength, cell.size()));
    QString shown;
    shown.reserve(length + 1);
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = cell[i];
        if (c == u'\r' && i + 1 < length && cell[i + 1] == u'\n')
            continue; // one break, one symbol
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            shown.append(QChar(0x21B5)); // the return arrow
        else if (c.category() == QChar::Other_Control)
            shown.append(u' '); // a tab or a stray control character would show as a box
        else
            shown.append(c);
    }
    if (length < cell.size())
        shown.append(QChar(0x2026));
    return shown;
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_columns.size())
        return m_columns[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString TextTableModel::wholeRow(int row) const {
    return row >= 0 && row < m_rows.size() ? m_rows[row].join(u'\n') : QString();
}

} // namespace velkor
