#pragma once

#include "core/base/io_result.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>

namespace velkor::jet {

// One row's values in the order of the columns asked for. A NULL field is a null QVariant, told apart from
// an empty text; numbers come as numbers, dates as QDateTime (UTC, standing for the stored wall clock), text
// and memo as QString, binary and OLE fields as QByteArray.
using JetRow = QVariantList;

// Read access to the tables of an Access (Jet or ACE) database file. Nothing is ever written to the file.
class JetReader {
public:
    virtual ~JetReader() = default;

    // Opens the file, closing the one opened before. Fails with a reason fit for a message box.
    virtual IoResult open(const QString& path) = 0;
    virtual void close() = 0;

    // The user's tables of the open file (system tables left out).
    virtual Loaded<QStringList> tables() const = 0;
    // The columns of a table, in the table's order.
    virtual Loaded<QStringList> columns(const QString& table) const = 0;
    // Calls `visit` with the values of `columns` (spelt as columns() gives them) for each row, in stored
    // order. A table that cannot be read whole fails: a damaged page never passes for the end of the table.
    virtual IoResult readRows(const QString& table, const QStringList& columns,
                              const std::function<void(const JetRow&)>& visit) = 0;
};

} // namespace velkor::jet
