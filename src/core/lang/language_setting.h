#pragma once

#include "core/base/io_result.h"
#include "core/base/services.h"

#include <QString>

#include <optional>

namespace velkor::lang {

struct LanguageSetting {
    // nullopt: the file holds something else than "tr" or "eng", and no captions change.
    std::optional<Language> language;
    // Set when a missing or unreadable file could not be created again.
    QString error;
};

// Reads options.prg. A missing, empty or unreadable file is written anew holding "tr".
LanguageSetting readLanguageSetting(const QString& path);

IoResult writeLanguageSetting(const QString& path, Language language);

} // namespace velkor::lang
