#include "cli/DocumentArguments.h"

#include "documents/MailingFile.h"
#include "documents/TemplateList.h"
#include "shared/AppState.h"

namespace velkora::cli {

std::string mailingListPath(const Invocation& call, const std::string& list) {
    if (list.find('/') == std::string::npos)
        return documents::mailingFilePath(list);
    return call.callerPath(list);
}

std::string templateArgument(const Invocation& call) {
    const std::string given = call.arguments.value("--template");
    if (given.find('/') != std::string::npos)
        return fileExists(call.callerPath(given)) ? call.callerPath(given) : std::string();
    const auto list = documents::listTemplates(appState().TMPLPATH);
    const documents::TemplateEntry* entry = documents::findTemplate(list, given);
    return entry ? entry->TMPLFILENAME : std::string();
}

} // namespace velkora::cli
