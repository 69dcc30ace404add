#pragma once
// The editors of the current language's translation table: the list
// TransList (window "Translation"), titled with the file in use, and its
// form TransUpdate (window "Translate"), which names the kind of text a key
// translates. Windows translate themselves when they open, so a changed
// text shows in the windows opened afterwards.

#include "ui/browse/BrowseWindow.h"

namespace velkora::i18n {

browse::BrowseDeclaration translationListDeclaration();

class TransList : public browse::BrowseWindow {
    Q_OBJECT
public:
    explicit TransList(QWidget* parent = nullptr);
    ~TransList() override;
};

int updateTranslation(int request);

void registerTranslationEditors();

} // namespace velkora::i18n
