#pragma once

#include "core/jet/jet_reader.h"

#include <memory>

namespace velkor::jet {

// The JetReader over libmdb (mdbtools), the only place that knows the library. Text is decoded the same
// way whatever the environment says: Jet 3 files as Windows-1254, the Turkish code page the old release
// wrote them in, Jet 4 and ACE files as the Unicode they store.
class MdbReader final : public JetReader {
public:
    MdbReader();
    ~MdbReader() override;
    MdbReader(const MdbReader&) = delete;
    MdbReader& operator=(const MdbReader&) = delete;

    IoResult open(const QString& path) override;
    void close() override;
    Loaded<QStringList> tables() const override;
    Loaded<QStringList> columns(const QString& table) const override;
    IoResult readRows(const QString& table, const QStringList& columns,
                      const std::function<void(const JetRow&)>& visit) override;

private:
    struct File;
    std::unique_ptr<File> m_file;
};

} // namespace velkor::jet
