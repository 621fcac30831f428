#include "ui/calendar/month_caption.h"

#include "core/lang/vocabulary.h"
#include "ui/calendar/day_grid.h"
#include "ui/common/geometry.h"

namespace velkor::calendar {

QLabel* addMonthCaption(QWidget* window, const QColor& background) {
    const int strip = px(240);
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->move(child->x(), child->y() + strip);
    window->setFixedSize(window->width(), window->height() + strip);

    auto* caption = new QLabel(window);
    caption->setObjectName(QStringLiteral("monthCaption"));
    caption->setGeometry(0, 0, window->width(), strip - px(15));
    caption->setAlignment(Qt::AlignCenter);
    caption->setFont(windowFont(true));
    caption->setAutoFillBackground(true);
    QPalette palette = caption->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, readableOn(background));
    caption->setPalette(palette);
    return caption;
}

void setMonthCaption(QLabel* caption, int year, int month) {
    caption->setText(lang::monthNames().value(month - 1) + u' ' + QString::number(year));
}

} // namespace velkor::calendar
