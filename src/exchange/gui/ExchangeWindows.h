#pragma once
// Registers the import wizard, the check list and the data-exchange window.

namespace velkora::exchange {

void registerExchangeWindows();

} // namespace velkora::exchange
