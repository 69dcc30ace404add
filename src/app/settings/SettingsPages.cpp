#include "app/settings/SettingsPages.h"

#include "activities/gui/LampIcons.h"
#include "addresses/gui/StatusIcons.h"
#include "i18n/ControlTexts.h"
#include "i18n/gui/WindowTranslator.h"
#include "shared/Text.h"
#include "ui/form/FormLayout.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace velkora::app {
namespace {

enum ListPage {
    AdrArtPage = 6,
    AdrStatPage,
    AdrAnredePage,
    FeaturePage,
    TkpArtPage = 11,
    AktArtPage = 13,
    AktPriPage,
    AktStatPage,
};

// Keys "prefix1" to "prefixN", numbered in the window.
std::vector<WorkValue> numbered(const char* section, const char* prefix, int count, int width,
                                const std::vector<QIcon>& icons = {}) {
    std::vector<WorkValue> values;
    for (int i = 1; i <= count; ++i) {
        const auto icon = static_cast<std::size_t>(i - 1);
        values.push_back({section, prefix + std::to_string(i), width, nullptr,
                          icon < icons.size() ? icons[icon] : QIcon()});
    }
    return values;
}

std::vector<WorkValue> companyValues() {
    const struct {
        const char* key;
        const char* prompt;
        int width;
    } fields[] = {{"MName0", "MdtName0", 40},   {"MName1", "MdtName1", 40}, {"MName2", "MdtName2", 40},
                  {"MZusatz", "MdtZusatz", 40}, {"MLdPlz", "MdtLdPlz", 20}, {"MOrt", "MdtOrt", 40},
                  {"MStr", "MdtStr", 40},       {"MTel", "MdtTel", 40},     {"MFax", "MdtFax", 40},
                  {"MURL", "MdtURL", 40},       {"MeMail", "MdtEMail", 40}};
    std::vector<WorkValue> values;
    for (const auto& f : fields)
        values.push_back({"MANDT", f.key, f.width, f.prompt});
    return values;
}

} // namespace

const std::vector<SettingsPage>& settingsPages() {
    static const std::vector<SettingsPage> pages = {
        {"P.38_GENERAL", 1},   {"P.38_OPTIONS", 2},  {"P.38_DEFAULTS", 2}, {"P.38_SYSTEM", 2},
        {"P.38_MANDANT", 2},   {"P.38_ADRESSEN", 1}, {"P.38_ADRART", 2},   {"P.38_ADRSTAT", 2},
        {"P.38_ADRANREDE", 2}, {"P.38_ADRMM", 2},    {"P.38_KONTAKTE", 1}, {"P.38_TKPART", 2},
        {"P.38_TABAKT", 1},    {"P.38_AKTART", 2},   {"P.38_AKTPRI", 2},   {"P.38_AKTSTATUS", 2},
    };
    return pages;
}

std::vector<WorkValue> workValues(int index) {
    switch (index) {
    case CompanyPage:
        return companyValues();
    case AdrArtPage:
        return numbered("ADRART", "AdrArt", 8, 24);
    case AdrStatPage: {
        // The five states the address list marks beside their texts.
        std::vector<QIcon> icons = addresses::addressStatusIcons();
        icons.resize(5);
        return numbered("ADRSTAT", "AdrStatus", 8, 20, icons);
    }
    case AdrAnredePage:
        return numbered("ADRBRANR", "BrAnr", 8, 60);
    case FeaturePage: {
        std::vector<WorkValue> values = numbered("ADRMKM", "AdrMkm", 8, 40);
        values.push_back({"ADRMKM", "AdrMkmN", 40, "NumFeature"});
        return values;
    }
    case TkpArtPage:
        return numbered("ADRTKP", "AdrKArt", 8, 20);
    case AktArtPage:
        return numbered("AKTART", "AktArt", 8, 20);
    case AktPriPage:
        return numbered(
            "AKTPRI", "AktPri", 3, 20,
            activities::lampIcons({activities::RedLamp, activities::OrangeLamp, activities::YellowLamp}));
    case AktStatPage:
        return numbered("AKTSTAT", "AktStat", 8, 20);
    default:
        return {};
    }
}

QWidget* workValuesPage(const std::vector<WorkValue>& values, std::vector<QLineEdit*>& entries) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(1, 1);
    int row = 0;
    for (const WorkValue& value : values) {
        auto* entry = new QLineEdit;
        entry->setObjectName(QString::fromStdString("LS:" + upperText(value.key)));
        entry->setMaxLength(value.width);
        // As wide as its texts usually are, the longest ones scroll.
        entry->setMinimumWidth(entry->fontMetrics().averageCharWidth() * std::min(value.width, 40));
        entries.push_back(entry);
        QLabel* prompt =
            form::addField(grid, row, 0, value.prompt ? value.prompt : QString::number(row + 1), entry);
        if (!value.prompt) { // a number needs no translation, and stands right beside its entry
            i18n::setControlType(prompt, i18n::VariableStringControl);
            prompt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        if (!value.icon.isNull()) {
            auto* icon = new QLabel;
            icon->setPixmap(value.icon.pixmap(16, 16));
            grid->addWidget(icon, row, 2);
        }
        ++row;
    }
    grid->setRowStretch(row, 1);
    return page;
}

} // namespace velkora::app
