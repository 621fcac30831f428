// The record reader takes any bytes without failing, and a rewrite of what it read reads back the same:
// no record is lost, merged with a damaged line or changed.
#include "core/base/record_file.h"

#include <cstdint>
#include <cstdlib>

using namespace velkor;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<RecordEntry> first = parseRecords(input);
    QByteArray rewritten;
    for (const RecordEntry& entry : first)
        rewritten += entryBytes(entry);
    if (rewritten.startsWith("\xEF\xBB\xBF"))
        rewritten.prepend("\xEF\xBB\xBF"); // as rewriteRecordFile writes it
    const QList<RecordEntry> second = parseRecords(rewritten);
    if (second.size() != first.size())
        std::abort();
    for (qsizetype i = 0; i < first.size(); ++i) {
        if (first[i].fields.has_value() != second[i].fields.has_value())
            std::abort();
        if (first[i].fields && *first[i].fields != *second[i].fields)
            std::abort();
        if (!first[i].fields && entryBytes(first[i]) != entryBytes(second[i]))
            std::abort(); // a damaged line is carried unchanged
    }
    return 0;
}
