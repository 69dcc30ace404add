#pragma once
// Plugs the address form and the contact form into the lists that call
// them by procedure name ("qxUpdateAdressMain", "qxUpdateTKP").

namespace velkora::addresses {

void registerAddressForms();

} // namespace velkora::addresses
