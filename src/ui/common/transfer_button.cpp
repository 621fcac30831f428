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
    m_import = menu->addAction(QString());
    m_import->setObjectName(QStringLiteral("ImportAction"));
    m_export = menu->addAction(QString());
    m_export->setObjectName(QStringLiteral("ExportAction"));
    connect(m_import, &QAction::triggered, this, importChosen);
    connect(m_export, &QAction::triggered, this, exportChosen);
    setMenu(menu);
    retranslate();
}

void TransferButton::retranslate() {
    setText(tr("Import/Export"));
    m_import->setText(tr("Import…"));
    m_export->setText(tr("Export…"));
}

void TransferButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QPushButton::changeEvent(event);
}

} // namespace velkor
