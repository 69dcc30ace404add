#include "addresses/contacts/ContactSource.h"

#include "data/FileServices.h"

namespace velkora::addresses {

ContactSource::ContactSource()
    : LimitedSource(data::files().QXADRTKP, "TKP:ADRNR",
                    browse::LimitedKey{kAllContactsKey, kAddressContactsKey}) {}

} // namespace velkora::addresses
