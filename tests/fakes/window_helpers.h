#pragma once

#include "core/lang/translations.h"
#include "fakes/test_support.h"

#include <QAbstractItemView>
#include <QStringList>

namespace velkor::testing {

// The one control of `window`'s own (not of a window it opened) whose accessible name, in the language the
// test runs in, is `name`: what a screen reader says for it. None, or more than one, stops the test run.
template <typename T = QWidget> T* named(const QWidget* window, const QString& name) {
    const QWidget* owner = window->window();
    QList<T*> found;
    QStringList names;
    for (T* control : window->findChildren<T*>()) {
        if (control->window() != owner || control->accessibleName().isEmpty())
            continue;
        names.append(control->accessibleName());
        if (control->accessibleName() == name)
            found.append(control);
    }
    if (found.size() != 1) {
        names.sort();
        qFatal("%lld controls named \"%s\" in %s; its named ones: %s", qlonglong(found.size()),
               qPrintable(name), qPrintable(owner->objectName()),
               qPrintable(names.join(QStringLiteral(", "))));
    }
    return found.constFirst();
}

// A name as the program says it now, for a test that runs in either language.
inline QString spoken(const QString& turkish, const QString& english) {
    return lang::current() == Language::Turkish ? turkish : english;
}

// A mouse click on the control a screen reader calls `name`, as the user makes it.
inline void press(const QWidget* window, const QString& name) {
    QTest::mouseClick(named(window, name), Qt::LeftButton);
}

// A control by its designer name, for what a screen reader does not name; a missing one stops the run.
template <typename T = QWidget> T* child(const QWidget* window, const char* name) {
    auto* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// A click (or double click) on a line of a list.
inline void clickRow(QAbstractItemView* view, int row, bool twice = false) {
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

// The text of every line a list shows.
inline QStringList rowsOf(const QAbstractItemView* view) {
    QStringList rows;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        rows.append(view->model()->index(row, 0).data().toString());
    return rows;
}

} // namespace velkor::testing
