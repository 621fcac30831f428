#include "ui/common/captions.h"

#include "core/lang/vocabulary.h"
#include "ui/common/geometry.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include <algorithm>

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

namespace {

// A window's caption never reaches a control of another window it owns (the plan entry opened from the
// plan query shares control names with it); a submenu belongs to its menu.
bool partOf(const QObject* control, const QObject* window) {
    const auto* widget = qobject_cast<const QWidget*>(control);
    const auto* top = qobject_cast<const QWidget*>(window);
    if (!widget || !top || widget->window() == top->window())
        return true;
    return qobject_cast<const QMenu*>(widget->window()) != nullptr;
}

} // namespace

void applyCaptions(QObject* window, int code, Language language) {
    for (const Caption& caption : captions(code)) {
        if (caption.control.isEmpty()) {
            if (auto* widget = qobject_cast<QWidget*>(window))
                widget->setWindowTitle(caption.in(language));
            continue;
        }
        // A menu's action and its submenu share a name; set both so the menu shows the word.
        const QList<QObject*> named = window->findChildren<QObject*>(caption.control);
        for (QObject* control : named) {
            if (partOf(control, window))
                setCaption(control, caption.in(language));
        }
    }
}

} // namespace velkor::lang

namespace velkor::lang {

namespace {

qreal captionOverflow(const QWidget* window, int code) {
    qreal most = 1.0;
    for (const Caption& caption : captions(code)) {
        if (caption.control.isEmpty())
            continue;
        for (const QWidget* control : window->findChildren<QWidget*>(caption.control)) {
            most = std::max(
                {most, textOverflow(control, caption.turkish), textOverflow(control, caption.english)});
        }
    }
    return most;
}

} // namespace

void fitLayout(QWidget* window, int code) {
    scaleLayout(window, std::max(layoutOverflow(window), captionOverflow(window, code)));
}

void fitLayout(QWidget* window, LanguageAware& aware, Language shown) {
    qreal most = captionOverflow(window, aware.windowCode());
    for (Language language : {shown == Language::Turkish ? Language::English : Language::Turkish, shown}) {
        aware.applyLanguage(language);
        most = std::max(most, layoutOverflow(window));
    }
    scaleLayout(window, most);
}

} // namespace velkor::lang
