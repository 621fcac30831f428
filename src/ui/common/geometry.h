#pragma once

#include <QFont>
#include <QRect>

class QString;
class QWidget;

namespace velkor {

// Window layouts are given in twips; 15 twips make one pixel at 96 dpi.
constexpr int px(int twips) {
    return twips / 15;
}
constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// Tahoma where installed, else the system's sans-serif face.
inline QFont tahoma(int pointSize, bool bold = false) {
    QFont font(QStringLiteral("Tahoma"), pointSize, bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// The layouts were drawn for Tahoma; other faces are wider. A window measures its words with the fonts
// present and grows as a whole, so its proportions stay.

// How many times larger `control` would have to be for `text` to show whole in it as its caption (or,
// for lists and combo boxes, as one of its entries); 1 when it fits.
qreal textOverflow(const QWidget* control, const QString& text);
// The same for everything the control shows now: caption, title, entries.
qreal shownOverflow(const QWidget* control);
// The largest overflow of the controls placed on `window`.
qreal layoutOverflow(const QWidget* window);
// The controls placed by hand on `window` (not the inner parts of composite widgets), nested ones too.
QList<QWidget*> placedControls(const QWidget* window);
// Scales a window's size and the geometry of every control placed on it by `factor`.
void scaleLayout(QWidget* window, qreal factor);

} // namespace velkor
