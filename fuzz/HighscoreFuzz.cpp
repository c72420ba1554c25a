#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/Highscore.h"
#include "fuzz/FuzzProgramFolder.h"

namespace {

const std::filesystem::path kHighscoreFile = std::filesystem::path("Save") / "Highscore.dat";

bool SameTables(const HighscoreTables& a, const HighscoreTables& b) {
    return a.names == b.names && a.clubs == b.clubs && a.level == b.level && a.score == b.score &&
           a.season == b.season && a.years == b.years;
}

}  // namespace

// The bytes are the highscore file. A refused file leaves the tables as they
// were; read tables write back as the part of the file that was read.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const FuzzProgramFolder folder;
    folder.WriteFile(kHighscoreFile, data, size);
    HighscoreTables before;
    before.names[3] = "before";
    HighscoreTables tables = before;
    if (!ReadHighscoreFile(kHighscorePath, tables)) {
        if (!SameTables(tables, before))
            std::abort();
        return 0;
    }
    if (!WriteHighscoreFile(kHighscorePath, tables))
        std::abort();
    std::ifstream in(folder / kHighscoreFile, std::ios::binary);
    const std::vector<uint8_t> written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (written.size() > size || std::memcmp(written.data(), data, written.size()) != 0)
        std::abort();
    return 0;
}
