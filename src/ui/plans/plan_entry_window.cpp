#include "ui/plans/plan_entry_window.h"

#include "core/base/console.h"
#include "core/lang/messages.h"
#include "core/lang/vocabulary.h"
#include "core/plans/plan_store.h"
#include "ui/common/caption.h"
#include "ui/common/fit_layout.h"
#include "ui/common/geometry.h"
#include "ui/common/keyboard.h"
#include "ui/common/typed_text.h"
#include "ui/plans/click_label.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace velkor::plans {

namespace {

// The slot showing a plan's time; -1 for a time that no slot shows (midnight, a hand-edited minute).
int slotShowing(int hour, int minute) {
    const int slot = hour * 2 + minute / 30;
    return slotTime(slot) == SlotTime{hour, minute} ? slot : -1;
}

template <typename T> T* named(QWidget* parent, const char* name) {
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

PlanEntryWindow::PlanEntryWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_ctx(context), m_state(*context.state), m_mode(m_state.entryMode) {
    // Load: nothing may read the plan file on a reminder tick while a plan is being changed.
    if (m_ctx.doors)
        m_ctx.doors->pauseReminders(true);
    m_state.planEntryOpen = true;
    build();
    // Worded in both languages on the way, so it fits either.
    lang::fitLayout(this);
    useKeyboard(this);
    placeOnScreen();
    if (m_mode == EntryMode::YepNew) {
        const QDate today = m_ctx.clock->now().date();
        chooseDay(today.day());
        chooseMonth(today.month());
    }
}

PlanEntryWindow::~PlanEntryWindow() {
    // Destroyed without closing (its owner went first): free the shared state, but the owner may be half
    // gone, so nobody is asked to rebuild a list.
    if (!m_unloaded) {
        m_unloaded = true;
        m_state.planEntryOpen = false;
        if (m_ctx.doors)
            m_ctx.doors->pauseReminders(false);
    }
}

void PlanEntryWindow::build() {
    setObjectName(QStringLiteral("Form3"));
    setFont(tahoma(8));
    setFixedSize(twipsRect(0, 0, 4800, 3360).size());

    m_dayLabel = named<QLabel>(this, "Label1");
    m_dayLabel->setGeometry(twipsRect(240, 180, 960, 255));
    m_monthLabel = named<QLabel>(this, "Label2");
    m_monthLabel->setGeometry(twipsRect(1440, 180, 960, 255));
    m_slotLabel = named<ClickLabel>(this, "Label3");
    m_slotLabel->setGeometry(twipsRect(2640, 180, 1200, 255));

    m_dayBox = named<QComboBox>(this, "Combo1");
    m_dayBox->setGeometry(twipsRect(240, 435, 960, 315));
    m_dayBox->addItems(lang::twoDigitNumbers(31));
    m_monthBox = named<QComboBox>(this, "Combo2");
    m_monthBox->setGeometry(twipsRect(1440, 435, 960, 315));
    m_monthBox->addItems(lang::twoDigitNumbers(12));
    m_monthBox->setEnabled(false);
    m_slotBox = named<QComboBox>(this, "Combo3");
    m_slotBox->setGeometry(twipsRect(2640, 435, 1200, 315));
    m_slotBox->addItems(timeSlots());
    m_slotBox->setEnabled(false);
    m_slotBox->setVisible(false);
    for (QComboBox* box : {m_dayBox, m_monthBox, m_slotBox}) {
        box->setMaxVisibleItems(12);
        box->setCurrentIndex(-1);
    }

    m_textBox = named<QPlainTextEdit>(this, "Text1");
    m_textBox->setGeometry(twipsRect(240, 930, 4320, 1620));
    m_textBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textBox->setEnabled(false);

    m_saveButton = named<QPushButton>(this, "Command2");
    m_saveButton->setGeometry(twipsRect(3360, 2700, 1200, 375));
    m_saveButton->setEnabled(false);

    // The enabling chain: day, then month, then time and text, then the button.
    connect(m_dayBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            m_monthBox->setEnabled(true);
        updateSaveButton();
    });
    connect(m_monthBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            m_slotBox->setEnabled(true);
            m_textBox->setEnabled(true);
            focusText();
        }
        updateSaveButton();
    });
    connect(m_slotBox, &QComboBox::currentIndexChanged, this, &PlanEntryWindow::focusText);
    connect(m_textBox, &QPlainTextEdit::textChanged, this, &PlanEntryWindow::updateSaveButton);
    connect(m_slotLabel, &ClickLabel::clicked, this, &PlanEntryWindow::toggleTimeBox);
    connect(m_saveButton, &QPushButton::clicked, this, &PlanEntryWindow::save);
}

