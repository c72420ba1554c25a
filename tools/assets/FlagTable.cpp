#include "tools/assets/FlagTable.h"

#include <sstream>

#include "tools/assets/TableLines.h"

namespace {

// The arguments of each operation: a fixed head, then a cycle that repeats
// at least once ('c' a colour, 'n' a number).
struct Arguments {
    std::string head;
    std::string cycle;
};

const std::map<std::string, Arguments>& Operations() {
    static const std::map<std::string, Arguments> operations = {
        {"h", {"", "c"}},          {"hw", {"", "nc"}},          {"v", {"", "c"}},
        {"vw", {"", "nc"}},        {"poly", {"c", "nn"}},       {"rect", {"cnnnn", ""}},
        {"band", {"cnnnnn", ""}},  {"ray", {"cnnnnn", ""}},     {"tri", {"cn", ""}},
        {"nordic", {"cn", ""}},    {"cross", {"cn", ""}},       {"saltire", {"cn", ""}},
        {"plus", {"cnnnn", ""}},   {"disc", {"cnnn", ""}},      {"halves", {"ccnnn", ""}},
        {"oval", {"cnnnn", ""}},   {"star", {"cnnn", ""}},      {"starring", {"cnnnnn", ""}},
        {"hexagram", {"ccnnn", ""}}, {"crescent", {"cnnn", ""}}, {"sun", {"cnnnn", ""}},
        {"serrate", {"cnn", ""}},  {"checker", {"ccnnnnnn", ""}}, {"leaf", {"cnnn", ""}},
        {"union", {"nn", ""}},
    };
    return operations;
}

// The kinds of args values, or empty when that many do not fit.
std::string Expected(const Arguments& a, size_t args) {
    if (a.cycle.empty())
        return args == a.head.size() ? a.head : "";
    if (args <= a.head.size() || (args - a.head.size()) % a.cycle.size() != 0)
        return "";
    std::string expected = a.head;
    while (expected.size() < args)
        expected += a.cycle;
    return expected;
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

bool ReadNumber(const std::string& word, double* value) {
    try {
        size_t used = 0;
        *value = std::stod(word, &used);
        return used == word.size();
    } catch (...) {
        return false;
    }
}

}  // namespace

bool FlagTable::Load(const std::filesystem::path& file, std::string* error) {
    return ForEachTableLine(
        file, true, [this](const std::string& text, std::string* message) { return ParseLine(text, message); }, error);
}

// The line comes without its comment.
bool FlagTable::ParseLine(const std::string& line, std::string* error) {
    const std::vector<std::string> words = Words(line);
    if (words.empty())
        return true;
    if (words[0] == "colour") {
        int r, g, b;
        if (words.size() != 5 || std::sscanf((words[2] + " " + words[3] + " " + words[4]).c_str(), "%d %d %d", &r, &g,
                                             &b) != 3) {
            *error = "a colour needs a name and three numbers";
            return false;
        }
        colours_[words[1]] = Rgb(r, g, b);
        return true;
    }
    const size_t colon = line.find(':');
    int nation = -1;
    if (colon == std::string::npos || words.size() < 3 || std::sscanf(words[0].c_str(), "%d", &nation) != 1 ||
        nation < 0) {
        *error = "a flag line is: index tag : operations";
        return false;
    }
    Flag flag{words[1], {}};
    std::istringstream ops(line.substr(colon + 1));
    for (std::string text; std::getline(ops, text, ';');) {
        FlagOperation op;
        if (!ParseOperation(text, &op, error))
            return false;
        flag.operations.push_back(std::move(op));
    }
    flags_[nation] = std::move(flag);
    return true;
}

bool FlagTable::ParseOperation(const std::string& text, FlagOperation* op, std::string* error) const {
    const std::vector<std::string> words = Words(text);
    const auto operation = words.empty() ? Operations().end() : Operations().find(words[0]);
    if (operation == Operations().end()) {
        *error = "unknown operation '" + text + "'";
        return false;
    }
    op->name = words[0];
    const size_t args = words.size() - 1;
    const std::string expected = Expected(operation->second, args);
    if (expected.empty()) {
        *error = "wrong number of values in '" + text + "'";
        return false;
    }
    for (size_t i = 0; i < args; ++i) {
        const std::string& w = words[i + 1];
        if (expected[i] == 'c') {
            const auto c = colours_.find(w);
            if (c == colours_.end()) {
                *error = "unknown colour '" + w + "'";
                return false;
            }
            op->colours.push_back(c->second);
        } else {
            double v;
            if (!ReadNumber(w, &v)) {
                *error = "not a number: '" + w + "'";
                return false;
            }
            op->numbers.push_back(v);
        }
    }
    return true;
}

const Flag* FlagTable::Find(int nation) const {
    const auto f = flags_.find(nation);
    return f == flags_.end() ? nullptr : &f->second;
}
