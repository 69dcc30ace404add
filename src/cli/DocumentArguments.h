#pragma once
// Arguments the document commands share: a mailing list and a template,
// each given by name (found where the program keeps them) or as a file.

#include "cli/Command.h"

#include <string>

namespace velkora::cli {

// A list named without a folder lies in MailPath, as the program's mailing lists do.
std::string mailingListPath(const Invocation& call, const std::string& list);

// The template `--template` names: a bare name is one of the template folder,
// in either case, anything with a folder a file of its own; "" when missing.
std::string templateArgument(const Invocation& call);

} // namespace velkora::cli
