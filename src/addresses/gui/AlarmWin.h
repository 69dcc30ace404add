#pragma once
// The alarm note (qxShowAlarm): shows the remark of the address, contact
// person or activity just selected whose alarm flag is set. The lists drive
// it through showAlarm(); it has no timer of its own.

#include <QWidget>
#include <string>

class QLabel;

namespace velkora::addresses {

// The process-wide alarm text (CSTRING(255)) the note shows.
std::string& alarmText();

// The alarm protocol of a list on a new selection, to be called only while
// alarms are switched on (GN:SHOWALARM) and the list is the active window:
// a set flag with a remark beeps, takes `remark` as the alarm text and opens
// or notifies the note; a blank flag or remark closes the note when it is open.
void showAlarm(const std::string& flag, const std::string& remark);
// Closes the note when it is open (a list that drives it closes).
void closeAlarm();

class AlarmWin : public QWidget {
    Q_OBJECT
public:
    explicit AlarmWin(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void showText();

    QLabel* text_;
    bool closed_ = false;
};

} // namespace velkora::addresses
