#include "ui/common/keyboard.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QWidget>

namespace velkor {

namespace {

// Return on a button, Ctrl+Tab in a text box: what a plain window does not do by itself.
class KeyboardFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (auto* button = qobject_cast<QAbstractButton*>(watched); button && enter && !key->modifiers()) {
            if (button->isEnabled())
                button->animateClick();
            return true;
        }
        if (auto* box = qobject_cast<QPlainTextEdit*>(watched);
            box && key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier) {
            if (!box->isReadOnly())
                box->insertPlainText(QStringLiteral("\t"));
            return true;
        }
        return false;
    }
};

} // namespace

void useKeyboard(QWidget* window) {
    auto* filter = new KeyboardFilter(window);
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        button->installEventFilter(filter);
    for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>()) {
        box->setTabChangesFocus(true);
        box->installEventFilter(filter);
    }
    // Of this window only: a window it opened has its own.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

void saveOnCtrlS(QWidget* window, QAbstractButton* saveButton) {
    auto* save = new QShortcut(QKeySequence::Save, window);
    QObject::connect(save, &QShortcut::activated, saveButton, [saveButton] {
        if (saveButton->isEnabled())
            saveButton->click();
    });
}

} // namespace velkor
