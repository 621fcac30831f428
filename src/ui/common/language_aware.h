#pragma once

#include "core/base/services.h"

namespace velkor::lang {

// A window that can put its words into a language. A switch changes words only: no selection, filter,
// date or typed text.
class LanguageAware {
public:
    virtual ~LanguageAware() = default;
    virtual int windowCode() const = 0;
    virtual void applyLanguage(Language language) = 0;
};

} // namespace velkor::lang
