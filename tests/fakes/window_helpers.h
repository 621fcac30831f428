#pragma once

#include <QAbstractItemView>
#include <QTest>

namespace velkor::testing {

// A window's control by its object name; a missing one stops the test run.
template <typename T = QWidget> T* child(const QWidget* window, const char* name) {
    auto* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// A mouse click on a control, as the user makes it.
inline void click(const QWidget* window, const char* name) {
    QTest::mouseClick(child(window, name), Qt::LeftButton);
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
