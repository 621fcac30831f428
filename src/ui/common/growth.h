#pragma once

#include <QFlags>
#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

namespace velkor {

// Lets a window of placed controls grow past the size it was built at, which stays its smallest: each control
// named here stretches with the window or keeps its distance to the right or bottom edge.
class Growth final : public QObject {
public:
    enum Edge { Stays = 0, Wider = 1, FollowsRight = 2, Taller = 4, FollowsBottom = 8 };
    Q_DECLARE_FLAGS(Edges, Edge)

    // Call once the window's layout is final; the window owns the result.
    explicit Growth(QWidget* window);
    void add(QWidget* control, Edges edges);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Placed {
        QWidget* control;
        QRect given;
        Edges edges;
    };
    QWidget* m_window;
    QSize m_given;
    QList<Placed> m_placed;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Growth::Edges)

} // namespace velkor