void PlanEntryWindow::placeOnScreen() {
    const QScreen* shown = screen();
    const int screenWidth = shown ? shown->geometry().width() : 0;
    move(screenWidth - px(6000) - frameGeometry().width(), px(4500));
}

void PlanEntryWindow::retranslate() {
    setWindowTitle(editing() ? tr("Edit Record") : tr("Add Record"));
    setCaption(m_saveButton, editing() ? tr("Save") : tr("Add"));
    m_dayLabel->setText(tr("Day"));
    m_monthLabel->setText(tr("Month"));
    m_slotLabel->setText(tr("Hour"));
    m_slotLabel->setToolTip(tr("Click to choose an hour (click again to hide the box)"));
    // The label is clicked, so it is named by what the click does; the boxes by their labels.
    m_slotLabel->setAccessibleName(tr("Show or hide the hour"));
    m_dayBox->setAccessibleName(tr("Day"));
    m_monthBox->setAccessibleName(tr("Month"));
    m_slotBox->setAccessibleName(tr("Hour"));
    m_textBox->setAccessibleName(tr("Record text"));
    m_slotBox->setItemText(0, noTimeSlot());
}

void PlanEntryWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void PlanEntryWindow::chooseDay(int day) {
    m_dayBox->setCurrentIndex(day >= 1 && day <= m_dayBox->count() ? day - 1 : -1);
}

void PlanEntryWindow::chooseMonth(int month) {
    m_monthBox->setCurrentIndex(month >= 1 && month <= m_monthBox->count() ? month - 1 : -1);
}

void PlanEntryWindow::editPlan(const PlanRecord& plan) {
    m_stored = plan;
    chooseDay(plan.day);
    chooseMonth(plan.month);
    m_textBox->setPlainText(plan.text);
    if (plan.hasTime()) {
        // A time no slot shows leaves the box unchosen, but shown.
        m_slotBox->setCurrentIndex(slotShowing(plan.hour, plan.minute));
        m_slotBox->setVisible(true);
    }
    m_untouched = boxes();
}

void PlanEntryWindow::openModal() {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    show();
    activateWindow();
}

void PlanEntryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    focusText();
}

void PlanEntryWindow::focusText() {
    // Before the window is shown there is nothing to focus; that is not an error.
    if (m_textBox->isEnabled() && isVisible())
        m_textBox->setFocus();
}

void PlanEntryWindow::updateSaveButton() {
    // The chain already orders the input; the day and month checks guard a plan opened with no valid date.
    m_saveButton->setEnabled(!typedText(*m_textBox).isEmpty() && m_dayBox->currentIndex() >= 0 &&
                             m_monthBox->currentIndex() >= 0);
}

void PlanEntryWindow::toggleTimeBox() {
    // Hiding keeps the chosen slot.
    m_slotBox->setVisible(!m_slotBox->isVisible());
}

PlanRecord PlanEntryWindow::planFromControls() const {
    const SlotTime time = slotTime(m_slotBox->currentIndex());
    return {m_monthBox->currentIndex() + 1, m_dayBox->currentIndex() + 1, time.hour, time.minute,
            typedText(*m_textBox)};
}

