#include "addresses/TkpExchange.h"

namespace velkora::addresses {

data::ContactPerson& TkpExchange() {
    static data::ContactPerson exchange;
    return exchange;
}

} // namespace velkora::addresses
