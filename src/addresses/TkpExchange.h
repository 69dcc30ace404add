#pragma once
// The contact person handed between a caller and the contact form
// qxUpdateTKP: the caller fills it before the call, the form returns it
// changed on response 1 and untouched on response 2. The caller writes the file.

#include "data/Tables.h"

namespace velkora::addresses {

data::ContactPerson& TkpExchange();

} // namespace velkora::addresses
