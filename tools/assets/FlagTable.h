#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/Bitmap.h"

// The flags description file (data/flags.txt): named colours and, per
// nation index, the drawing operations of its flag. The file's head
// explains the operations.
struct FlagOperation {
    std::string name;
    std::vector<Colour> colours;
    std::vector<double> numbers;
};

struct Flag {
    std::string tag;  // a short name for the reader of the file
    std::vector<FlagOperation> operations;
};

class FlagTable {
public:
    // False, with a message naming the line, when the file is missing or a
    // line cannot be read (unknown colour or operation, wrong argument count).
    bool Load(const std::filesystem::path& file, std::string* error);

    // Null for a nation the file does not describe.
    const Flag* Find(int nation) const;

private:
    bool ParseLine(const std::string& line, std::string* error);
    bool ParseOperation(const std::string& text, FlagOperation* op, std::string* error) const;

    std::map<std::string, Colour> colours_;
    std::map<int, Flag> flags_;
};

// The flag drawn at width × height.
Bitmap DrawFlag(const Flag& flag, int width, int height);
