#pragma once
// vCard files (versions 2.1, 3.0 and 4.0) as address books and phones
// export them: the cards read into plain values, and cards written as 4.0.
//
//   for (const VCardContact& card : parseVCards(utf8Text)) use(card.org, card.tel);
//   out << vcard4(contact);

#include <string>
#include <string_view>
#include <vector>

namespace velkora::exchange {

struct VCardContact {
    std::string org;      // ORG's first component: the company
    std::string orgUnit;  // ORG's further components
    std::string fullName; // FN
    std::string family;   // N
    std::string given;
    std::string prefix; // N's honorific prefix
    std::string title;  // TITLE
    std::string street; // ADR (the work one first)
    std::string postalCode;
    std::string locality;
    std::string country;
    std::string tel; // a voice number, the work one first
    std::string fax;
    std::string email;
    std::string url;
    std::string note;
};

// The cards of a file's text (UTF-8): folded lines joined, quoted-printable
// values decoded (in their CHARSET, else UTF-8 when valid, else Windows-1252).
std::vector<VCardContact> parseVCards(std::string_view text);

// One card, version 4.0, lines folded at 75 bytes and ended by CR LF.
std::string vcard4(const VCardContact& contact);

} // namespace velkora::exchange
