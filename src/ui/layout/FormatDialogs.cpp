#include "ui/layout/FormatDialogs.h"

#include "i18n/ControlTexts.h"
#include "i18n/gui/WindowTranslator.h"
#include "shared/Prompter.h"
#include "ui/form/FormLayout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>
#include <type_traits>

namespace velkora::layout {
namespace {

constexpr char kJustLetters[] = {'D', 'L', 'C', 'R'};
const char* const kJustNames[] = {"Dec", "Left", "Center", "Right"};

struct FlagBox {
    char flag;
    const char* name;
    const char* text;
    const char* tip;
};
constexpr FlagBox kFlagBoxes[] = {
    {'F', "FIX", "Fix", "Fix all columns to the left when horizontal Scrolling"},
    {'_', "ULINE", "Uline", "Underline the current column"},
    {'|', "BORDER", "Border", "Right hand border line"},
    {'M', "RESIZE", "Resize", "Allow Column Resize with Mouse"},
};

using form::addRow;
using form::named;
using form::plainButton;

QSpinBox* spin(const char* name, int max, const char* tip = nullptr) {
    auto* s = named(new QSpinBox, name, tip);
    s->setRange(0, max);
    return s;
}

QComboBox* justBox(const char* name) {
    auto* box = named(new QComboBox, name);
    for (const char* text : kJustNames)
        box->addItem(text);
    return box;
}

int justIndex(char just) {
    for (int i = 0; i < 4; ++i)
        if (kJustLetters[i] == just)
            return i;
    return 1;
}

// The settings of one column, shared by both dialogs. It edits the column
// it is shown and reports each change through `changed`.
class ColumnEditor : public QWidget {
public:
    explicit ColumnEditor(std::function<void()> changed) : changed_(std::move(changed)) {
        header_ = named(new QLineEdit, "HEADER", "Change Column Header Text");
        header_->setMaxLength(20);
        headerOffset_ = spin("HOFFSET", 255);
        headerJust_ = justBox("HJUST");
        just_ = justBox("JUST");
        width_ = spin("WIDTH", 2000, "Change Column Width");
        dataOffset_ = spin("DOFFSET", 255);
        auto* grid = new QGridLayout(this);
        grid->setContentsMargins(0, 0, 0, 0);
        addRow(grid, "Header:", header_);
        addRow(grid, "Header Offset:", headerOffset_);
        addRow(grid, "Header Justification:", headerJust_);
        addRow(grid, "Justification:", just_);
        addRow(grid, "Width:", width_);
        addRow(grid, "Data Offset:", dataOffset_);
        auto* flags = new QHBoxLayout;
        for (const auto& f : kFlagBoxes) {
            auto* box = named(new QCheckBox(f.text), f.name, f.tip);
            flags->addWidget(box);
            boxes_.push_back(box);
            connect(box, &QCheckBox::toggled, this, [this, flag = f.flag](bool on) {
                if (column_ != nullptr && !loading_) {
                    column_->setFlag(flag, on);
                    changed_();
                }
            });
        }
        grid->addLayout(flags, grid->rowCount(), 0, 1, 2);
        connect(header_, &QLineEdit::textEdited, this,
                [this](const QString& text) { edit([&](ListColumn& c) { c.header = text.toStdString(); }); });
        connect(headerOffset_, &QSpinBox::valueChanged, this,
                [this](int v) { edit([&](ListColumn& c) { c.headerOffset = v; }); });
        connect(headerJust_, &QComboBox::currentIndexChanged, this,
                [this](int i) { edit([&](ListColumn& c) { c.headerJust = kJustLetters[i]; }); });
        connect(just_, &QComboBox::currentIndexChanged, this,
                [this](int i) { edit([&](ListColumn& c) { c.just = kJustLetters[i]; }); });
        connect(width_, &QSpinBox::valueChanged, this,
                [this](int v) { edit([&](ListColumn& c) { c.width = v; }); });
        connect(dataOffset_, &QSpinBox::valueChanged, this,
                [this](int v) { edit([&](ListColumn& c) { c.offset = v; }); });
    }

