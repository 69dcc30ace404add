#include "addresses/PhoneIndex.h"
#include "addresses/Salutation.h"
#include "cli/Commands.h"

namespace velkora::cli {
namespace {

int formatName(const Invocation& call) {
    const ParsedArguments& args = call.arguments;
    call.out << FormatName(args.positional.front(), args.value("--name0"), args.value("--name1"),
                           args.value("--name2"), args.value("--namez"))
             << '\n';
    return kSuccess;
}

int phoneIndex(const Invocation& call) {
    call.out << TFX4TelFax(call.arguments.positional.front()) << '\n';
    return kSuccess;
}

} // namespace

CommandSpec formatNameCommand() {
    using Kind = OptionSpec::Kind;
    return {"format-name",
            Msg::FormatNameSummary,
            Msg::FormatNameHelp,
            {{"--name0", Kind::Value},
             {"--name1", Kind::Value},
             {"--name2", Kind::Value},
             {"--namez", Kind::Value}},
            1,
            1,
            formatName};
}

CommandSpec phoneIndexCommand() {
    return {"phone-index", Msg::PhoneIndexSummary, Msg::PhoneIndexHelp, {}, 1, 1, phoneIndex};
}

} // namespace velkora::cli
