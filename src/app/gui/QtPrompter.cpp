#include "app/gui/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <memory>

namespace velkora::app {
namespace {

struct ButtonMapping {
    unsigned bit;
    QMessageBox::StandardButton standard;
};
constexpr ButtonMapping kButtons[] = {
    {ButtonOk, QMessageBox::Ok},         {ButtonYes, QMessageBox::Yes},
    {ButtonNo, QMessageBox::No},         {ButtonAbort, QMessageBox::Abort},
    {ButtonRetry, QMessageBox::Retry},   {ButtonIgnore, QMessageBox::Ignore},
    {ButtonCancel, QMessageBox::Cancel}, {ButtonHelp, QMessageBox::Help},
};

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Stop:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QMessageBox* buildMessageBox(const Prompt& prompt) {
    auto* box = new QMessageBox(QApplication::activeWindow());
    box->setObjectName("MESSAGEBOX");
    box->setWindowTitle(QString::fromStdString(prompt.caption));
    box->setText(QString::fromStdString(displayText(prompt.text)));
    box->setTextFormat(Qt::PlainText);
    box->setIcon(boxIcon(prompt.icon));
    const unsigned buttons = prompt.buttons ? prompt.buttons : unsigned(ButtonOk);
    for (const auto& b : kButtons)
        if (buttons & b.bit)
            box->addButton(b.standard)->setProperty("velkoraButton", b.bit);
    const unsigned preferred = defaultAnswer(Prompt{{}, {}, prompt.icon, buttons, prompt.defaultButton});
    for (const auto& b : kButtons)
        if (b.bit == preferred)
            box->setDefaultButton(b.standard);
    // Escape answers Cancel, No or OK, whichever the box has, like the platform's boxes.
    for (unsigned escape : {unsigned(ButtonCancel), unsigned(ButtonNo), unsigned(ButtonOk)})
        if (buttons & escape) {
            for (const auto& b : kButtons)
                if (b.bit == escape)
                    box->setEscapeButton(b.standard);
            break;
        }
    return box;
}

unsigned QtPrompter::ask(const Prompt& prompt) {
    std::unique_ptr<QMessageBox> box(buildMessageBox(prompt));
    box->exec();
    if (auto* clicked = box->clickedButton())
        return clicked->property("velkoraButton").toUInt();
    return defaultAnswer(prompt);
}

void QtPrompter::beep(int count) {
    for (int i = 0; i < count; ++i) {
        QApplication::beep();
        if (i + 1 < count)
            QThread::msleep(150);
    }
}

} // namespace velkora::app
