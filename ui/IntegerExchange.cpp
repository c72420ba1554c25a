#include "ui/IntegerExchange.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/PlayerMessages.h"
#include "ui/EditLine.h"

namespace {

// A notice with OK, "message" lit, and the warning icon of the game's refusals.
constexpr uint32_t kRefusalFlags = MSG_RED | MSG_OK | MSG_MESSAGE;
constexpr int kRefusalIcon = 1;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<int> ParseInteger(const std::string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    size_t digits = begin;
    if (digits < end && (text[digits] == '+' || text[digits] == '-'))
        ++digits;
    if (digits == end)
        return std::nullopt;
    for (size_t i = digits; i < end; ++i)
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    errno = 0;
    const long long value = std::strtoll(text.c_str() + begin, nullptr, 10);
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> ReadInteger(EditLine& edit) {
    if (std::optional<int> value = ParseInteger(edit.GetText()))
        return value;
    TellPlayer({kIntegerRefusalTitle, kIntegerRefusalText, kRefusalFlags, kRefusalIcon});
    edit.Focus();
    edit.SelectAll();
    return std::nullopt;
}

void WriteInteger(EditLine& edit, int value) { edit.SetText(std::to_string(value)); }
