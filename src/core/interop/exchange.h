#pragma once

#include "core/base/core_context.h"
#include "core/interop/transfer.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QWidget;

namespace velkor::interop {

enum class DataKind { Calendar, Contacts };

// The kind of a file by its extension (.ics, .vcf) or, for a file to import, by its first line.
std::optional<DataKind> kindOf(const QString& file, bool importing);

// An import or an export of the file, its kind chosen as above.
TransferResult transferFile(const QString& file, bool importing, CoreContext& context);

// What the command line asks a running Velkor: one line each way.
struct TransferRequest {
    bool importing = false;
    QString file; // absolute
};
QByteArray encodeRequest(const TransferRequest& request);
std::optional<TransferRequest> decodeRequest(QByteArrayView line);
QByteArray encodeAnswer(const TransferResult& result);
TransferResult decodeAnswer(QByteArrayView line);

// A window's Import… or Export… entry: asks for the file, moves the data and tells how it went, listing the
// events that did not become plans. True when an import added something.
bool runExchange(QWidget* parent, Exchange what, CoreContext& context);

} // namespace velkor::interop
