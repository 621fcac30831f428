#pragma once

#include "core/foreign/child_reader.h"
#include "core/foreign/frames.h"
#include "core/jet/jet_reader.h"

#include <QHash>

namespace velkor::jet {

// The JetReader the program uses: libmdb runs in a reader process under limits, so a damaged file that
// makes it crash, spin or fill the memory costs a message, never the program.
class ChildJetReader final : public JetReader {
public:
    explicit ChildJetReader(QString readerProgram, foreign::ReaderLimits limits = {})
        : m_program(std::move(readerProgram)), m_limits(limits) {}
    IoResult open(const QString& path) override;
    void close() override;
    Loaded<QStringList> tables() const override;
    Loaded<QStringList> columns(const QString& table) const override;
    IoResult readRows(const QString& table, const QStringList& columns,
                      const std::function<void(const JetRow&)>& visit) override;

private:
    IoResult run(const QStringList& arguments, const std::function<bool(QDataStream&, quint8)>& take);

    QString m_program;
    foreign::ReaderLimits m_limits;
    QString m_path;
    QStringList m_tables;
    QHash<QString, QStringList> m_columns;
};

// The reader process's side: the tables of the file with their columns, or the rows of one table.
bool writeJetTables(const QString& path, foreign::FrameWriter& out);
bool writeJetRows(const QString& path, const QString& table, const QStringList& columns,
                  foreign::FrameWriter& out);

} // namespace velkor::jet
