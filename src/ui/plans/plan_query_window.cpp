#include "ui/plans/plan_query_window.h"

#include "core/lang/messages.h"
#include "core/lang/vocabulary.h"
#include "core/plans/plan_line_model.h"
#include "core/plans/plan_listing.h"
#include "ui/common/caption.h"
#include "ui/common/geometry.h"
#include "ui/common/growth.h"
#include "ui/common/keyboard.h"
#include "ui/common/transfer_button.h"
#include "ui/plans/plan_entry_window.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace velkor::plans {

namespace {

// The detail panel waits below the window's edge until it is called in.
constexpr int DetailHiddenTop = 3500;
constexpr int ClientWidth = 9600;
constexpr int ClientHeight = 3450;
// Where a plan line puts the day, the time and the text (from 0); an untimed plan's text starts later, still
// under the text's heading.
constexpr qsizetype DayColumn = 1;
constexpr qsizetype TimeColumn = 9;
constexpr qsizetype TextColumn = 17;

// The lines of some plans for a message: one a line, at most ten.
QString shortList(const QList<PlanRecord>& plans) {
    constexpr qsizetype Most = 10;
    QStringList lines;
    for (qsizetype i = 0; i < plans.size() && i < Most; ++i)
        lines.append(yazim(plans[i]).simplified());
    if (plans.size() > Most)
        lines.append(QStringLiteral("…"));
    return lines.join(u'\n');
}

template <typename T> T* named(QWidget* parent, const char* name) {
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(QWidget* parent, const char* name, QRect geometry) {
    auto* b = named<QPushButton>(parent, name);
    b->setGeometry(geometry);
    return b;
}

} // namespace

PlanQueryWindow::PlanQueryWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ctx(context), m_state(*context.state) {
    build();
    const QScreen* shown = screen();
    const int screenWidth = shown ? shown->geometry().width() : 0;
    move((screenWidth - frameGeometry().width()) / 2, height() / 3);
    // Worded in both languages on the way, so it fits either.
    lang::fitLayout(this);
    useKeyboard(this);
    alignHeading();
    // The lists take whatever room the user gives the window.
    auto* growth = new Growth(this);
    growth->add(m_choiceList, Growth::Taller);
    growth->add(m_headingLabel, Growth::Wider);
    growth->add(m_planList, Growth::Wider | Growth::Taller);
    for (QWidget* button : {m_newButton, m_editButton, m_detailButton, m_deleteButton})
        growth->add(button, Growth::FollowsRight);
    growth->add(m_deleteAllButton, Growth::FollowsRight | Growth::FollowsBottom);
    growth->add(findChild<TransferButton*>(), Growth::FollowsRight | Growth::FollowsBottom);
    growth->add(m_detailPanel, Growth::Wider | Growth::Taller);
    growth->add(m_detailBox, Growth::Wider | Growth::Taller);
    growth->add(m_closeDetailButton, Growth::FollowsRight | Growth::FollowsBottom);
}

void PlanQueryWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The detail panel waits below the edge, wherever the edge now is.
    if (m_detailPanel->y() > 0)
        hideDetail();
    alignHeading();
}

void PlanQueryWindow::build() {
    setObjectName(QStringLiteral("Form5"));
    setFont(tahoma(8));
    setFixedSize(twipsRect(0, 0, ClientWidth, ClientHeight).size());

    m_choiceList = named<QListWidget>(this, "List2");
    m_choiceList->setGeometry(twipsRect(120, 120, 1815, 3195));
    m_choiceList->setSelectionMode(QAbstractItemView::SingleSelection);

    // The lines keep their columns by character count, so they and their heading take a fixed-pitch font.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(font().pointSizeF());
    m_headingLabel = named<QLabel>(this, "Label8");
    m_headingLabel->setGeometry(twipsRect(2055, 120, 5745, 240));
    m_headingLabel->setFont(fixed);

    m_lineModel = new PlanLineModel(this);
    m_planList = named<QListView>(this, "List1");
    m_planList->setGeometry(twipsRect(2055, 360, 5745, 2955));
    m_planList->setModel(m_lineModel);
    m_planList->setFont(fixed);
    m_planList->setUniformItemSizes(true); // thousands of lines lay out at once
    m_planList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_planList->setEditTriggers(QAbstractItemView::NoEditTriggers);

    m_newButton = button(this, "Command2", twipsRect(7920, 360, 1560, 375));
    m_editButton = button(this, "Command3", twipsRect(7920, 795, 1560, 375));
    m_detailButton = button(this, "Command4", twipsRect(7920, 1230, 1560, 375));
    m_deleteButton = button(this, "Command6", twipsRect(7920, 1665, 1560, 375));
    m_deleteAllButton = button(this, "Command1", twipsRect(7920, 2940, 1560, 375));
    m_editButton->setEnabled(false);
    m_detailButton->setEnabled(false);
    m_deleteButton->setEnabled(false);
    new TransferButton(
        this, twipsRect(7920, 2490, 1560, 375), [this] { exchange(Exchange::ImportCalendar); },
        [this] { exchange(Exchange::ExportCalendar); });

    m_detailPanel = named<QGroupBox>(this, "Frame3");
    m_detailPanel->setGeometry(twipsRect(0, DetailHiddenTop, ClientWidth, ClientHeight));
    m_detailPanel->setAutoFillBackground(true); // covers the lists when it is called in
    m_detailBox = named<QPlainTextEdit>(m_detailPanel, "Text1");
    m_detailBox->setGeometry(twipsRect(120, 240, 9360, 2580));
    m_detailBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_closeDetailButton = button(m_detailPanel, "Command5", twipsRect(8040, 2940, 1440, 375));
    m_detailPanel->raise();

    connect(m_choiceList, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        if (index.isValid())
            choose(index.row());
    });
    connect(m_lineModel, &PlanLineModel::ticksChanged, this, &PlanQueryWindow::updateDeleteButton);
    connect(m_deleteAllButton, &QPushButton::clicked, this, &PlanQueryWindow::deleteAll);
    connect(m_newButton, &QPushButton::clicked, this, &PlanQueryWindow::newPlan);
    connect(m_editButton, &QPushButton::clicked, this, &PlanQueryWindow::editSelected);
    connect(m_detailButton, &QPushButton::clicked, this, &PlanQueryWindow::showDetail);
    connect(m_closeDetailButton, &QPushButton::clicked, this, &PlanQueryWindow::hideDetail);
    connect(m_deleteButton, &QPushButton::clicked, this, &PlanQueryWindow::deleteTicked);
}

void PlanQueryWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void PlanQueryWindow::retranslate() {
    setWindowTitle(tr("Record Query"));
    m_headingLabel->setText(tr("      Date    Hour    Record"));
    alignHeading();
    setCaption(m_newButton, tr("New"));
    setCaption(m_editButton, tr("Edit"));
    setCaption(m_detailButton, tr("Detail"));
    setCaption(m_deleteButton, tr("Delete Selected"));
    setCaption(m_deleteAllButton, tr("Delete All Records"));
    m_detailPanel->setTitle(tr("Detail"));
    // Not its title: that is the detail button's name.
    m_detailPanel->setAccessibleName(tr("Detail panel"));
    setCaption(m_closeDetailButton, tr("Close"));
    m_choiceList->setAccessibleName(tr("Months"));
    m_planList->setAccessibleName(tr("Records"));
    m_detailBox->setAccessibleName(tr("Record text"));
    // Words only: the chooser keeps the entry it had.
    const int row = m_choiceList->currentRow();
    const bool selected = row >= 0 && m_choiceList->item(row)->isSelected();
    m_choiceList->clear();
    m_choiceList->addItems(lang::planQueryChoices());
    if (row >= 0) {
        m_choiceList->setCurrentRow(row, selected ? QItemSelectionModel::ClearAndSelect
                                                  : QItemSelectionModel::NoUpdate);
    }
}

void PlanQueryWindow::alignHeading() {
    // Each word of the heading goes to the column of the lines it names, and the heading starts where the
    // lines' text does, past the tick box.
    const QStringList words = m_headingLabel->text().split(u' ', Qt::SkipEmptyParts);
    if (words.size() == 3) {
        QString text = QString(DayColumn, u' ') + words[0];
        text = (text + u' ').leftJustified(TimeColumn) + words[1];
        text = (text + u' ').leftJustified(TextColumn) + words[2];
        m_headingLabel->setText(text);
    }
    QStyleOptionViewItem item;
    item.initFrom(m_planList->viewport());
    item.font = m_planList->font();
    item.fontMetrics = QFontMetrics(item.font);
    item.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    item.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    item.text = m_headingLabel->text();
    item.rect = QRect(0, 0, m_planList->viewport()->width(), item.fontMetrics.height());
    const QStyle* style = m_planList->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_planList) + 1;
    const int left = m_planList->x() + m_planList->viewport()->x() +
                     style->subElementRect(QStyle::SE_ItemViewItemText, &item, m_planList).x() + margin;
    m_headingLabel->setGeometry(left, m_headingLabel->y(), m_planList->geometry().right() + 1 - left,
                                m_headingLabel->height());
}

PlanStore PlanQueryWindow::store() const {
    return PlanStore(planFileIn(m_ctx.dataDir));
}

void PlanQueryWindow::report(const QString& error) {
    m_ctx.prompter->fail(QString(), error);
}

void PlanQueryWindow::choose(int index) {
    if (index >= 0 && index < 12)
        addMonth(index + 1);
    else if (index == Today)
        showToday();
    else if (index == AllPlans)
        showAll();
    else if (index == ClearList)
        clearList();
}

