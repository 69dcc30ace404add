#pragma once
// Information material: which materials the catalogue offers, and what a
// row of the sent-material list shows of its material and its address.
// The tables are opened by the caller; reading leaves their record buffers
// as they were, since the windows around share them.

#include "data/Tables.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velkora::reference {

// Offered unless obsolete or valid only until a day before `today`; a
// material without a valid-until date stays.
bool materialOffered(const data::Material& material, std::int32_t today);

// The material with identifier `prid`; nullopt when the catalogue lacks it.
std::optional<data::Material> findMaterial(const std::string& prid);

// The address a material was sent to as the list shows it:
// "NAME1 NAME2, LD PLZ ORT, STRASSE"; empty when the address is gone.
std::string sentToAddress(std::int32_t adrnr);

} // namespace velkora::reference
