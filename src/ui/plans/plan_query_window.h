#pragma once

#include "core/lang/vocabulary.h"
#include "core/plans/plan_listing.h"
#include "core/plans/plan_store.h"
#include "ui/common/app_context.h"
#include "ui/common/fit_layout.h"

#include <QWidget>

#include <optional>

class QGroupBox;
class QLabel;
class QListView;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace velkor::plans {

class PlanEntryWindow;
class PlanLineModel;

// Lists plans by month, for today or all of them, and is where plans are changed, read in full and deleted
// (Form5).
class PlanQueryWindow final : public QWidget {
    Q_OBJECT
public:
    // The chooser's entries after the twelve months.
    enum Choice { Today = 12, AllPlans = 13, ClearList = 14 };

    explicit PlanQueryWindow(AppContext& context, QWidget* parent = nullptr);

    // Builds the list again from the flagged months, December's first; the plan entry window asks for it.
    void reList();
    // Lists the same choices again from the file, which changed elsewhere.
    void reRead();

    PlanLineModel* lineModel() const { return m_lineModel; }
    // The months chosen one by one, or all of them; a stored plan lists them again.
    const MonthFlags& monthFlags() const { return m_monthFlags; }

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void build();
    // Words only: the chooser keeps the entry it had.
    void retranslate();
    void alignHeading();
    void choose(int index);
    void addMonth(int month);
    void showToday();
    void showAll();
    void clearList();
    bool showBlocks(const QList<Block>& blocks);
    void updateLineButtons();
    void updateDeleteButton();

    void deleteAll();
    void newPlan();
    void editSelected();
    void showDetail();
    void hideDetail();
    void deleteTicked();
    void exchange(Exchange what);

    PlanEntryWindow* makeEntryWindow();
    std::optional<ListedPlan> selectedPlan() const;
    PlanStore store() const;
    void report(const QString& error);

    AppContext& m_ctx;
    SharedState& m_state;
    MonthFlags m_monthFlags{};
    PlanLineModel* m_lineModel = nullptr;
    // What the list shows, in order, so that it can be built again from the file.
    QList<Block> m_blocks;
    QListWidget* m_choiceList = nullptr;
    QListView* m_planList = nullptr;
    QLabel* m_headingLabel = nullptr;
    QPushButton* m_deleteAllButton = nullptr;
    QPushButton* m_newButton = nullptr;
    QPushButton* m_editButton = nullptr;
    QPushButton* m_detailButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QGroupBox* m_detailPanel = nullptr;
    QPlainTextEdit* m_detailBox = nullptr;
    QPushButton* m_closeDetailButton = nullptr;
};

} // namespace velkor::plans
