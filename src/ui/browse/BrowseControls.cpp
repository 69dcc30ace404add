#include "ui/browse/BrowseControls.h"

#include "i18n/ControlTexts.h"
#include "i18n/gui/WindowTranslator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velkora::browse {

QPushButton* makeBrowseButton(QWidget* parent, const std::string& name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromStdString(name));
    button->setAutoDefault(false);
    return button;
}

BrowseControls buildBrowseControls(QWidget* window, const BrowseDeclaration& declaration) {
    BrowseControls c;
    c.sheet = new QTabWidget(window);
    c.sheet->setObjectName("CURRENTTAB");
    for (const auto& tab : declaration.tabs) {
        auto* pageWidget = new QWidget;
        pageWidget->setObjectName(QString::fromStdString(tab.name));
        auto* box = new QVBoxLayout(pageWidget);
        box->setContentsMargins(2, 2, 2, 2);
        c.sheet->addTab(pageWidget, tab.text);
    }

    c.searchPrompt = new QLabel(window);
    c.searchPrompt->setObjectName("LS:SEARCHPROMPT");
    c.searchEntry = new QLineEdit(window);
    c.searchEntry->setObjectName("LS:SEARCHSTRING");
    c.searchEntry->setMaxLength(static_cast<int>(Locator::kMaxChars));
    c.searchPrompt->setBuddy(c.searchEntry);
    // The prompt is the sort column's (translated) heading, set at run time:
    // not a design text of its own.
    i18n::setControlType(c.searchPrompt, i18n::VariableStringControl);
    const std::string& prefix = declaration.buttonPrefix;
    const std::string& suffix = declaration.buttonSuffix;
    c.insert = makeBrowseButton(window, prefix + "INSERT" + suffix, "New");
    c.change = makeBrowseButton(window, prefix + "CHANGE" + suffix, "Change");
    c.remove = makeBrowseButton(window, prefix + "DELETE" + suffix, "Delete");
    c.close = makeBrowseButton(window, "CLOSE", "Close");
    c.help = makeBrowseButton(window, "HELP", "Help");
    c.config = makeBrowseButton(window, "BRWCFGBUTTON", "Format...");
    c.config->setToolTip("Spalten einstellen (Alt+F12)");
    c.select = declaration.select != SelectButton::None
                   ? makeBrowseButton(window, declaration.selectName, "Select")
                   : nullptr;
    if (declaration.embedded) {
        // The window around it has these; hidden and nameless, so its own are found.
        for (QWidget* own :
             std::initializer_list<QWidget*>{c.searchPrompt, c.searchEntry, c.close, c.help, c.config}) {
            own->hide();
            own->setObjectName(QString());
        }
        c.sheet->setObjectName(QString());
        c.sheet->widget(0)->setObjectName(QString());
        c.sheet->tabBar()->hide();
    }

    auto* locatorRow = new QHBoxLayout;
    locatorRow->addWidget(c.searchPrompt);
    locatorRow->addWidget(c.searchEntry, 1);
    locatorRow->addStretch(1);
    locatorRow->addWidget(c.config);
    auto* buttonRow = new QHBoxLayout;
    c.extraButtons = new QHBoxLayout;
    buttonRow->addLayout(c.extraButtons);
    buttonRow->addStretch(1);
    if (c.select != nullptr)
        buttonRow->addWidget(c.select);
    for (auto* button : {c.insert, c.change, c.remove, c.close, c.help})
        buttonRow->addWidget(button);
    auto* main = new QVBoxLayout(window);
    main->addWidget(c.sheet, 1);
    main->addLayout(locatorRow);
    main->addLayout(buttonRow);
    return c;
}

} // namespace velkora::browse
