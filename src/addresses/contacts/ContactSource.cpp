#include "addresses/contacts/ContactSource.h"

#include "data/FileServices.h"

namespace velkora::addresses {

ContactSource::ContactSource()
    : LimitedSource(data::files().QXADRTKP, "TKP:ADRNR", LimitedKey{kAllContactsKey, kAddressContactsKey}) {}

} // namespace velkora::addresses
