#include "core/lang/language_setting.h"

#include "core/base/record_file.h"

namespace velkor::lang {

LanguageSetting readLanguageSetting(const QString& path) {
    auto records = readRecordFile(path);
    if (!records.ok() || records.value.isEmpty()) {
        // Missing, empty or unreadable: start again from Turkish.
        IoResult written = writeLanguageSetting(path, Language::Turkish);
        return {Language::Turkish, written.error};
    }
    const RecordEntry& first = records.value.first();
    const std::optional<QString> word = first.fields ? stringAt(*first.fields, 0) : std::nullopt;
    if (word == QLatin1String("tr"))
        return {Language::Turkish, {}};
    if (word == QLatin1String("eng"))
        return {Language::English, {}};
    return {}; // something else: left as it is, and no captions change
}

IoResult writeLanguageSetting(const QString& path, Language language) {
    const QString word = language == Language::Turkish ? QStringLiteral("tr") : QStringLiteral("eng");
    return rewriteRecordFile(path, encodeRecord({word}));
}

} // namespace velkor::lang
