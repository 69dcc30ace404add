#include "addresses/forms/AddressForms.h"

#include "addresses/forms/AdrUpdateWin.h"
#include "addresses/forms/TKPUpdateWin.h"
#include "ui/browse/FormRequest.h"

namespace velkora::addresses {

void registerAddressForms() {
    browse::registerForm("qxUpdateAdressMain", qxUpdateAdressMain);
    browse::registerForm("qxUpdateTKP", qxUpdateTKP);
}

} // namespace velkora::addresses
