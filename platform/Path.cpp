#include "platform/Path.h"

#include <optional>
#include <vector>

#include "platform/Text.h"

namespace fs = std::filesystem;

namespace {

std::optional<fs::path>& FolderOverride() {
    static std::optional<fs::path> folder;
    return folder;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

// The entry of dir that matches name without regard to case, or name itself.
std::string FindEntry(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    if (fs::exists(dir / name, ec))
        return name;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (SameIgnoringCase(entry, name))
            return entry;
    }
    return name;
}

std::vector<std::string> SplitComponents(const std::string& utf8) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : utf8) {
        if (c == '\\' || c == '/') {
            if (!current.empty())
                parts.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(std::move(current));
    return parts;
}

}  // namespace

fs::path ResolvePath(const std::string& storedPath) {
    const std::string utf8 = Cp1252ToUtf8(storedPath);
    const bool absolute = !utf8.empty() && utf8[0] == '/';
    fs::path result = absolute ? fs::path("/") : ProgramFolder();
    for (const std::string& part : SplitComponents(utf8)) {
        if (part == "." || part == "..")
            result /= part;
        else
            result /= FindEntry(result, part);
    }
    return result;
}

fs::path GetModulePath() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() / "corvanta" : exe;
}

const fs::path& ProgramFolder() {
    static const fs::path programFolder = GetModulePath().parent_path();
    const auto& override = FolderOverride();
    return override ? *override : programFolder;
}

void SetProgramFolder(const fs::path& folder) { FolderOverride() = folder; }
void ResetProgramFolder() { FolderOverride().reset(); }
