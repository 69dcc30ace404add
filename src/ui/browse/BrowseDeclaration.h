#pragma once
// What a list window declares about itself; the browse machinery
// (BrowseWindow) does the rest: page loading, scrolling, sorting by header
// click, the locator, the form calls with their navigation codes, the frame
// toolbar, and the saved column layout.
//
//   BrowseDeclaration d;
//   d.procedure = "qxBranchenListe";                     // window-file section
//   d.designFormat = "64L(1)|M*~BRANCHE~@s15@80L(1)|M*~BEZEICHNG~@s63@";
//   d.columns = {{"BRA:BRANCHE", "Branche", "@s15L"}, {"BRA:BEZEICHNG", "Bezeichnung", "@s63L"}};
//   d.form = "qxUpdateBranche";                          // registered with registerForm()
//   d.buttonSuffix = "";                                 // ?INSERT, ?CHANGE, ?DELETE
//   auto* w = new BrowseWindow(std::move(d), std::make_unique<ViewSource>(data::files().QXADRBRA));
//   w->openBrowse();
//
// The record files the list works with are named in `files`
// (d.files = {&data::files().QXADRBRA}): the window opens them as it is
// built, closing again those it opened when one fails (filesOpen() is then
// false and the window does not open its view), and closes them when it
// closes.
//
// Optional parts: sortMappings (a list's own order for a column), locate
// (how a locator text becomes the values the view is positioned at),
// buildRow (computed columns, icons, colours), icons, tabs, the Select
// button of lookup lists, embedding in another window, a list
// placement of its own.

#include "ui/browse/BrowsePage.h"
#include "ui/browse/BrowseSort.h"
#include "ui/layout/ListFormat.h"

#include <QIcon>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velkora::data {
class RecordFile;
}

namespace velkora::browse {

struct BrowseColumnDef : BrowseColumn {
    // The heading the list shows when it differs from the column table's
    // header (" .." over an icon column).
    std::string listHeader;
};

// Values for the leading order components to position the view at, for the
// locator text on the given locator field; nullopt when this field does not
// locate (the list is then re-read from the selected record).
using LocatorMapping =
    std::function<std::optional<std::vector<std::string>>(const std::string& field, const std::string& text)>;

struct BrowseTab {
    std::string name; // object name: "TAB:1"
    QString text;
};

// Whether a list offers ?SELECT, which hands the selected row to its caller
// and closes the list with response 1.
enum class SelectButton {
    None,
    Always,
    WhenSelecting, // enabled only while the list runs for request 4
};

struct BrowseDeclaration {
    std::string procedure;                // window procedure and window-file section
    std::string listName = "?Browse:1";   // suffix of the list's layout keys
    std::string designFormat;             // the list format as designed (ListFormat.h)
    std::vector<BrowseColumnDef> columns; // the column table, in order
    std::vector<data::RecordFile*> files; // opened while the window is open, in this order
    std::vector<SortMapping> sortMappings;
    // The order the list shows until the user sorts by a column (and while
    // no column is saved): a key of the file and the field its locator
    // fills; no header carries the sort marker then. Without it: column 1.
    std::optional<SortOrder> keyOrder;
    // The list shows its key order only (a source with one order, such as a
    // dBase file in record order): a heading click does not sort, no sort
    // column is restored, and there is no locator, as nothing is in order
    // to be found by.
    bool fixedOrder = false;
    LocatorMapping locate;    // default: the text itself
    RowBuilder buildRow;      // default: every column from its field and picture
    std::vector<QIcon> icons; // icon numbers 1..n of the rows
    std::string form;         // the update form's procedure; empty: none
    // A list without a form that deletes all the same: Delete asks the
    // standard delete question and calls this for the selected row (in the
    // source's buffer); false offers DeleteError's retry.
    std::function<bool(BrowseSource&)> deleteRow;
    std::string buttonPrefix;        // object names ?INSERT:2, ?CHANGE:2, ?DELETE:2
    std::string buttonSuffix = ":2"; // (a list of a form: AKINSERT, AKCHANGE, AKDELETE)
    std::vector<BrowseTab> tabs;     // the sheet's tabs; the list sits in the current one
    SelectButton select = SelectButton::None;
    std::string selectName = "SELECT"; // its object name
    // A list inside another window (the streets of the selected place in
    // the place list, the contacts on the address form): no locator row,
    // sheet tabs, Close, Help or format button of its own; window position
    // and frame toolbar belong to the window around it, which closes it
    // when it closes itself.
    bool embedded = false;
    // The list keeps the position and size within its sheet that the user
    // gave it ("Format Listbox...") instead of filling the sheet; they are
    // saved with its layout either way, but restored only then.
    bool remembersPlacement = false;
};

// The list format as designed, its columns headed as the column table
// heads them (by the list's own heading where one is declared).
layout::ListFormat designedFormat(const BrowseDeclaration& declaration);

// A row with every column formatted from its field by its picture.
BrowseRow pictureRow(const std::vector<BrowseColumnDef>& columns, const BrowseSource& source);

} // namespace velkora::browse
