#include "mail/MailTextFile.h"

#include "data/files/LineFile.h"
#include "shared/Text.h"

namespace velkora::mail {

files::FileError loadTextFile(const std::string& path, std::string& text) {
    files::LineReader in;
    if (files::FileError error = in.open(path))
        return error;
    std::string loaded;
    bool first = true;
    std::string line;
    files::FileError error;
    while (!(error = in.next(line))) {
        if (!first)
            loaded += kLineBreak;
        loaded += clipped(line);
        first = false;
    }
    in.close();
    if (error.code != files::kRecordNotAvailable)
        return error;
    text = std::move(loaded);
    return {};
}

files::FileError saveTextFile(const std::string& path, const std::string& text) {
    files::LineWriter out;
    if (files::FileError error = out.create(path))
        return error;
    // The text control may hold CR LF, LF or CR line ends.
    const std::string lines = replaceAll(replaceAll(text, kLineBreak, "\n"), "\r", "\n");
    std::size_t start = 0;
    files::FileError error;
    while (!error && start <= lines.size()) {
        std::size_t end = lines.find('\n', start);
        if (end == std::string::npos)
            end = lines.size();
        error = out.write(std::string_view(lines).substr(start, end - start));
        start = end + 1;
    }
    out.close();
    return error;
}

} // namespace velkora::mail