    void show(ListColumn* column) {
        column_ = column;
        loading_ = true;
        setEnabled(column != nullptr);
        if (column != nullptr) {
            header_->setText(QString::fromStdString(column->header));
            headerOffset_->setValue(column->headerOffset.value_or(0));
            headerJust_->setCurrentIndex(
                justIndex(column->headerJust != 0 ? column->headerJust : column->just));
            just_->setCurrentIndex(justIndex(column->just));
            width_->setValue(column->width);
            dataOffset_->setValue(column->offset.value_or(0));
            for (std::size_t i = 0; i < boxes_.size(); ++i)
                boxes_[i]->setChecked(column->hasFlag(kFlagBoxes[i].flag));
        }
        loading_ = false;
    }

private:
    template <class F> void edit(F&& change) {
        if (column_ == nullptr || loading_)
            return;
        change(*column_);
        changed_();
    }

    std::function<void()> changed_;
    ListColumn* column_ = nullptr;
    bool loading_ = false;
    QLineEdit* header_;
    QSpinBox* headerOffset_;
    QComboBox* headerJust_;
    QComboBox* just_;
    QSpinBox* width_;
    QSpinBox* dataOffset_;
    std::vector<QCheckBox*> boxes_;
};

// Font button and line height, shared by both dialogs.
QHBoxLayout* fontRow(FormatSession& session, QDialog* dialog) {
    auto* row = new QHBoxLayout;
    auto* font = plainButton("FONT", "F&ont", "Assign Font");
    auto* lineHeight = spin("LINEHEIGHT", 200, "Adjust Line Height");
    lineHeight->setValue(session.lineHeight);
    row->addWidget(font);
    row->addWidget(new QLabel("Line Height:"));
    row->addWidget(lineHeight);
    row->addStretch(1);
    QObject::connect(font, &QPushButton::clicked, dialog, [&session, dialog] {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(
            &ok, session.font, dialog,
            QString::fromStdString(i18n::translated(i18n::WindowControl, "Assign Font")));
        if (ok)
            session.font = chosen;
    });
    QObject::connect(lineHeight, &QSpinBox::valueChanged, dialog,
                     [&session](int v) { session.lineHeight = v; });
    return row;
}

ListColumn* columnAt(ListFormat& format, int index) {
    return index >= 0 && index < static_cast<int>(format.columns.size())
               ? &format.columns[static_cast<std::size_t>(index)]
               : nullptr;
}

} // namespace

ListColumn columnFor(const FormatSession& session, int field) {
    ListColumn column;
    const auto& choice = session.fields[static_cast<std::size_t>(field - 1)];
    column.width = 60;
    column.just = 'L';
    column.offset = 1;
    column.flags = "|M*";
    column.header = choice.description;
    // The format writes pictures between "@"s; a trailing justification
    // letter belongs to the column table, not to the picture.
    column.picture = choice.picture;
    if (!column.picture.empty() && column.picture.front() == '@')
        column.picture.erase(0, 1);
    if (!column.picture.empty() && std::string("LRC").find(column.picture.back()) != std::string::npos)
        column.picture.pop_back();
    column.field = field;
    return column;
}

bool moveColumn(ListFormat& format, int index, int step) {
    const int target = index + step;
    if (index < 0 || target < 0 || target >= static_cast<int>(format.columns.size())) {
        beep();
        return false;
    }
    // Columns keep the column-table entry they show wherever they stand.
    for (std::size_t i = 0; i < format.columns.size(); ++i)
        format.columns[i].field = format.fieldOf(i);
    std::swap(format.columns[static_cast<std::size_t>(index)],
              format.columns[static_cast<std::size_t>(target)]);
    format.normaliseFields();
    return true;
}

bool runListFormatDialog(FormatSession& session, int column, QWidget* parent) {
    FormatSession work = session;
    QDialog dialog(parent);
    dialog.setObjectName("ListFormatDialog");
    dialog.setWindowTitle("List Format");
    auto* chooser = named(new QComboBox, "COLUMN");
    i18n::setControlType(chooser, i18n::ComboControl); // the list's own headers
    auto* left = plainButton("MOVELEFT", "<..", "Move Left");
    auto* right = plainButton("MOVERIGHT", "..>", "Move Right");
    ColumnEditor* editor = nullptr;
    const auto fill = [&] {
        chooser->blockSignals(true);
        chooser->clear();
        for (const auto& c : work.format.columns)
            chooser->addItem(QString::fromStdString(c.header));
        chooser->setCurrentIndex(column);
        chooser->blockSignals(false);
        editor->show(columnAt(work.format, column));
    };
    editor = new ColumnEditor([&] { chooser->setItemText(column, chooser->currentText()); });
    QObject::connect(chooser, &QComboBox::currentIndexChanged, &dialog, [&](int i) {
        column = i;
        editor->show(columnAt(work.format, column));
    });
    QObject::connect(left, &QPushButton::clicked, &dialog, [&] {
        if (moveColumn(work.format, column, -1))
            --column;
        fill();
    });
    QObject::connect(right, &QPushButton::clicked, &dialog, [&] {
        if (moveColumn(work.format, column, +1))
            ++column;
        fill();
    });
    auto* standard = plainButton("STANDARD", "Standard", "Reset to default settings");
    auto* ok = plainButton("OK", "Ok");
    ok->setDefault(true);
    QObject::connect(standard, &QPushButton::clicked, &dialog, [&] {
        work.format = work.designed;
        column = std::min(column, static_cast<int>(work.format.columns.size()) - 1);
        fill();
    });
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(left);
    top->addWidget(chooser, 1);
    top->addWidget(right);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(standard);
    bottom->addStretch(1);
    bottom->addWidget(ok);
    auto* box = new QVBoxLayout(&dialog);
    box->addLayout(top);
    box->addWidget(editor);
    box->addLayout(fontRow(work, &dialog));
    box->addLayout(bottom);
    column = std::clamp(column, 0, std::max(0, static_cast<int>(work.format.columns.size()) - 1));
    i18n::TranslateWindow(&dialog, false);
    fill();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    session = work;
    return true;
}

bool runFormatListboxDialog(FormatSession& session, QWidget* parent) {
    FormatSession work = session;
    QDialog dialog(parent);
    dialog.setObjectName("FormatListboxDialog");
    dialog.setWindowTitle("Format Listbox...");
    auto* shown = named(new QTreeWidget, "DISPLAYLIST", "'Right Click to display field'");
    shown->setHeaderLabels({"Column", "Data"});
    shown->setRootIsDecorated(false);
    auto* available = named(new QTreeWidget, "FIELDLIST", "'Right Click to erase field'");
    available->setHeaderLabels({"Field", "Data"});
    available->setRootIsDecorated(false);
    auto* add = plainButton("ADDCOLUMN", "<< Add", "Add the field to the list");
    auto* hide = plainButton("HIDECOLUMN", "Hide >>", "Hide the column");
    auto* left = plainButton("MOVELEFT", "<..", "Move Left");
    auto* right = plainButton("MOVERIGHT", "..>", "Move Right");
    int column = 0;
    ColumnEditor* editor = nullptr;
    const auto fill = [&] {
        shown->clear();
        available->clear();
        for (std::size_t i = 0; i < work.format.columns.size(); ++i) {
            const int field = work.format.fieldOf(i);
            const auto& c = work.format.columns[i];
            const std::string data = field >= 1 && field <= static_cast<int>(work.fields.size())
                                         ? work.fields[field - 1].field
                                         : "";
            new QTreeWidgetItem(shown, {QString::fromStdString(c.header), QString::fromStdString(data)});
        }
        for (std::size_t f = 0; f < work.fields.size(); ++f)
            if (work.format.indexOfField(static_cast<int>(f) + 1) < 0) {
                auto* item =
                    new QTreeWidgetItem(available, {QString::fromStdString(work.fields[f].description),
                                                    QString::fromStdString(work.fields[f].field)});
                item->setData(0, Qt::UserRole, static_cast<int>(f) + 1);
            }
        if (column >= 0 && column < shown->topLevelItemCount())
            shown->setCurrentItem(shown->topLevelItem(column));
        editor->show(columnAt(work.format, column));
    };
    editor = new ColumnEditor([&] {
        if (auto* item = shown->topLevelItem(column))
            item->setText(
                0, QString::fromStdString(work.format.columns[static_cast<std::size_t>(column)].header));
    });
    QObject::connect(shown, &QTreeWidget::currentItemChanged, &dialog, [&](QTreeWidgetItem* item) {
        if (item == nullptr)
            return;
        column = shown->indexOfTopLevelItem(item);
        editor->show(columnAt(work.format, column));
    });
    QObject::connect(add, &QPushButton::clicked, &dialog, [&] {
        QTreeWidgetItem* item = available->currentItem();
        if (item == nullptr)
            return;
        for (std::size_t i = 0; i < work.format.columns.size(); ++i)
            work.format.columns[i].field = work.format.fieldOf(i);
        work.format.columns.push_back(columnFor(work, item->data(0, Qt::UserRole).toInt()));
        work.format.normaliseFields();
        column = static_cast<int>(work.format.columns.size()) - 1;
        fill();
    });
    QObject::connect(hide, &QPushButton::clicked, &dialog, [&] {
        // The last column stays: a list without columns shows nothing to click on.
        if (work.format.columns.size() <= 1 || columnAt(work.format, column) == nullptr) {
            beep();
            return;
        }
        for (std::size_t i = 0; i < work.format.columns.size(); ++i)
            work.format.columns[i].field = work.format.fieldOf(i);
        work.format.columns.erase(work.format.columns.begin() + column);
        work.format.normaliseFields();
        column = std::min(column, static_cast<int>(work.format.columns.size()) - 1);
        fill();
    });
    QObject::connect(left, &QPushButton::clicked, &dialog, [&] {
        if (moveColumn(work.format, column, -1))
            --column;
        fill();
    });
    QObject::connect(right, &QPushButton::clicked, &dialog, [&] {
        if (moveColumn(work.format, column, +1))
            ++column;
        fill();
    });

    auto* placement = new QWidget;
    placement->setVisible(work.placeable);
    auto* place = new QGridLayout(placement);
    place->setContentsMargins(0, 0, 0, 0);
    auto* x = spin("XPOS", 4000);
    auto* y = spin("YPOS", 4000);
    auto* w = spin("LISTWIDTH", 4000);
    auto* h = spin("LISTHEIGHT", 4000);
    x->setValue(work.placement.x());
    y->setValue(work.placement.y());
    w->setValue(work.placement.width());
    h->setValue(work.placement.height());
    place->addWidget(new QLabel("X:"), 0, 0);
    place->addWidget(x, 0, 1);
    place->addWidget(new QLabel("Y:"), 0, 2);
    place->addWidget(y, 0, 3);
    place->addWidget(new QLabel("Width:"), 1, 0);
    place->addWidget(w, 1, 1);
    place->addWidget(new QLabel("Height:"), 1, 2);
    place->addWidget(h, 1, 3);
    const auto placed = [&] { work.placement = QRect(x->value(), y->value(), w->value(), h->value()); };
    for (auto* s : {x, y, w, h})
        QObject::connect(s, &QSpinBox::valueChanged, &dialog, placed);
    auto* vscroll = named(new QCheckBox("&Vertical Scroll"), "VSCROLL");
    auto* hscroll = named(new QCheckBox("Hori&zontal Scroll"), "HSCROLL");
    vscroll->setChecked(work.vscroll);
    hscroll->setChecked(work.hscroll);
    QObject::connect(vscroll, &QCheckBox::toggled, &dialog, [&](bool on) { work.vscroll = on; });
    QObject::connect(hscroll, &QCheckBox::toggled, &dialog, [&](bool on) { work.hscroll = on; });
    auto* reset = plainButton("DEFAULT", "&Default", "Reset listbox back to default");
    auto* close = plainButton("CLOSE", "&Close");
    QObject::connect(reset, &QPushButton::clicked, &dialog, [&] {
        work.format = work.designed;
        column = 0;
        fill();
    });
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);

    auto* lists = new QHBoxLayout;
    auto* moves = new QVBoxLayout;
    for (auto* b : {add, hide, left, right})
        moves->addWidget(b);
    moves->addStretch(1);
    lists->addWidget(shown, 1);
    lists->addLayout(moves);
    lists->addWidget(available, 1);
    auto* scrolls = new QHBoxLayout;
    scrolls->addWidget(vscroll);
    scrolls->addWidget(hscroll);
    scrolls->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(reset);
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* box = new QVBoxLayout(&dialog);
    box->addLayout(lists, 1);
    box->addWidget(editor);
    box->addWidget(placement);
    box->addLayout(fontRow(work, &dialog));
    box->addLayout(scrolls);
    box->addLayout(bottom);
    i18n::TranslateWindow(&dialog, false);
    i18n::TranslateListHeaders(shown);
    i18n::TranslateListHeaders(available);
    fill();
    dialog.resize(640, 560);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    session = work;
    return true;
}

} // namespace velkora::layout