void PlanQueryWindow::addMonth(int month) {
    if (!m_monthFlags[month]) {
        const Loaded<QList<PlanRecord>> plans = store().readPlans();
        if (!plans.ok())
            return report(plans.error);
        const Block block{month, 0};
        m_lineModel->setPlans(m_lineModel->plans() + listBlocks(plans.value, {block}));
        m_blocks.append(block);
        m_monthFlags[month] = true;
    }
    updateLineButtons();
}

void PlanQueryWindow::showToday() {
    const QDate today = m_ctx.clock->now().date();
    if (!showBlocks({{today.month(), today.day()}}))
        return;
    m_monthFlags.fill(false);
    updateLineButtons();
}

void PlanQueryWindow::showAll() {
    QList<Block> months;
    for (int month = 1; month <= 12; ++month)
        months.append({month, 0});
    if (!showBlocks(months))
        return;
    m_monthFlags.fill(true);
    m_deleteButton->setEnabled(false);
    updateLineButtons();
}

void PlanQueryWindow::clearList() {
    m_monthFlags.fill(false);
    m_blocks.clear();
    m_lineModel->clear();
    m_editButton->setEnabled(false);
    m_detailButton->setEnabled(false);
}

void PlanQueryWindow::reList() {
    showBlocks(relistBlocks(m_monthFlags));
}

void PlanQueryWindow::reRead() {
    showBlocks(m_blocks);
}

void PlanQueryWindow::exchange(Exchange what) {
    if (m_ctx.doors)
        m_ctx.doors->exchange(this, what);
}

bool PlanQueryWindow::showBlocks(const QList<Block>& blocks) {
    const Loaded<QList<PlanRecord>> plans = store().readPlans();
    if (!plans.ok()) {
        report(plans.error);
        return false;
    }
    m_blocks = blocks;
    m_lineModel->setPlans(listBlocks(plans.value, blocks));
    return true;
}

void PlanQueryWindow::updateLineButtons() {
    const bool any = m_lineModel->rowCount() > 0;
    m_editButton->setEnabled(any);
    m_detailButton->setEnabled(any);
}

void PlanQueryWindow::updateDeleteButton() {
    m_deleteButton->setEnabled(m_lineModel->anyTicked());
}

std::optional<ListedPlan> PlanQueryWindow::selectedPlan() const {
    const QModelIndexList rows = m_planList->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= m_lineModel->rowCount())
        return std::nullopt;
    return m_lineModel->plans().at(rows.first().row());
}

void PlanQueryWindow::deleteAll() {
    if (!m_ctx.prompter->askBeforeLoss(lang::deleteAllTitle(), lang::deleteAllQuestion()))
        return;
    if (const IoResult cleared = store().clearPlans(); !cleared)
        return report(cleared.error);
    m_lineModel->clear();
}

PlanEntryWindow* PlanQueryWindow::makeEntryWindow() {
    auto* entry = new PlanEntryWindow(m_ctx, this);
    connect(entry, &PlanEntryWindow::reListWanted, this, &PlanQueryWindow::reList);
    return entry;
}

void PlanQueryWindow::newPlan() {
    m_state.entryMode = EntryMode::YepNew;
    makeEntryWindow()->openModal();
}

void PlanQueryWindow::editSelected() {
    const std::optional<ListedPlan> selected = selectedPlan();
    if (!selected)
        return;
    // The plan stays in the file while it is edited; saving replaces it.
    m_state.entryMode = EntryMode::Old;
    // A plan of an odd date shows no date to hand on; it is edited all the same.
    if (const std::optional<LineDate> shown = lineDate(selected->line)) {
        m_state.selDay = shown->day;
        m_state.selMonth = shown->month;
    }
    PlanEntryWindow* entry = makeEntryWindow();
    entry->editPlan(selected->plan);
    entry->openModal();
}

void PlanQueryWindow::showDetail() {
    if (const std::optional<ListedPlan> selected = selectedPlan()) {
        m_detailBox->setPlainText(selected->plan.text);
        m_detailPanel->move(0, 0);
        m_detailPanel->raise();
    }
}

void PlanQueryWindow::hideDetail() {
    m_detailPanel->move(0, height() + 1);
}

void PlanQueryWindow::deleteTicked() {
    m_deleteButton->setEnabled(false);
    const QList<PlanRecord> chosen = m_lineModel->tickedPlans();
    if (chosen.isEmpty())
        return;
    const Loaded<QList<PlanRecord>> missing = store().removePlans(chosen);
    if (!missing.ok()) {
        report(missing.error);
        updateDeleteButton();
        return;
    }
    if (missing.value.isEmpty()) {
        m_lineModel->removeTicked();
        return;
    }
    // The file was changed behind the list's back: show it as it is now and say which plans were not found.
    showBlocks(m_blocks);
    m_ctx.prompter->warn(QString(), lang::plans::tickedPlansGone(shortList(missing.value)));
}

} // namespace velkor::plans
