#include "tools/assets/TableLines.h"

#include <fstream>

bool ForEachTableLine(const std::filesystem::path& file, bool mustExist, const TableLineParser& parse,
                      std::string* error) {
    std::ifstream in(file);
    if (!in) {
        if (mustExist)
            *error = "cannot open " + file.string();
        return !mustExist;
    }
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        std::string message;
        if (!parse(line.substr(0, line.find('#')), &message)) {
            *error = file.string() + ":" + std::to_string(number) + ": " + message;
            return false;
        }
    }
    return true;
}
