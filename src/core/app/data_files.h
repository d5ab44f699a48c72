#pragma once

#include <filesystem>
#include <string_view>

#include "app/paths.h"

namespace glyphora {

enum class DataFileResult {
    Written,   // was missing; now holds the built-in bytes
    Kept,      // a file was already there and was left as it is, whatever it holds
    NotAFile,  // a folder (or other non-file) is at the path; left alone
    NoData,    // the built-in data holds one byte or none, so nothing was written
    Failed,    // could not be written; nothing was left at the path
};

struct DataFilesResult {
    DataFileResult names = DataFileResult::Failed;
    DataFileResult entities = DataFileResult::Failed;
    DataFileResult help = DataFileResult::Failed;
};

// Writes bytes to file, unchanged, when nothing is at the path; creates the folder when needed.
// The file appears whole or not at all, and a file that turns up meanwhile is not overwritten:
// a user's own copy always wins.
DataFileResult WriteDataFileIfMissing(const std::filesystem::path& file, std::string_view bytes);

// Puts the name, entity and help files in place from the built-in data when they are missing.
DataFilesResult PrepareDataFiles(const AppPaths& paths);

}  // namespace glyphora
