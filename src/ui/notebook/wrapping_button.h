#pragma once

#include <QPushButton>

namespace velkor::notebook {

// A push button whose caption wraps onto a second line when it does not fit, as the form's long
// "Değişiklikleri Geri Al" must in its fixed size. text() stays the caption as set.
class WrappingButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velkor::notebook
