#include "ui/common/growth.h"

#include <QEvent>
#include <QWidget>

namespace velkor {

Growth::Growth(QWidget* window) : QObject(window), m_window(window), m_given(window->size()) {
    window->setMinimumSize(m_given);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->installEventFilter(this);
}

void Growth::add(QWidget* control, Edges edges) {
    m_placed.append({control, control->geometry(), edges});
}

bool Growth::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::Resize) {
        const int dx = std::max(0, m_window->width() - m_given.width());
        const int dy = std::max(0, m_window->height() - m_given.height());
        for (const Placed& p : std::as_const(m_placed)) {
            // Only what an edge governs changes: a panel moved in or out keeps its place.
            QRect r = p.control->geometry();
            if (p.edges & Wider)
                r.setWidth(p.given.width() + dx);
            if (p.edges & FollowsRight)
                r.moveLeft(p.given.left() + dx);
            if (p.edges & Taller)
                r.setHeight(p.given.height() + dy);
            if (p.edges & FollowsBottom)
                r.moveTop(p.given.top() + dy);
            p.control->setGeometry(r);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velkor
