#include "ui/common/transfer_button.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

namespace velkor {

QPushButton* addTransferButton(QWidget* parent, QRect geometry, const std::function<void()>& importChosen,
                               const std::function<void()>& exportChosen) {
    auto* button = new QPushButton(QString::fromUtf8("İçe/Dışa Aktar"), parent);
    button->setObjectName(QStringLiteral("TransferButton"));
    button->setGeometry(geometry);
    auto* menu = new QMenu(button);
    QAction* importAction = menu->addAction(QString::fromUtf8("İçe Aktar…"));
    importAction->setObjectName(QStringLiteral("ImportAction"));
    QAction* exportAction = menu->addAction(QString::fromUtf8("Dışa Aktar…"));
    exportAction->setObjectName(QStringLiteral("ExportAction"));
    QObject::connect(importAction, &QAction::triggered, button, importChosen);
    QObject::connect(exportAction, &QAction::triggered, button, exportChosen);
    button->setMenu(menu);
    return button;
}

} // namespace velkor
