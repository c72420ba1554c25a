#include "platform/FileSearch.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>

#include "platform/Path.h"
#include "platform/Text.h"

namespace fs = std::filesystem;

namespace {

Date LocalDate(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    return Date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

// The birth time where the file system keeps one, else the last write.
std::optional<FoundFile> Describe(const fs::path& path) {
    struct statx info {};
    if (statx(AT_FDCWD, path.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &info) != 0)
        return std::nullopt;
    FoundFile f;
    f.name = Utf8ToCp1252(path.filename().string());
    const size_t point = f.name.rfind('.');
    f.title = point == std::string::npos ? f.name : f.name.substr(0, point);
    f.folder = S_ISDIR(info.stx_mode);
    f.size = f.folder ? 0 : info.stx_size;
    const bool born = (info.stx_mask & STATX_BTIME) && info.stx_btime.tv_sec != 0;
    f.created = LocalDate(static_cast<std::time_t>(born ? info.stx_btime.tv_sec : info.stx_mtime.tv_sec));
    return f;
}

bool EndsWithType(const std::string& name, const std::string& type) {
    const std::string suffix = "." + LowerCp1252(type);
    return name.size() > suffix.size() && LowerCp1252(name.substr(name.size() - suffix.size())) == suffix;
}

bool Matches(const FoundFile& f, const std::string& type) {
    if (type.empty())
        return f.folder && f.name.find('.') == std::string::npos;
    return !f.folder && EndsWithType(f.name, type);
}

}  // namespace

std::vector<FoundFile> FindFiles(const std::string& storedFolder, const std::string& type, size_t limit) {
    std::vector<FoundFile> found;
    std::error_code error;
    for (fs::directory_iterator it(ResolvePath(storedFolder), error), end; !error && it != end; it.increment(error)) {
        std::optional<FoundFile> f = Describe(it->path());
        if (f && Matches(*f, type))
            found.push_back(std::move(*f));
    }
    std::sort(found.begin(), found.end(),
              [](const FoundFile& a, const FoundFile& b) { return LowerCp1252(a.name) < LowerCp1252(b.name); });
    if (found.size() > limit)
        found.resize(limit);
    return found;
}

std::optional<FoundFile> FindFile(const std::string& storedPath) { return Describe(ResolvePath(storedPath)); }
