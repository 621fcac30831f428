#include "plans/plan_query_window.h"

#include "lang/captions.h"
#include "lang/vocabulary.h"
#include "plans/plan_entry_window.h"
#include "plans/plan_line_model.h"
#include "plans/plan_listing.h"
#include "support/geometry.h"

#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace velkor::plans {

namespace {

// The detail panel waits below the window's edge until it is called in.
constexpr int DetailHiddenTop = 3500;
constexpr int ClientWidth = 9600;
constexpr int ClientHeight = 3450;

template <typename T> T* named(QWidget* parent, const char* name) {
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* b = named<QPushButton>(parent, name);
    b->setText(text);
    b->setGeometry(geometry);
    return b;
}

} // namespace

PlanQueryWindow::PlanQueryWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ctx(context) {
    build();
    const QScreen* shown = screen();
    const int screenWidth = shown ? shown->geometry().width() : 0;
    move((screenWidth - frameGeometry().width()) / 2, height() / 3);
    m_ctx.state.monthFlags.fill(false);
    applyLanguage(m_ctx.state.language);
}

void PlanQueryWindow::build() {
    setObjectName(QStringLiteral("Form5"));
    setFont(tahoma(8));
    setFixedSize(twipsRect(0, 0, ClientWidth, ClientHeight).size());
    setWindowTitle(QString::fromUtf8("Kayıt Sorgulama"));

    m_chooser = named<QListWidget>(this, "List2");
    m_chooser->setGeometry(twipsRect(120, 120, 1815, 3195));
    m_chooser->setSelectionMode(QAbstractItemView::SingleSelection);

    m_heading = named<QLabel>(this, "Label8");
    m_heading->setGeometry(twipsRect(2055, 120, 5745, 240));

    m_model = new PlanLineModel(this);
    m_list = named<QListView>(this, "List1");
    m_list->setGeometry(twipsRect(2055, 360, 5745, 2955));
    m_list->setModel(m_model);
    m_list->setUniformItemSizes(true); // thousands of lines lay out at once
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);

    m_newButton = button(this, "Command2", QStringLiteral("Yeni"), twipsRect(7920, 360, 1560, 375));
    m_editButton = button(this, "Command3", QString::fromUtf8("Düzelt"), twipsRect(7920, 795, 1560, 375));
    m_detailButton = button(this, "Command4", QStringLiteral("Detay"), twipsRect(7920, 1230, 1560, 375));
    m_deleteButton =
        button(this, "Command6", QString::fromUtf8("Seçilenleri Sil"), twipsRect(7920, 1665, 1560, 375));
    m_deleteAllButton =
        button(this, "Command1", QString::fromUtf8("Tüm Kayıtları Sil"), twipsRect(7920, 2940, 1560, 375));
    m_editButton->setEnabled(false);
    m_detailButton->setEnabled(false);
    m_deleteButton->setEnabled(false);

    m_detailPanel = named<QGroupBox>(this, "Frame3");
    m_detailPanel->setTitle(QStringLiteral("Detay"));
    m_detailPanel->setGeometry(twipsRect(0, DetailHiddenTop, ClientWidth, ClientHeight));
    m_detailPanel->setAutoFillBackground(true); // covers the lists when it is called in
    m_detailText = named<QPlainTextEdit>(m_detailPanel, "Text1");
    m_detailText->setGeometry(twipsRect(120, 240, 9360, 2580));
    m_detailText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_closeDetailButton =
        button(m_detailPanel, "Command5", QStringLiteral("Kapat"), twipsRect(8040, 2940, 1440, 375));
    m_detailPanel->raise();

    connect(m_chooser, &QAbstractItemView::pressed, this, [this](const QModelIndex& index) {
        if (index.isValid())
            choose(index.row());
    });
    connect(m_model, &PlanLineModel::ticksChanged, this, &PlanQueryWindow::updateDeleteButton);
    connect(m_deleteAllButton, &QPushButton::clicked, this, &PlanQueryWindow::deleteAll);
    connect(m_newButton, &QPushButton::clicked, this, &PlanQueryWindow::newPlan);
    connect(m_editButton, &QPushButton::clicked, this, &PlanQueryWindow::editSelected);
    connect(m_detailButton, &QPushButton::clicked, this, &PlanQueryWindow::showDetail);
    connect(m_closeDetailButton, &QPushButton::clicked, this, &PlanQueryWindow::hideDetail);
    connect(m_deleteButton, &QPushButton::clicked, this, &PlanQueryWindow::deleteTicked);
}

void PlanQueryWindow::applyLanguage(Language language) {
    lang::applyCaptions(this, lang::PlanQuery, language);
    // Words only: the chooser keeps the entry it had.
    const int row = m_chooser->currentRow();
    const bool selected = row >= 0 && m_chooser->item(row)->isSelected();
    m_chooser->clear();
    m_chooser->addItems(lang::planQueryChoices(language));
    if (row >= 0) {
        m_chooser->setCurrentRow(row, selected ? QItemSelectionModel::ClearAndSelect
                                               : QItemSelectionModel::NoUpdate);
    }
}

