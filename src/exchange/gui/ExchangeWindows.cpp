#include "exchange/gui/ExchangeWindows.h"

#include "app/gui/Procedures.h"
#include "app/gui/WindowRegistry.h"
#include "exchange/ExchangeFile.h"
#include "exchange/gui/AdrImportListWin.h"
#include "exchange/gui/AdressExportWin.h"
#include "exchange/gui/DataImportWin.h"
#include "shared/AppState.h"

namespace velkora::exchange {

void registerExchangeWindows() {
    using app::Instances;
    namespace procedures = app::procedures;
    app::registerWindow(procedures::DataImport, Instances::Single, [] { return new DataImportWin; });
    app::registerWindow(procedures::DataExport, Instances::Single, [] { return new AdressExportWin; });
    app::registerWindow(procedures::AdressImportList, Instances::Single,
                        [] { return new AdrImportListWin(exchangeFileName(appState().MAILPATH)); });
}

} // namespace velkora::exchange
