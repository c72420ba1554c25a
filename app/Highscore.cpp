#include "app/Highscore.h"

#include <filesystem>
#include <memory>

#include "platform/BinaryFile.h"
#include "platform/Path.h"

namespace {

template <typename T>
void WriteTable(BinaryFile& f, const std::array<T, kHighscoreEntries>& table) {
    for (T v : table)
        f.Write(v);
}

template <typename T>
void ReadTable(BinaryFile& f, std::array<T, kHighscoreEntries>& table) {
    for (T& v : table)
        f.Read(v);
}

}  // namespace

bool ReadHighscoreFile(const std::string& storedPath, HighscoreTables& tables) {
    std::unique_ptr<DiskFile> file = DiskFile::OpenRead(storedPath);
    if (!file)
        return false;
    HighscoreTables read;
    for (int i = 0; i < kHighscoreEntries; ++i) {
        file->ReadString(read.names[i]);
        file->ReadString(read.clubs[i]);
    }
    ReadTable(*file, read.level);
    ReadTable(*file, read.score);
    ReadTable(*file, read.season);
    ReadTable(*file, read.years);
    if (!file->Ok())
        return false;
    tables = std::move(read);
    return true;
}

bool WriteHighscoreFile(const std::string& storedPath, const HighscoreTables& tables) {
    std::error_code error;
    std::filesystem::create_directories(ResolvePath(storedPath).parent_path(), error);
    std::unique_ptr<DiskFile> file = DiskFile::OpenWrite(storedPath);
    if (!file)
        return false;
    for (int i = 0; i < kHighscoreEntries; ++i) {
        file->WriteString(tables.names[i]);
        file->WriteString(tables.clubs[i]);
    }
    WriteTable(*file, tables.level);
    WriteTable(*file, tables.score);
    WriteTable(*file, tables.season);
    WriteTable(*file, tables.years);
    return file->Commit();
}
