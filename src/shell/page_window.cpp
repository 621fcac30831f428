#include "shell/page_window.h"

#include "core/base/program_layout.h"
#include "core/lang/translations.h"
#include "ui/common/geometry.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

namespace velkor::shell {

PageWindow::PageWindow(AppContext& context, int twipsWidth, int twipsHeight, QWidget* parent)
    : QWidget(parent), m_ctx(context), m_pageView(new QTextBrowser(this)) {
    setFixedSize(px(twipsWidth), px(twipsHeight));
    m_pageView->setObjectName(QStringLiteral("w1"));
    m_pageView->setGeometry(twipsRect(30, 30, twipsWidth - 75, twipsHeight - 60));
    m_pageView->setOpenExternalLinks(true);
}

void PageWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void PageWindow::retranslate() {
    m_pagePath = velkor::pagePath(m_ctx.programDir, relativePage(lang::current()));
    const QFileInfo page(m_pagePath);
    if (page.isFile() && page.isReadable()) {
        const QUrl url = QUrl::fromLocalFile(page.absoluteFilePath());
        if (m_pageView->source() == url)
            m_pageView->reload();
        else
            m_pageView->setSource(url);
    } else {
        // A missing or unreadable page still gets a window that says what it looked for.
        m_pageView->setSource(QUrl());
        m_pageView->setHtml(QStringLiteral("<p>%1: <code>%2</code></p>")
                                .arg(page.exists() ? tr("page cannot be read") : tr("page not found"),
                                     QDir::toNativeSeparators(m_pagePath).toHtmlEscaped()));
    }
    setWindowTitle(title());
    m_pageView->setAccessibleName(title());
}

} // namespace velkor::shell
