#pragma once
// Records an e-mail that went out: the contact dates of the address (first
// contact when it had none, last contact today) and an activity of kind 2
// with the subject, attachment, recipient and message. A write that fails is
// shown ("PUT(QXADRESS)", "ADD(QXADRAKT)") and the rest goes on: the e-mail
// was sent all the same. QXADRESS and QXADRAKT must be open.

#include "mail/MailMessage.h"

#include <cstdint>

namespace velkora::mail {

inline constexpr std::uint8_t kMailActivityKind = 2;
inline constexpr std::uint8_t kNoToDoPriority = 254;

// The contact person a message is written to.
struct MailContact {
    std::int32_t adrnr = 0;
    std::int32_t tkpnr = 0;
};

// Writes the address's dates and adds the activity; false when either write failed (it was shown).
bool recordSentMail(const MailContact& contact, const MailMessage& message);

} // namespace velkora::mail
