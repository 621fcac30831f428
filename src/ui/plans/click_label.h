#pragma once

#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace velkor::plans {

// A caption that answers a click, and looks like a link so the user knows it does: link colour, a
// hand cursor, underlined under the pointer or the keyboard's focus. Space or Return is its click.
class ClickLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, colours.color(QPalette::Link));
        setPalette(colours);
    }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit clicked();
        QLabel::mouseReleaseEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit clicked();
            return;
        }
        QLabel::keyPressEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override {
        underline(true);
        QLabel::focusInEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        underline(false);
        QLabel::focusOutEvent(event);
    }
    void enterEvent(QEnterEvent* event) override {
        underline(true);
        QLabel::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override {
        underline(hasFocus());
        QLabel::leaveEvent(event);
    }

private:
    void underline(bool on) {
        QFont shown = font();
        shown.setUnderline(on);
        setFont(shown);
    }
};

} // namespace velkor::plans
