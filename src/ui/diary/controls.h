#pragma once

#include "ui/common/geometry.h"

#include <QString>
#include <QWidget>

namespace velkor::diary {

// Makes a control with its designer name as objectName, placed by twips within its parent.
template <typename Control, typename... Args>
Control* control(QWidget* parent, const char* name, QRect twips, Args&&... args) {
    auto* made = new Control(std::forward<Args>(args)..., parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setGeometry(twips);
    return made;
}

} // namespace velkor::diary
