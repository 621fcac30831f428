#pragma once

#include "shell/page_window.h"

namespace velkor::shell {

// Form6: the help pages, help/tr/help_tr.htm or help/eng/help_eng.htm.
class HelpWindow final : public PageWindow {
    Q_OBJECT
public:
    explicit HelpWindow(AppContext& context, QWidget* parent = nullptr);

protected:
    QString relativePage(Language language) const override;
    QString title() const override;
};

} // namespace velkor::shell
