#pragma once

#include <QFont>
#include <QRect>

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

} // namespace velkor