PlanStore PlanQueryWindow::store() const {
    return PlanStore(m_ctx.dataFile(QStringLiteral("myfile.kyt")));
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
    if (!m_ctx.state.monthFlags[month]) {
        const Loaded<QStringList> block = store().monthLines(month);
        if (!block.ok())
            return report(block.error);
        m_model->setLines(withBlockAppended(m_model->lines(), block.value));
        m_ctx.state.monthFlags[month] = true;
    }
    updateLineButtons();
}

void PlanQueryWindow::showToday() {
    const QDate today = m_ctx.clock->now().date();
    const Loaded<QStringList> block = store().dayLines(today.month(), today.day());
    if (!block.ok())
        return report(block.error);
    m_ctx.state.monthFlags.fill(false);
    m_model->setLines(withBlockAppended({}, block.value));
    updateLineButtons();
}

void PlanQueryWindow::showAll() {
    const Loaded<QList<PlanRecord>> plans = store().readPlans();
    if (!plans.ok())
        return report(plans.error);
    m_ctx.state.monthFlags.fill(true);
    m_model->setLines(allPlanLines(monthBlocks(plans.value)));
    m_deleteButton->setEnabled(false);
    updateLineButtons();
}

void PlanQueryWindow::clearList() {
    m_ctx.state.monthFlags.fill(false);
    m_model->clear();
    m_editButton->setEnabled(false);
    m_detailButton->setEnabled(false);
}

void PlanQueryWindow::reList() {
    const Loaded<QList<PlanRecord>> plans = store().readPlans();
    if (!plans.ok())
        return report(plans.error);
    m_model->setLines(relistLines(monthBlocks(plans.value), m_ctx.state.monthFlags));
}

void PlanQueryWindow::updateLineButtons() {
    const bool any = m_model->rowCount() > 0;
    m_editButton->setEnabled(any);
    m_detailButton->setEnabled(any);
}

void PlanQueryWindow::updateDeleteButton() {
    m_deleteButton->setEnabled(m_model->anyTicked());
}

std::optional<QString> PlanQueryWindow::selectedLine() const {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first().data(PlanLineModel::LineRole).toString();
}

void PlanQueryWindow::deleteAll() {
    // The same Turkish question in both languages.
    if (!m_ctx.prompter->ask(QStringLiteral("UYARI!"),
                             QString::fromUtf8("Tüm planlarınızı silmek istediğinizden emin misiniz?")))
        return;
    if (const IoResult cleared = store().clearPlans(); !cleared)
        return report(cleared.error);
    m_model->clear();
}

PlanEntryWindow* PlanQueryWindow::makeEntryWindow() {
    auto* entry = new PlanEntryWindow(m_ctx, this);
    connect(entry, &PlanEntryWindow::reListWanted, this, &PlanQueryWindow::reList);
    return entry;
}

void PlanQueryWindow::newPlan() {
    m_ctx.state.entryMode = QStringLiteral("yepnew");
    makeEntryWindow()->openModal();
}

void PlanQueryWindow::editSelected() {
    const std::optional<QString> line = selectedLine();
    if (!line)
        return;
    // The plan stays in the file while it is edited; saving replaces it.
    const Loaded<QList<PlanRecord>> plans = store().readPlans();
    if (!plans.ok())
        return report(plans.error);
    m_ctx.state.entryMode = QStringLiteral("old");
    m_ctx.state.selDay = line->mid(1, 2);
    m_ctx.state.selMonth = line->mid(5, 2);
    m_ctx.state.selHour = line->mid(9, 5);
    PlanEntryWindow* entry = makeEntryWindow();
    entry->editPlan(*line, lastTextFor(plans.value, *line).value_or(QString()));
    entry->openModal();
}

void PlanQueryWindow::showDetail() {
    const std::optional<QString> line = selectedLine();
    if (!line)
        return;
    // A plan no longer in the file shows an empty text.
    const Loaded<QString> text = store().findPlanText(*line);
    if (!text.ok())
        return report(text.error);
    m_detailText->setPlainText(text.value);
    m_detailPanel->move(0, 0);
    m_detailPanel->raise();
}

void PlanQueryWindow::hideDetail() {
    m_detailPanel->move(0, px(DetailHiddenTop));
}

void PlanQueryWindow::deleteTicked() {
    m_deleteButton->setEnabled(false);
    const QStringList lines = m_model->tickedLines();
    if (lines.isEmpty())
        return;
    if (const Loaded<QString> removed = store().removePlansByLine(lines); !removed.ok()) {
        report(removed.error);
        updateDeleteButton();
        return;
    }
    // Every plan shown as a ticked line has left the file, so every entry showing it goes too.
    m_model->removeLines(lines);
}

} // namespace velkor::plans
