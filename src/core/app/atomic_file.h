#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace glyphora {

// Whole-file reading and writing for the program's own small files. No call throws; every
// failure comes back as a status.

enum class FileReadStatus {
    Ok,
    Missing,   // nothing at the path
    NotAFile,  // a folder, device, pipe or socket is there
    TooLarge,  // larger than the caller's limit
    Failed,    // could not be opened or read
};

struct FileRead {
    FileReadStatus status = FileReadStatus::Failed;
    std::string bytes;  // the whole file when status is Ok
};

// Reads a regular file of at most max_size bytes. Opening never blocks (a pipe is refused).
FileRead ReadWholeFile(const std::filesystem::path& path, std::size_t max_size);

enum class AtomicWriteMode {
    Replace,     // replace what the path holds (through a symbolic link: the file it points to)
    CreateOnly,  // write only when nothing is at the path when the file is put in place
};

enum class AtomicWriteStatus {
    Written,
    Exists,  // CreateOnly found something at the path; it was not touched
    Failed,  // nothing at the path was changed
};

// Writes the bytes to a new file in the target's folder (creating the folder when missing),
// flushes it to disk and renames it over the target, so that the target holds either its old or
// its new content, never a part. A replaced file keeps its permission bits (a read-only file stays
// read-only) and, where allowed, its owner; a new file gets the usual mode (0666 less the umask).
AtomicWriteStatus WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                      AtomicWriteMode mode);

// Removes the temporary files that writes of the target left behind when their process was killed
// between creating and renaming them (the writer's process id is in the name; files of a process
// still running are left alone). Run at start-up, so no leftover outlives the next start.
void RemoveStaleTemporaries(const std::filesystem::path& target);

}  // namespace glyphora
