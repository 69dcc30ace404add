#pragma once
// What the mail-merge selection window asks for, and the two conditions it
// comes to: the address condition A, evaluated for every address, and the
// contact condition C, evaluated for every contact person of a selected
// address (empty: one row per address, no contact persons).
//
//   MailingSelection s;
//   s.statusFrom = 1; s.statusTo = 3;
//   addressCondition(s);   // ADR:STATUS >= '1' AND ADR:STATUS <= '3'
//
// Texts the user typed are written as quoted literals ('' for an apostrophe),
// so they stay texts whatever they hold. Typed ranges (name, postal code) and
// the department search compare through UPPER(), as the lists sort: without
// regard to case, umlauts on their base letter.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velkora::documents {

enum class Comparison { AtLeast, Equal, AtMost };

struct MailingSelection {
    int statusFrom = 1;
    int statusTo = 8;
    std::int32_t numberFrom = 0;
    std::int32_t numberTo = 0; // 0: no address-number range
    std::string nameFrom;
    std::string nameTo; // empty: no name range
    int addressType = 0; // 0: all ("<...>"), else the type number
    std::string industry; // empty: all
    std::string country;
    std::string postalFrom;
    std::string postalTo; // empty: no postal-code range
    std::int32_t firstContact = 0; // day number; 0: none
    Comparison firstContactCompare = Comparison::AtLeast;
    std::int32_t lastContact = 0;
    Comparison lastContactCompare = Comparison::AtLeast;

    bool features = false; // "Merkmale"
    std::array<bool, 8> feature{};
    bool featuresAnd = false; // OR unless set
    double featureNumber = 0; // 0: none
    Comparison featureNumberCompare = Comparison::AtLeast;

    bool contacts = false; // "Kontakte"
    int contactType = 0;   // 0: all, else the contact type number
    std::string department;
    bool onlyEmail = false;
    bool onlyFax = false;
};

// The longest conditions the run accepts.
inline constexpr std::size_t kAddressConditionSize = 1023;
inline constexpr std::size_t kContactConditionSize = 254;

std::string addressCondition(const MailingSelection& selection);
std::string contactCondition(const MailingSelection& selection);

// `text` as a literal of the expression language: in single quotes, an
// apostrophe doubled.
std::string quotedLiteral(std::string_view text);

} // namespace velkora::documents
