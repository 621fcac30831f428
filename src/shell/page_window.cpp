#include "shell/page_window.h"

#include "core/base/program_layout.h"
#include "ui/common/captions.h"
#include "ui/common/geometry.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

namespace velkor::shell {

PageWindow::PageWindow(AppContext& context, int code, const QString& designTitle, int twipsWidth,
                       int twipsHeight, QWidget* parent)
    : QWidget(parent), m_ctx(context), m_code(code), m_browser(new QTextBrowser(this)) {
    setWindowTitle(designTitle);
    setFixedSize(px(twipsWidth), px(twipsHeight));
    m_browser->setObjectName(QStringLiteral("w1"));
    m_browser->setGeometry(twipsRect(30, 30, twipsWidth - 75, twipsHeight - 60));
    m_browser->setOpenExternalLinks(true);
}

void PageWindow::applyLanguage(Language language) {
    m_pagePath = velkor::pagePath(m_ctx.programDir, relativePage(language));
    const QFileInfo page(m_pagePath);
    if (page.isFile() && page.isReadable()) {
        const QUrl url = QUrl::fromLocalFile(page.absoluteFilePath());
        if (m_browser->source() == url)
            m_browser->reload();
        else
            m_browser->setSource(url);
    } else {
        // A missing or unreadable page still gets a window that says what it looked for.
        m_browser->setSource(QUrl());
        m_browser->setHtml(
            QStringLiteral("<p>%1: <code>%2</code></p>")
                .arg(page.exists() ? QStringLiteral("page cannot be read") : QStringLiteral("page not found"),
                     QDir::toNativeSeparators(m_pagePath).toHtmlEscaped()));
    }
    lang::applyCaptions(this, m_code, language);
}

} // namespace velkor::shell
