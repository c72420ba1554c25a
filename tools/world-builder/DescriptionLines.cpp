#include "tools/world-builder/DescriptionLines.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Splits at blanks outside quotes; the quotes themselves are dropped. A '#'
// where a word would start begins the comment; inside a word it is a letter.
bool SplitTokens(const std::string& text, std::vector<std::string>& tokens, std::string* message) {
    std::string token;
    bool inQuotes = false, started = false;
    for (char c : text) {
        if (c == '"') {
            inQuotes = !inQuotes;
            started = true;
        } else if (!inQuotes && !started && c == '#') {
            break;
        } else if (!inQuotes && IsBlank(c)) {
            if (started)
                tokens.push_back(token);
            token.clear();
            started = false;
        } else {
            token += c;
            started = true;
        }
    }
    if (inQuotes) {
        *message = "a quote is not closed";
        return false;
    }
    if (started)
        tokens.push_back(token);
    return true;
}

bool ParseInt(const std::string& text, int lo, int hi, int& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || v < lo || v > hi)
        return false;
    value = static_cast<int>(v);
    return true;
}

// "0.5", not "0.500000".
std::string ShortNumber(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(v));
    return text;
}

}  // namespace

bool DescriptionLine::Parse(const std::string& text, std::string* message) {
    keyword_.clear();
    words_.clear();
    settings_.clear();
    std::vector<std::string> tokens;
    if (!SplitTokens(text, tokens, message))
        return false;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const size_t eq = tokens[i].find('=');
        if (i == 0)
            keyword_ = tokens[i];
        else if (eq == std::string::npos || eq == 0)
            words_.push_back(tokens[i]);
        else if (!settings_.emplace(tokens[i].substr(0, eq), tokens[i].substr(eq + 1)).second) {
            *message = "setting '" + tokens[i].substr(0, eq) + "' given twice";
            return false;
        }
    }
    return true;
}

bool DescriptionLine::TakeWord(std::string& word) {
    if (words_.empty())
        return false;
    word = words_.front();
    words_.erase(words_.begin());
    return true;
}

bool DescriptionLine::TakeFlag(const std::string& flag) {
    for (auto it = words_.begin(); it != words_.end(); ++it)
        if (*it == flag) {
            words_.erase(it);
            return true;
        }
    return false;
}

bool DescriptionLine::TakeInt(const std::string& key, int lo, int hi, int& value, std::string* message) {
    const auto it = settings_.find(key);
    if (it == settings_.end())
        return true;
    const bool good = ParseInt(it->second, lo, hi, value);
    if (!good)
        *message = key + " must be a whole number from " + std::to_string(lo) + " to " + std::to_string(hi);
    settings_.erase(it);
    return good;
}

bool DescriptionLine::TakeFloat(const std::string& key, float lo, float hi, float& value, std::string* message) {
    const auto it = settings_.find(key);
    if (it == settings_.end())
        return true;
    char* end = nullptr;
    const float v = std::strtof(it->second.c_str(), &end);
    const bool good = !it->second.empty() && *end == '\0' && v >= lo && v <= hi;
    if (good)
        value = v;
    else
        *message = key + " must be a number from " + ShortNumber(lo) + " to " + ShortNumber(hi);
    settings_.erase(it);
    return good;
}

bool DescriptionLine::TakeText(const std::string& key, std::string& value) {
    const auto it = settings_.find(key);
    if (it == settings_.end())
        return false;
    value = it->second;
    settings_.erase(it);
    return true;
}

bool DescriptionLine::TakeIntList(const std::string& key, int lo, int hi, std::vector<int>& values,
                                  std::string* message) {
    std::string text;
    if (!TakeText(key, text))
        return true;
    values.clear();
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        int v = 0;
        if (!ParseInt(text.substr(start, comma - start), lo, hi, v)) {
            *message = key + " must list whole numbers from " + std::to_string(lo) + " to " + std::to_string(hi) +
                       ", separated by commas";
            return false;
        }
        values.push_back(v);
        if (comma == std::string::npos)
            return true;
        start = comma + 1;
    }
}

bool DescriptionLine::CheckAllTaken(std::string* message) const {
    if (!words_.empty()) {
        *message = "unknown word '" + words_.front() + "' for " + keyword_;
        return false;
    }
    if (!settings_.empty()) {
        *message = "unknown setting '" + settings_.begin()->first + "' for " + keyword_;
        return false;
    }
    return true;
}

bool DescriptionFile::Open(const std::filesystem::path& file, std::string* error) {
    file_ = file;
    lines_.clear();
    lineNumber_ = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        *error = file.string() + ": cannot be read";
        return false;
    }
    std::string text;
    while (std::getline(in, text))
        lines_.push_back(text);
    return true;
}

bool DescriptionFile::Next(DescriptionLine& line, std::string* error) {
    while (lineNumber_ < static_cast<int>(lines_.size())) {
        std::string message;
        if (!line.Parse(lines_[lineNumber_++], &message)) {
            *error = Where(message);
            return false;
        }
        if (!line.IsEmpty())
            return true;
    }
    return false;
}

bool DescriptionFile::ReadAll(const std::function<bool(DescriptionLine&)>& handle, std::string& message,
                              std::string* error) {
    DescriptionLine line;
    while (Next(line, error)) {
        if (!handle(line) || !line.CheckAllTaken(&message)) {
            if (!message.empty() || error->empty())
                *error = Where(message);
            return false;
        }
    }
    return error->empty();
}

std::string DescriptionFile::Where(const std::string& message) const { return WhereAt(lineNumber_, message); }

std::string DescriptionFile::WhereAt(int line, const std::string& message) const {
    return file_.string() + ":" + std::to_string(line) + ": " + message;
}
