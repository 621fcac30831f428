#pragma once

#include <QAbstractListModel>
#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

namespace velkor {

// The start of a text, as much as a message box label shows without growing past the screen: a few lines
// and a few hundred characters, cut off with an ellipsis, with places to wrap in words too long for a line.
struct Excerpt {
    QString text;
    bool cut = false; // the text goes on past the excerpt
};
Excerpt textExcerpt(const QString& text);

// A text of any size as the rows of a table view of rows of one height, which lays out only the rows on
// screen: each line is a row, and a line too long for one row goes on in the next. A text view would lay
// out all of a megabyte first.
class TextRowsModel final : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TextRowsModel(QString text, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The row of the most characters, to measure how wide the rows must be.
    QString longestRow() const;

private:
    QStringView row(qsizetype index) const;

    QString m_text;
    QList<qsizetype> m_starts; // where each row begins; it ends at the next one, before a line break
    qsizetype m_longest = 0;
};

// Rows of texts under named columns, for a table view of rows of one height: a cell shows on one line,
// its line breaks as a symbol, and a long one cut short, so that thousands of rows lay out at once.
class TextTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    TextTableModel(QStringList columns, QList<QStringList> rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The cells of a row as given, one a line.
    QString wholeRow(int row) const;

private:
    QStringList m_columns;
    QList<QStringList> m_rows;
};

} // namespace velkor
