#include "app/data_files.h"

#include <system_error>

#include "app/atomic_file.h"
#include "unicode/builtin_data.h"

namespace glyphora {

DataFileResult WriteDataFileIfMissing(const std::filesystem::path& file, std::string_view bytes) {
    if (file.empty()) return DataFileResult::Failed;
    std::error_code ec;
    const auto link_status = std::filesystem::symlink_status(file, ec);
    if (std::filesystem::exists(link_status)) {
        // A link to a file counts as the file; a dangling link or a folder is in the way.
        return std::filesystem::is_regular_file(file, ec) ? DataFileResult::Kept
                                                          : DataFileResult::NotAFile;
    }
    if (bytes.size() <= 1) return DataFileResult::NoData;
    switch (WriteFileAtomically(file, bytes, AtomicWriteMode::CreateOnly)) {
        case AtomicWriteStatus::Written:
            return DataFileResult::Written;
        case AtomicWriteStatus::Exists:
            return DataFileResult::Kept;
        case AtomicWriteStatus::Failed:
            break;
    }
    return DataFileResult::Failed;
}

DataFilesResult PrepareDataFiles(const AppPaths& paths) {
    DataFilesResult result;
    result.names = WriteDataFileIfMissing(paths.name_data_file, builtin::NameData());
    result.entities = WriteDataFileIfMissing(paths.entity_data_file, builtin::EntityData());
    result.help = WriteDataFileIfMissing(paths.help_file, builtin::HelpData());
    return result;
}

}  // namespace glyphora
