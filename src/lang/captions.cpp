#include "lang/captions.h"

#include "lang/vocabulary.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace velkor::lang {

void setCaption(QObject* control, const QString& text) {
    if (auto* menu = qobject_cast<QMenu*>(control)) {
        menu->setTitle(text);
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        action->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
    } else if (auto* widget = qobject_cast<QWidget*>(control)) {
        widget->setWindowTitle(text);
    }
}

void applyCaptions(QObject* window, int code, Language language) {
    for (const Caption& caption : captions(code)) {
        if (caption.control.isEmpty()) {
            if (auto* widget = qobject_cast<QWidget*>(window))
                widget->setWindowTitle(caption.in(language));
            continue;
        }
        // A menu's action and its submenu share a name; set both so the menu shows the word.
        const QList<QObject*> named = window->findChildren<QObject*>(caption.control);
        for (QObject* control : named)
            setCaption(control, caption.in(language));
    }
}

} // namespace velkor::lang
