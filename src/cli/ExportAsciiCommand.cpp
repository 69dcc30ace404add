#include "cli/Commands.h"
#include "data/files/DbfTable.h"
#include "documents/AsciiExport.h"
#include "documents/MailingFile.h"
#include "shared/AppState.h"

namespace velkora::cli {
namespace {

// A file the caller names, else the list of that name in MailPath.
std::string mailingList(const Invocation& call, const std::string& name) {
    const std::string given = call.callerPath(name);
    return fileExists(files::DbfTable::tableFileName(given)) ? given : documents::mailingFilePath(name);
}

int exportAscii(const Invocation& call) {
    const auto& args = call.arguments.positional;
    std::uint32_t written = 0;
    const files::FileError error =
        documents::exportAscii(mailingList(call, args[0]), call.callerPath(args[1]), &written);
    if (error)
        return call.failed(call.tr(Msg::ExportAsciiFailed, {error.text, std::to_string(error.code)}));
    call.out << call.tr(Msg::ExportAsciiWritten, {std::to_string(written)}) << '\n';
    return kSuccess;
}

} // namespace

CommandSpec exportAsciiCommand() {
    return {"export-ascii", Msg::ExportAsciiSummary, Msg::ExportAsciiHelp, {}, 2, 2, exportAscii};
}

} // namespace velkora::cli
