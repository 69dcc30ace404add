#include "i18n/gui/WindowTranslator.h"

#include "i18n/ControlTexts.h"
#include "shared/AppState.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace velkora::i18n {
namespace {

constexpr const char* kTypeProperty = "velkoraControlType";
// The design texts, kept at the first translation so that a window
// translated again is keyed by its design texts, not by translations.
constexpr const char* kDesignProperty = "velkoraDesignTexts";
constexpr int kMaxHeadings = 64;

// Collects the translation of one window with the table open once.
class Translator {
public:
    Translator() : table_(openTranslationTable()), writeTrl_(appState().WRITETRL != 0) {}

    ControlTexts translate(QObject* control, int type, const ControlTexts& current) {
        const ControlTexts design = designTexts(control, current);
        return translateControl(table_.get(), type, design, writeTrl_);
    }

    // A text that is not one control's text alone (a tab, a heading).
    std::string translatePart(QObject* owner, const char* part, int type, const std::string& current) {
        const QVariant stored = owner->property(part);
        const std::string design = stored.isValid() ? stored.toString().toStdString() : current;
        if (!stored.isValid())
            owner->setProperty(part, QString::fromStdString(current));
        return translateControl(table_.get(), type, {design}, writeTrl_).text;
    }

    std::string heading(QObject* owner, int column, const std::string& current) {
        const QByteArray name = "velkoraDesignHeading" + QByteArray::number(column);
        const QVariant stored = owner->property(name.constData());
        const std::string design = stored.isValid() ? stored.toString().toStdString() : current;
        if (!stored.isValid())
            owner->setProperty(name.constData(), QString::fromStdString(current));
        return translateHeading(table_.get(), design, writeTrl_);
    }

private:
    static ControlTexts designTexts(QObject* control, const ControlTexts& current) {
        const QStringList stored = control->property(kDesignProperty).toStringList();
        if (stored.size() == 3)
            return {stored[0].toStdString(), stored[1].toStdString(), stored[2].toStdString()};
        control->setProperty(kDesignProperty, QStringList{QString::fromStdString(current.text),
                                                          QString::fromStdString(current.tip),
                                                          QString::fromStdString(current.msg)});
        return current;
    }

    std::unique_ptr<TranslationTable> table_;
    bool writeTrl_;
};

std::string str(const QString& s) {
    return s.toStdString();
}
QString qstr(const std::string& s) {
    return QString::fromStdString(s);
}

int explicitType(const QObject* control) {
    const QVariant v = control->property(kTypeProperty);
    return v.isValid() ? v.toInt() : 0;
}

bool namedLikeVariable(const QString& name) {
    return name.contains(':') && !name.endsWith(":PROMPT", Qt::CaseInsensitive);
}

int labelType(const QLabel* label) {
    if (label->buddy())
        return PromptControl;
    return namedLikeVariable(label->objectName()) ? VariableStringControl : StringControl;
}

template <typename Control> void translateWidget(Translator& t, Control* w, int type) {
    if (const int forced = explicitType(w))
        type = forced;
    const ControlTexts shown = t.translate(w, type, {str(w->text()), str(w->toolTip()), str(w->statusTip())});
    w->setText(qstr(shown.text));
    w->setToolTip(qstr(shown.tip));
    w->setStatusTip(qstr(shown.msg));
}

void translateGroup(Translator& t, QGroupBox* group) {
    const int type = explicitType(group)    ? explicitType(group)
                     : group->isCheckable() ? CheckControl
                                            : GroupControl;
    const ControlTexts shown =
        t.translate(group, type, {str(group->title()), str(group->toolTip()), str(group->statusTip())});
    group->setTitle(qstr(shown.text));
    group->setToolTip(qstr(shown.tip));
    group->setStatusTip(qstr(shown.msg));
}

void translateTabs(Translator& t, QTabWidget* tabs) {
    for (int i = 0; i < tabs->count(); ++i) {
        const QByteArray part = "velkoraDesignTab" + QByteArray::number(i);
        tabs->setTabText(i, qstr(t.translatePart(tabs, part.constData(), TabControl, str(tabs->tabText(i)))));
    }
}

// A drop list designed with fixed entries: its entries are its text.
void translateCombo(Translator& t, QComboBox* combo) {
    const int type = explicitType(combo)   ? explicitType(combo)
                     : combo->isEditable() ? DropComboControl
                                           : DropListControl;
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    const std::string text = t.translatePart(combo, "velkoraDesignItems", type, str(items.join('|')));
    const QStringList shown = qstr(text).split('|');
    if (shown.size() != combo->count())
        return; // a translation with another number of entries would shift the choices
    for (int i = 0; i < combo->count(); ++i)
        combo->setItemText(i, shown[i]);
}

void translateAction(Translator& t, QAction* action, int type) {
    if (action->isSeparator())
        return;
    if (const int forced = explicitType(action))
        type = forced;
    // An action's tooltip defaults to its text; only a tip of its own is design text.
    const QString ownTip =
        action->toolTip() == QString(action->text()).remove('&') ? QString() : action->toolTip();
    const ControlTexts shown =
        t.translate(action, type, {str(action->text()), str(ownTip), str(action->statusTip())});
    action->setText(qstr(shown.text));
    action->setToolTip(qstr(shown.tip));
    action->setStatusTip(qstr(shown.msg));
}

void translateMenu(Translator& t, QMenu* menu) {
    const ControlTexts shown = t.translate(menu->menuAction(), MenuControl,
                                           {str(menu->title()), {}, str(menu->menuAction()->statusTip())});
    menu->setTitle(qstr(shown.text));
    menu->menuAction()->setStatusTip(qstr(shown.msg));
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu())
            translateMenu(t, sub);
        else
            translateAction(t, action, MenuItemControl);
    }
}

