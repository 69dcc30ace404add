#pragma once
// How a letter for an address is named in the documents folder: the address
// number as a five-digit prefix, then a name (by default the next free
// document number of the address), once as the intermediate RTF file and
// once as the word-processor document.
//
//   const std::string prefix = documentPrefix(17);                 // "00017"
//   const std::string name = nextDocumentNumber(docsPath, prefix); // "00003"
//   if (!isValidDocumentName(name)) ...                            // "M.DOC_INVALIDNAME"
//   const DocumentFiles files = documentFiles(docsPath, prefix, name);

#include <cstdint>
#include <string>
#include <string_view>

namespace velkora::documents {

// The address number in five digits with leading zeros.
std::string documentPrefix(std::int32_t adrnr);

// The first number k (1 to 99999, five digits) for which no file of
// `docsPath` starts with prefix and k and ends in ".DOC" (either case);
// "00001" when there is none yet or every number is taken.
std::string nextDocumentNumber(const std::string& docsPath, std::string_view prefix);

// A name lies in the documents folder only: no folder separator of either
// kind, and no dot, which would make a second extension or climb out.
bool isValidDocumentName(std::string_view name);

struct DocumentFiles {
    std::string rtf; // the template engine's output
    std::string doc; // the word-processor document
};

DocumentFiles documentFiles(const std::string& docsPath, std::string_view prefix, std::string_view name);

} // namespace velkora::documents
