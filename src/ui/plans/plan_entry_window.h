#pragma once

#include "core/base/io_result.h"
#include "core/base/unsaved_work.h"
#include "core/lang/vocabulary.h"
#include "core/plans/plan_record.h"
#include "ui/common/app_context.h"
#include "ui/common/fit_layout.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velkor::plans {

class ClickLabel;

// Adds one plan or changes one (Form3). Opened modal in the shared entry mode: New from a calendar day,
// YepNew for today, Old to change a listed plan. While it is loaded the reminders pause. At an
// exit nobody can answer, typed work is stored as the button would store it.
class PlanEntryWindow final : public QWidget, public UnsavedWork {
    Q_OBJECT
public:
    explicit PlanEntryWindow(AppContext& context, QWidget* parent = nullptr);
    ~PlanEntryWindow() override;

    // The openers' choice of day and month; a value the box does not hold leaves it unchosen.
    void chooseDay(int day);
    void chooseMonth(int month);
    // Old: fills the boxes from a listed plan. Saving then replaces exactly that plan; the file keeps it
    // untouched until then.
    void editPlan(const PlanRecord& plan);

    // Shows the window modal over the whole program and returns at once; the work is done when it closes.
    void openModal();

    bool editing() const { return m_mode == EntryMode::Old; }

    // A new plan's text, or an edit that changed any box.
    bool hasUnsavedChanges() const override;
    // Stores the plan and keeps the window open. A day or month not chosen is taken from today; a plan
    // the plan file cannot take goes to a file beside it. Both are said on stderr.
    bool saveUnsavedChanges() override;

signals:
    // The window closed after storing a plan or after an edit, so the plan lists are to be built again.
    void reListWanted();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();
    void build();
    void placeOnScreen();
    void focusText();
    void updateSaveButton();
    void toggleTimeBox();
    void save();
    void unload();
    PlanRecord planFromControls() const;
    PlanRecord quoteSafePlan();
    Loaded<bool> store(const PlanRecord& plan) const;
    bool keepAside(const PlanRecord& plan, const QString& error);

    // What the boxes hold: tells typed work from what the window was opened with.
    struct Boxes {
        int day, month, slot;
        QString text;
        bool operator==(const Boxes&) const = default;
    };
    Boxes boxes() const;

    AppContext& m_ctx;
    SharedState& m_state;
    EntryMode m_mode;
    // The plan in the file this window stands for: the one edited, or the one stored at a session end.
    std::optional<PlanRecord> m_stored;
    // The boxes as they stood when that plan was filled in or stored; none: a new plan, empty at start.
    std::optional<Boxes> m_untouched;
    bool m_saved = false;
    bool m_unloaded = false;

    QComboBox* m_dayBox = nullptr;
    QComboBox* m_monthBox = nullptr;
    QComboBox* m_slotBox = nullptr;
    QPlainTextEdit* m_textBox = nullptr;
    QPushButton* m_saveButton = nullptr;
    QLabel* m_dayLabel = nullptr;
    QLabel* m_monthLabel = nullptr;
    ClickLabel* m_slotLabel = nullptr;
};

// Opens plan entry in the shared entry mode, with the shared day and month chosen in New mode.
PlanEntryWindow* openPlanEntry(AppContext& context, QWidget* parent);

} // namespace velkor::plans
