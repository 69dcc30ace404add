#pragma once
// The reminder list (RemindList): the to-dos due for reminding and the
// contacts' birthdays around today, refilled every minute, when it gets
// the focus and after an activity was changed from it. It closes itself
// when there is nothing to remind of. A double-click or Enter on a to-do
// opens the activity in its form.

#include "activities/Reminders.h"
#include "ui/form/FormFiles.h"

#include <QWidget>
#include <cstdint>
#include <vector>

class QTimer;
class QTreeWidget;

namespace velkora::activities {

class RemindListWin : public QWidget {
    Q_OBJECT
public:
    explicit RemindListWin(QWidget* parent = nullptr);
    ~RemindListWin() override;

    const std::vector<ReminderRow>& rows() const { return rows_; }
    // Wide enough for its columns and an address line beside them.
    QSize sizeHint() const override;

public slots:
    void refill();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void openSelected();

    QTreeWidget* list_;
    QTimer* timer_;
    form::FormFiles files_;
    std::vector<ReminderRow> rows_;
    bool filesOpen_ = false;
};

// The activity starter: opens activity `aktid` in the activity form (change);
// two beeps when it is gone. True when the form saved it.
bool openActivity(std::int32_t aktid);

} // namespace velkora::activities
