#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The line form of the world and sound description files: a keyword, then
// words and settings (key=value) separated by blanks; a word or value with
// blanks is put in double quotes; '#' at the start of a word starts a
// comment (inside a word it is a letter, as in the note F#3). A handler
// takes what it knows out of the line; whatever is left is an error.
class DescriptionLine {
public:
    // False with a message when a quote is not closed.
    bool Parse(const std::string& text, std::string* message);
    bool IsEmpty() const { return keyword_.empty(); }
    const std::string& Keyword() const { return keyword_; }

    // The next plain word, taken out; false when none is left.
    bool TakeWord(std::string& word);
    // Takes the plain word out when it is there.
    bool TakeFlag(const std::string& flag);
    // Each takes the setting out when it is there and leaves the value
    // unchanged otherwise; false with a message for a malformed value.
    bool TakeInt(const std::string& key, int lo, int hi, int& value, std::string* message);
    bool TakeFloat(const std::string& key, float lo, float hi, float& value, std::string* message);
    bool TakeText(const std::string& key, std::string& value);
    // Comma-separated numbers.
    bool TakeIntList(const std::string& key, int lo, int hi, std::vector<int>& values, std::string* message);
    // False with a message naming what nobody took.
    bool CheckAllTaken(std::string* message) const;

private:
    std::string keyword_;
    std::vector<std::string> words_;
    std::map<std::string, std::string> settings_;
};

// A description file read line by line; messages carry the file and line.
class DescriptionFile {
public:
    bool Open(const std::filesystem::path& file, std::string* error);
    // False at the end or on a malformed line (then error is set).
    bool Next(DescriptionLine& line, std::string* error);
    // Hands every line to handle, which must take all of it. False at the
    // first line it refuses, with error set: handle leaves its complaint in
    // message, or sets error itself and leaves message empty.
    bool ReadAll(const std::function<bool(DescriptionLine&)>& handle, std::string& message, std::string* error);
    int LineNumber() const { return lineNumber_; }
    // "file:line: message".
    std::string Where(const std::string& message) const;
    std::string WhereAt(int line, const std::string& message) const;

private:
    std::filesystem::path file_;
    std::vector<std::string> lines_;
    int lineNumber_ = 0;
};
