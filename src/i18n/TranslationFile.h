#pragma once
// The translation table as the record file qxTRL of the current language
// (appState().TRLFILE + ".TPS"), opened through its open counter.

#include "i18n/Translation.h"

#include <memory>

namespace velkora::i18n {

// nullptr when no translation file is named yet or it cannot be opened.
std::unique_ptr<TranslationTable> openTranslationFile();

} // namespace velkora::i18n
