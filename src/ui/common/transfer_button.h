#pragma once

#include <QRect>

#include <functional>

class QPushButton;
class QWidget;

namespace velkor {

// A button whose menu holds Import… and Export…, named TransferButton, ImportAction and ExportAction so
// that the caption tables word them.
QPushButton* addTransferButton(QWidget* parent, QRect geometry, const std::function<void()>& importChosen,
                               const std::function<void()>& exportChosen);

} // namespace velkor
