#include "app/gui/QtPrompter.h"

#include "i18n/ControlTexts.h"

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
    const char* text; // design text, translated like any button's
};
constexpr ButtonMapping kButtons[] = {
    {ButtonOk, QMessageBox::Ok, "OK"},
    {ButtonYes, QMessageBox::Yes, "Yes"},
    {ButtonNo, QMessageBox::No, "No"},
    {ButtonAbort, QMessageBox::Abort, "Abort"},
    {ButtonRetry, QMessageBox::Retry, "Retry"},
    {ButtonIgnore, QMessageBox::Ignore, "Ignore"},
    {ButtonCancel, QMessageBox::Cancel, "Cancel"},
    {ButtonHelp, QMessageBox::Help, "Help"},
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
        if (buttons & b.bit) {
            QPushButton* button = box->addButton(b.standard);
            button->setProperty("velkoraButton", b.bit);
            button->setText(QString::fromStdString(i18n::translated(i18n::ButtonControl, b.text)));
        }
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
