#include "app/gui/HelpWindow.h"

#include "i18n/gui/WindowTranslator.h"
#include "shared/AppState.h"
#include "shared/Prompter.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <cstring>

namespace velkora::app {
namespace {

constexpr const char* kHelpOnHelp =
    "<h2>How to Use Help</h2>"
    "<p>The help window shows the help file of the language chosen in the settings.</p>"
    "<ul><li>Click an underlined link to open its topic; Alt+Left returns to the previous topic.</li>"
    "<li>Type a word into <i>Search</i> and press Enter to find it in the topic shown; press Enter "
    "again for the next place.</li>"
    "<li>F1 opens the contents from every window.</li></ul>";

class HelpWindow : public QDialog {
public:
    HelpWindow() {
        setObjectName("HelpWindow");
        setWindowTitle("Hilfe");
        setAttribute(Qt::WA_DeleteOnClose);
        auto* layout = new QVBoxLayout(this);
        auto* prompt = new QLabel("Suchen", this);
        search_ = new QLineEdit(this);
        search_->setObjectName("HELPSEARCHTEXT");
        prompt->setBuddy(search_);
        browser_ = new QTextBrowser(this);
        browser_->setObjectName("HELPTEXT");
        browser_->setOpenExternalLinks(true);
        auto* row = new QHBoxLayout;
        row->addWidget(prompt);
        row->addWidget(search_, 1);
        layout->addLayout(row);
        layout->addWidget(browser_, 1);
        connect(search_, &QLineEdit::returnPressed, this, [this] {
            if (!browser_->find(search_->text())) {
                browser_->moveCursor(QTextCursor::Start); // from the top again
                browser_->find(search_->text());
            }
        });
        i18n::TranslateWindow(this, false);
        resize(640, 520);
    }

    void showPage(const char* page, const std::string& file) {
        if (std::strcmp(page, "onhelp") == 0)
            browser_->setHtml(kHelpOnHelp);
        else
            browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(file)));
        if (std::strcmp(page, "search") == 0)
            search_->setFocus();
    }

private:
    QLineEdit* search_;
    QTextBrowser* browser_;
};

} // namespace

void openHelp(const char* page) {
    const std::string file = joinPath(appState().INITPATH, appState().HELPFILE);
    if (std::strcmp(page, "onhelp") != 0 && !fileExists(file)) {
        ask("Help File:|" + file + "|NOT FOUND - CHECK SETTINGS!", "Velkora", Icon::Exclamation);
        return;
    }
    static QPointer<HelpWindow> window;
    if (!window)
        window = new HelpWindow;
    window->showPage(page, file);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace velkora::app
