#pragma once

#include "shell/page_window.h"

namespace velkor::shell {

// Form7: the about page, help/about_tr.htm or help/about_eng.htm.
class AboutWindow final : public PageWindow {
    Q_OBJECT
public:
    explicit AboutWindow(AppContext& context, QWidget* parent = nullptr);

protected:
    QString relativePage(Language language) const override;
    QString title() const override;
};

} // namespace velkor::shell
