#include "ui/common/geometry.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace velkor {

namespace {

qreal ratio(int needed, int available) {
    if (available <= 0)
        return needed > 0 ? 100.0 : 1.0;
    return std::max(1.0, static_cast<qreal>(needed) / available);
}

int lineWidth(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

qreal buttonOverflow(const QAbstractButton* button, const QString& text) {
    const QFontMetrics metrics = button->fontMetrics();
    const QStyle* style = button->style();
    if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button)) {
        const bool check = qobject_cast<const QCheckBox*>(button) != nullptr;
        const int indicator = style->pixelMetric(
            check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth, nullptr, button);
        const int spacing = style->pixelMetric(
            check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
        return ratio(indicator + spacing + lineWidth(metrics, text) + 2, button->width());
    }
    // The words are drawn inside the bevel; the style's own minimum width says nothing about them.
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
    return std::max(ratio(lineWidth(metrics, text) + 2 * frame + 2, button->width()),
                    ratio(lines * metrics.height(), button->height()));
}

qreal labelOverflow(const QLabel* label, const QString& text) {
    if (text.isEmpty() || label->textFormat() == Qt::RichText || label->pixmap().cacheKey() != 0)
        return 1.0;
    const QRect box =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    const QFontMetrics metrics = label->fontMetrics();
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 10000), Qt::TextWordWrap, text);
        return ratio(needed.height(), box.height());
    }
    const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
    return std::max(ratio(lineWidth(metrics, text), box.width()),
                    ratio(lines * metrics.height(), box.height()));
}

qreal comboOverflow(const QComboBox* combo, const QString& text) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QFontMetrics metrics = combo->fontMetrics();
    const QSize frame =
        combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(0, metrics.height()), combo);
    return ratio(frame.width() + lineWidth(metrics, text), combo->width());
}

qreal rowOverflow(const QAbstractItemView* view, const QString& text) {
    const QFontMetrics metrics(view->font());
    // An entry is drawn inside the focus frame's margins.
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const int frame = view->width() - view->viewport()->width();
    return ratio(lineWidth(metrics, text) + 2 * margin + frame, view->width());
}

bool placedByHand(const QWidget* parent) {
    // Only plain containers hold hand-placed controls; a combo box or a list is one control.
    return parent->layout() == nullptr &&
           (qobject_cast<const QGroupBox*>(parent) ||
            QByteArray(parent->metaObject()->className()) == "QWidget" ||
            QByteArray(parent->metaObject()->className()) == "QFrame" || parent->isWindow());
}

} // namespace

qreal textOverflow(const QWidget* control, const QString& text) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return buttonOverflow(button, text);
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return labelOverflow(label, text);
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return comboOverflow(combo, text);
    if (const auto* view = qobject_cast<const QAbstractItemView*>(control))
        return rowOverflow(view, text);
    if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
        // The title sits between two short runs of the frame.
        const int inset = 2 * group->fontMetrics().averageCharWidth();
        return ratio(lineWidth(group->fontMetrics(), text) + 2 * inset, group->width());
    }
    return 1.0;
}

qreal shownOverflow(const QWidget* control) {
    qreal most = 1.0;
    auto take = [&](const QString& text) { most = std::max(most, textOverflow(control, text)); };
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        take(button->text());
    } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
        take(label->text());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(control)) {
        take(group->title());
    } else if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        for (int i = 0; i < combo->count(); ++i)
            take(combo->itemText(i));
    } else if (const auto* view = qobject_cast<const QAbstractItemView*>(control)) {
        if (const QAbstractItemModel* model = view->model()) {
            for (int row = 0; row < model->rowCount(); ++row)
                take(model->index(row, 0).data().toString());
        }
    }
    return most;
}

QList<QWidget*> placedControls(const QWidget* window) {
    QList<QWidget*> placed;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        placed.append(child);
        if (placedByHand(child))
            placed.append(placedControls(child));
    }
    return placed;
}

qreal layoutOverflow(const QWidget* window) {
    qreal most = 1.0;
    for (const QWidget* control : placedControls(window))
        most = std::max(most, shownOverflow(control));
    return most;
}

void scaleLayout(QWidget* window, qreal factor) {
    if (factor <= 1.0)
        return;
    // Edges, not sizes, are scaled, so controls that met still meet.
    auto scaled = [factor](int length) { return static_cast<int>(std::ceil(length * factor)); };
    if (window->layout() != nullptr)
        return;
    for (QWidget* control : placedControls(window)) {
        const QRect r = control->geometry();
        const QPoint topLeft(scaled(r.x()), scaled(r.y()));
        const QPoint bottomRight(scaled(r.x() + r.width()), scaled(r.y() + r.height()));
        control->setGeometry(QRect(topLeft, bottomRight - QPoint(1, 1)));
    }
    const QSize size(scaled(window->width()), scaled(window->height()));
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(size);
    else
        window->resize(size);
}

} // namespace velkor
