#pragma once

#include <QPushButton>

#include <functional>

class QAction;

namespace velkor {

// A button whose menu holds Import… and Export…; it words itself.
class TransferButton final : public QPushButton {
    Q_OBJECT
public:
    TransferButton(QWidget* parent, QRect geometry, const std::function<void()>& importChosen,
                   const std::function<void()>& exportChosen);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QAction* m_importAction;
    QAction* m_exportAction;
};

} // namespace velkor