PlanEntryWindow::Boxes PlanEntryWindow::boxes() const {
    return {m_dayBox->currentIndex(), m_monthBox->currentIndex(), m_slotBox->currentIndex(),
            typedText(*m_textBox)};
}

PlanRecord PlanEntryWindow::quoteSafePlan() {
    // The file cannot hold a double quote; the box shows what is stored.
    const QString safe = quoteSafe(typedText(*m_textBox));
    if (safe != typedText(*m_textBox))
        m_textBox->setPlainText(safe);
    return planFromControls();
}

Loaded<bool> PlanEntryWindow::store(const PlanRecord& plan) const {
    const PlanStore store(planFileIn(m_ctx.dataDir));
    if (m_stored)
        return store.replacePlan(*m_stored, plan);
    return {true, store.appendPlan(plan).error};
}

void PlanEntryWindow::save() {
    if (!m_saveButton->isEnabled())
        return;
    const Loaded<bool> stored = store(quoteSafePlan());
    if (!stored.ok()) {
        // The window stays open, so nothing typed is lost.
        m_ctx.prompter->fail(QString(), stored.error);
        return;
    }
    if (!stored.value) {
        m_ctx.prompter->warn(QString(), lang::plans::editedPlanGone());
    }
    m_saved = true;
    close();
}

bool PlanEntryWindow::hasUnsavedChanges() const {
    return m_untouched ? boxes() != *m_untouched : !typedText(*m_textBox).isEmpty();
}

bool PlanEntryWindow::saveUnsavedChanges() {
    // A plan needs a date: today's is the one the user is most likely to look at next.
    if (m_dayBox->currentIndex() < 0 || m_monthBox->currentIndex() < 0) {
        const QDate today = m_ctx.clock->now().date();
        if (m_dayBox->currentIndex() < 0)
            chooseDay(today.day());
        if (m_monthBox->currentIndex() < 0)
            chooseMonth(today.month());
        tellConsole(
            QStringLiteral("the plan being entered had no day or month chosen; it is stored for %1.%2.")
                .arg(m_dayBox->currentText(), m_monthBox->currentText()));
    }
    const PlanRecord plan = quoteSafePlan();
    const Loaded<bool> stored = store(plan);
    if (!stored.ok())
        return keepAside(plan, stored.error);
    // From now on the window stands for the stored plan: its button replaces it, a second exit adds nothing.
    m_stored = plan;
    m_untouched = boxes();
    return true;
}

bool PlanEntryWindow::keepAside(const PlanRecord& plan, const QString& error) {
    // Beside the plan file, in its layout, so the record can be carried back by hand; appending keeps the
    // plans of earlier failures.
    const QString aside = m_ctx.dataFile(
        QStringLiteral("myfile-%1.kyt").arg(m_ctx.clock->now().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
    const IoResult kept = PlanStore(aside).appendPlan(plan);
    tellConsole(QStringLiteral("the plan being entered could not be stored: %1").arg(error));
    if (kept) {
        tellConsole(QStringLiteral("it is kept in %1.").arg(QDir::toNativeSeparators(aside)));
        m_untouched = boxes();
    } else {
        tellConsole(
            QStringLiteral("nor could it be kept aside (%1). Its text:\n%2").arg(kept.error, plan.text));
    }
    return false;
}

void PlanEntryWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        unload();
}

void PlanEntryWindow::unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    // An edit closed without saving leaves the file as it was; the list is built again all the same.
    if (m_saved || m_stored || editing())
        emit reListWanted();
    m_state.planEntryOpen = false;
    if (m_ctx.doors)
        m_ctx.doors->pauseReminders(false);
}

PlanEntryWindow* openPlanEntry(AppContext& context, QWidget* parent) {
    auto* window = new PlanEntryWindow(context, parent);
    if (context.state->entryMode == EntryMode::New) {
        window->chooseDay(context.state->selDay);
        window->chooseMonth(context.state->selMonth);
    }
    window->openModal();
    return window;
}

} // namespace velkor::plans
