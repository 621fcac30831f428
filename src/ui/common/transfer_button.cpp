#include "ui/common/transfer_button.h"

#include <QAction>
#include <QEvent>
#include <QMenu>

namespace velkor {

TransferButton::TransferButton(QWidget* parent, QRect geometry, const std::function<void()>& importChosen,
                               const std::function<void()>& exportChosen)
    : QPushButton(parent) {
    setObjectName(QStringLiteral("TransferButton"));
    setGeometry(geometry);
    auto* menu = new QMenu(this);
    m_importAction = menu->addAction(QString());
    m_importAction->setObjectName(QStringLiteral("ImportAction"));
    m_exportAction = menu->addAction(QString());
    m_exportAction->setObjectName(QStringLiteral("ExportAction"));
    connect(m_importAction, &QAction::triggered, this, importChosen);
    connect(m_exportAction, &QAction::triggered, this, exportChosen);
    setMenu(menu);
    retranslate();
}

void TransferButton::retranslate() {
    setText(tr("Import/Export"));
    setAccessibleName(text());
    m_importAction->setText(tr("Import…"));
    m_exportAction->setText(tr("Export…"));
}

void TransferButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QPushButton::changeEvent(event);
}

} // namespace velkor
