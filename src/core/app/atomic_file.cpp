#include "app/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <optional>
#include <system_error>

namespace glyphora {

namespace {

// Closes a descriptor when it goes out of scope.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { Close(); }
    int get() const { return fd_; }
    bool Close() {
        if (fd_ < 0) return true;
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file a chain of symbolic links ends at (the path itself when it is no link). A loop gives
// nullopt.
std::optional<std::filesystem::path> FollowLinks(std::filesystem::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(path, ec)) return path;
        const std::filesystem::path target = std::filesystem::read_symlink(path, ec);
        if (ec) return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

std::string TemporaryPrefix(const std::filesystem::path& target) {
    // Appended piece by piece: GCC 12 warns wrongly (-Wrestrict) about "." + string.
    std::string prefix = ".";
    prefix += target.filename().string();
    prefix += ".tmp";
    return prefix;
}

// Creates a new, empty file beside the target with a name nobody else uses (O_EXCL). The kernel
// applies the umask to its mode, as for any new file.
std::optional<std::filesystem::path> CreateTemporary(const std::filesystem::path& target,
                                                     int* fd_out) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::string stem = TemporaryPrefix(target);
    stem += std::to_string(static_cast<long>(::getpid()));
    stem += '-';
    for (long attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate =
            target.parent_path() / (stem + std::to_string((now.tv_nsec + attempt) % 1000000000));
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            *fd_out = fd;
            return candidate;
        }
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

// Moves the temporary file to the target unless something is there. Returns 0, EEXIST or
// another error number.
int RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // A file system without the flag: a hard link fails just as atomically when the name is taken.
    if (::link(from.c_str(), to.c_str()) != 0) return errno;
    ::unlink(from.c_str());
    return 0;
}

void SyncFolder(const std::filesystem::path& folder) {
    const Fd fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

}  // namespace

FileRead ReadWholeFile(const std::filesystem::path& path, std::size_t max_size) {
    FileRead result;
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        // ENOTDIR: a part of the path is a file, so nothing can be at the path itself.
        const bool missing = errno == ENOENT || errno == ENOTDIR;
        result.status = missing ? FileReadStatus::Missing : FileReadStatus::Failed;
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return result;
    if (!S_ISREG(info.st_mode)) {
        result.status = FileReadStatus::NotAFile;
        return result;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > max_size) {
        result.status = FileReadStatus::TooLarge;
        return result;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return result;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > max_size) {  // grew while being read
            result.status = FileReadStatus::TooLarge;
            return result;
        }
    }
    result.status = FileReadStatus::Ok;
    result.bytes = std::move(bytes);
    return result;
}

AtomicWriteStatus WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                      AtomicWriteMode mode) {
    if (path.empty() || !path.has_filename()) return AtomicWriteStatus::Failed;
    std::filesystem::path target = path;
    if (mode == AtomicWriteMode::Replace) {
        // Renaming over a link would replace the link; the file it points to is what is meant.
        const auto followed = FollowLinks(path);
        if (!followed) return AtomicWriteStatus::Failed;
        target = *followed;
    }

    struct stat old_info {};
    const bool exists = ::lstat(target.c_str(), &old_info) == 0;
    if (exists) {
        if (mode == AtomicWriteMode::CreateOnly) return AtomicWriteStatus::Exists;
        if (!S_ISREG(old_info.st_mode)) return AtomicWriteStatus::Failed;
    } else if (errno != ENOENT) {
        return AtomicWriteStatus::Failed;
    }

    std::error_code ec;
    const std::filesystem::path folder = target.parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    if (ec) return AtomicWriteStatus::Failed;

    int raw_fd = -1;
    const auto temporary = CreateTemporary(target, &raw_fd);
    if (!temporary) return AtomicWriteStatus::Failed;
    Fd fd(raw_fd);
    bool ok = WriteAll(fd.get(), bytes);
    if (ok && exists) {
        // Only a privileged process may hand the file back to another owner; others keep theirs.
        // The owner goes first: a change of owner may clear mode bits.
        if (::fchown(fd.get(), old_info.st_uid, old_info.st_gid) != 0) {
        }
        ok = ::fchmod(fd.get(), old_info.st_mode & 07777) == 0;
    }
    ok = ok && ::fsync(fd.get()) == 0;
    ok = fd.Close() && ok;
    if (!ok) {
        ::unlink(temporary->c_str());
        return AtomicWriteStatus::Failed;
    }

    if (mode == AtomicWriteMode::Replace) {
        if (::rename(temporary->c_str(), target.c_str()) != 0) {
            ::unlink(temporary->c_str());
            return AtomicWriteStatus::Failed;
        }
    } else {
        const int error = RenameNoReplace(*temporary, target);
        if (error != 0) {
            ::unlink(temporary->c_str());
            return error == EEXIST ? AtomicWriteStatus::Exists : AtomicWriteStatus::Failed;
        }
    }
    SyncFolder(folder);
    return AtomicWriteStatus::Written;
}

void RemoveStaleTemporaries(const std::filesystem::path& target) {
    if (!target.has_filename()) return;
    const std::string prefix = TemporaryPrefix(target);
    std::error_code ec;
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    for (auto it = std::filesystem::directory_iterator(folder, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        // The rest is "<process id>-<number>".
        const std::string_view rest = std::string_view(name).substr(prefix.size());
        long pid = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
        const bool dash = end != rest.data() && end != rest.data() + rest.size() && *end == '-';
        if (error != std::errc() || !dash || pid <= 0) continue;
        // Unlinking never follows a link nor removes a folder.
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) ::unlink(it->path().c_str());
    }
}

}  // namespace glyphora
