#pragma once

#include "ui/common/app_context.h"

#include <QWidget>

class QTextBrowser;

namespace velkor::shell {

// A window showing one of the HTML pages that ship with the program (beside it, or in its share folder), in
// the current language. The browser `w1` fills it but for a 2-pixel margin.
class PageWindow : public QWidget {
    Q_OBJECT
public:
    // The full path of the page shown (or looked for) last.
    QString pagePath() const { return m_pagePath; }

protected:
    // `twipsWidth` × `twipsHeight` is the client area; the pages are found from the program's directory.
    // The derived window loads its first page once it is complete (the page name is its own).
    PageWindow(AppContext& context, int twipsWidth, int twipsHeight, QWidget* parent);

    // Loads the page of the program's language, then sets the title.
    void retranslate();
    void changeEvent(QEvent* event) override;

    virtual QString relativePage(Language language) const = 0;
    virtual QString title() const = 0;

private:
    AppContext& m_ctx;
    QTextBrowser* m_pageView;
    QString m_pagePath;
};

} // namespace velkor::shell
