// Feeds arbitrary bytes to the dBase reader as a table and its memo file.
// Input: 2 bytes length n of the table part, n bytes .DBF, the rest .dbt.
// Every record is read; a damaged file must give an error, nothing else.

#include "data/files/DbfTable.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
}

const std::string& folder() {
    static const std::string path = [] {
        char templ[] = "/tmp/velkora-fuzz-dbase-XXXXXX";
        const char* made = mkdtemp(templ);
        return std::string(made ? made : "/tmp");
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    std::size_t tableSize = data[0] | (std::size_t(data[1]) << 8);
    data += 2;
    size -= 2;
    if (tableSize > size)
        tableSize = size;
    const std::string name = folder() + "/F";
    writeFile(name + ".DBF", data, tableSize);
    writeFile(name + ".dbt", data + tableSize, size - tableSize);

    velkora::files::DbfTable table;
    if (table.open(name, velkora::files::DbfTable::Access::Read))
        return 0;
    velkora::files::DbfRecord row;
    for (std::uint32_t i = 0; i < table.count() && i < 10000; ++i)
        table.next(row);
    if (table.count() > 0)
        table.read(table.count(), row);
    return 0;
}
