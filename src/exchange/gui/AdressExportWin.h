#pragma once
// The data-exchange window: OK opens the check list on the exchange file an
// earlier import left in MailPath, or says plainly that there is none.

#include <QWidget>

namespace velkora::exchange {

class AdressExportWin : public QWidget {
    Q_OBJECT
public:
    explicit AdressExportWin(QWidget* parent = nullptr);

private:
    void openCheckList();
};

} // namespace velkora::exchange
