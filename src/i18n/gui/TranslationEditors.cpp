#include "i18n/gui/TranslationEditors.h"

#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "i18n/TranslationKinds.h"
#include "shared/AppState.h"
#include "shared/Text.h"
#include "ui/browse/FormRequest.h"
#include "ui/browse/ViewSource.h"
#include "ui/form/RecordForm.h"

namespace velkora::i18n {
namespace {

form::RecordFormDeclaration translationForm() {
    form::RecordFormDeclaration d{"TransUpdate", "Translate", &data::files().qxTRL};
    d.insertTitle = "Adding a qxMSG Record";
    d.changeTitle = "Changing a qxMSG Record";
    auto shown = [](const char* field) {
        return [field](const data::RecordFile& f) { return QString::fromStdString(f.text(field)); };
    };
    d.fields = {{"QX1:TRLID", "ID"},
                {.name = "LS:TYPE",
                 .prompt = "Typ",
                 .shows =
                     [](const data::RecordFile& f) {
                         return QString::fromStdString(translationKind(clip(f.text("QX1:TRLID"))));
                     }},
                {.name = "QX1:ORGTXT", .prompt = "Original", .shows = shown("QX1:ORGTXT")},
                {"QX1:TRLTXT", "Text"},
                {"QX1:TRLMSG", "Message"},
                {"QX1:TRLTIP", "Tip"}};
    d.duplicateText = "TRLID";
    return d;
}

} // namespace

browse::BrowseDeclaration translationListDeclaration() {
    browse::BrowseDeclaration d;
    d.procedure = app::procedures::TranslationList;
    d.designFormat = "82L(1)|M~TRLID~@s32@98L(1)|M~TRLTXT~@s64@120L(1)|M~TRLMSG~@s255@";
    d.columns = {{{"QX1:TRLID", "ID", "@s32"}, ""},
                 {{"QX1:TRLTXT", "Text", "@s64"}, ""},
                 {{"QX1:TRLMSG", "Message", "@s255"}, ""}};
    d.keyOrder = browse::SortOrder{"QX1:QXTRL", "QX1:TRLID", 1};
    d.files = {&data::files().qxTRL};
    d.tabs = {{"TAB:2", "Übersetzung"}};
    d.form = "TransUpdate";
    d.buttonSuffix = "";
    return d;
}

TransList::TransList(QWidget* parent)
    : BrowseWindow(translationListDeclaration(), std::make_unique<browse::ViewSource>(data::files().qxTRL),
                   parent) {
    setWindowTitle("Übersetzung");
    if (!filesOpen())
        return;
    resize(720, 460);
    openBrowse();
    // After the translation: the file's name is no text of the table.
    setWindowTitle(windowTitle() + " [" + QString::fromStdString(clip(appState().TRLFILE + ".TPS")) + "]");
}

TransList::~TransList() = default;

int updateTranslation(int) {
    return form::RecordForm(translationForm()).run();
}

void registerTranslationEditors() {
    app::registerWindow(app::procedures::TranslationList, app::Instances::Single,
                        [] { return new TransList; });
    browse::registerForm("TransUpdate", updateTranslation);
}

} // namespace velkora::i18n