// Widgets inside an MDI area belong to child windows that translate themselves.
bool insideChildWindow(const QWidget* w, const QWidget* window) {
    for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QMdiArea*>(p))
            return true;
    return false;
}

void translateControls(Translator& t, QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (insideChildWindow(w, window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            translateWidget(t, label, labelType(label));
        else if (auto* check = qobject_cast<QCheckBox*>(w))
            translateWidget(t, check, CheckControl);
        else if (auto* radio = qobject_cast<QRadioButton*>(w))
            translateWidget(t, radio, RadioControl);
        else if (auto* tool = qobject_cast<QToolButton*>(w)) {
            if (!tool->defaultAction()) // action buttons are translated through their action
                translateWidget(t, tool, ButtonControl);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w))
            translateWidget(t, button, ButtonControl);
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            translateGroup(t, group);
        else if (auto* tabs = qobject_cast<QTabWidget*>(w))
            translateTabs(t, tabs);
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            translateCombo(t, combo);
    }
}

void translateFrameParts(Translator& t, QMainWindow* frame) {
    if (frame->menuWidget())
        for (QMenu* menu : frame->menuWidget()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
            translateMenu(t, menu);
    for (QToolBar* bar : frame->findChildren<QToolBar*>())
        for (QAction* action : bar->actions())
            if (!action->menu())
                translateAction(t, action, ButtonControl);
}

} // namespace

void setControlType(QObject* control, int type) {
    control->setProperty(kTypeProperty, type);
}

void TranslateWindow(QWidget* window, bool whole) {
    if (!window)
        return;
    Translator t;
    const int type = qobject_cast<QMainWindow*>(window) ? ApplicationControl : WindowControl;
    const std::string title = t.translate(window, type, {str(window->windowTitle())}).text;
    window->setWindowTitle(qstr(title));
    if (whole)
        if (auto* frame = qobject_cast<QMainWindow*>(window))
            translateFrameParts(t, frame);
    translateControls(t, window);
}

void TranslateListHeaders(QAbstractItemView* list) {
    if (!list || !list->model())
        return;
    Translator t;
    QAbstractItemModel* model = list->model();
    const int columns = std::min(model->columnCount(), kMaxHeadings);
    for (int c = 0; c < columns; ++c) {
        const std::string heading = str(model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        model->setHeaderData(c, Qt::Horizontal, qstr(t.heading(list, c, heading)), Qt::DisplayRole);
    }
}

} // namespace velkora::i18n
