#include "fonts/sfnt_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace glyphora {
namespace {

constexpr std::uint32_t Tag(char a, char b, char c, char d) {
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(a)) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 8) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(d));
}

constexpr std::uint32_t kCollectionTag = Tag('t', 't', 'c', 'f');
constexpr std::uint32_t kOs2Tag = Tag('O', 'S', '/', '2');
constexpr std::uint32_t kTrueTypeVersion = 0x00010000;
constexpr std::uint32_t kCffVersion = Tag('O', 'T', 'T', 'O');
constexpr std::uint32_t kAppleTrueTypeVersion = Tag('t', 'r', 'u', 'e');
constexpr std::uint32_t kAppleType1Version = Tag('t', 'y', 'p', '1');

constexpr std::uint64_t kTableRecordSize = 16;
constexpr std::uint64_t kOffsetTableSize = 12;
constexpr std::uint64_t kUnicodeRangeOffset = 42;  // ulUnicodeRange1 within the OS/2 table
constexpr std::uint64_t kUnicodeRangeSize = 16;

std::uint32_t Be32(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}
std::uint16_t Be16(const std::uint8_t* p) { return static_cast<std::uint16_t>((p[0] << 8) | p[1]); }

// Bytes by offset from a buffer or a file; Read fails unless the whole range is present.
class MemoryBytes {
public:
    explicit MemoryBytes(std::span<const std::uint8_t> data) : data_(data) {}
    bool Read(std::uint64_t offset, std::uint8_t* out, std::uint64_t size) const {
        if (offset > data_.size() || size > data_.size() - offset) return false;
        if (size > 0) std::memcpy(out, data_.data() + offset, size);
        return true;
    }
    std::uint64_t Size() const { return data_.size(); }

private:
    std::span<const std::uint8_t> data_;
};

class FileBytes {
public:
    FileBytes(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
    bool Read(std::uint64_t offset, std::uint8_t* out, std::uint64_t size) const {
        if (offset > size_ || size > size_ - offset) return false;
        while (size > 0) {
            const ssize_t got = ::pread(fd_, out, size, static_cast<off_t>(offset));
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return false;  // error, or the file shrank under us
            out += got;
            offset += static_cast<std::uint64_t>(got);
            size -= static_cast<std::uint64_t>(got);
        }
        return true;
    }
    std::uint64_t Size() const { return size_; }

private:
    int fd_;
    std::uint64_t size_;
};

bool IsSfntVersion(std::uint32_t version) {
    return version == kTrueTypeVersion || version == kCffVersion ||
           version == kAppleTrueTypeVersion || version == kAppleType1Version;
}

template <typename Bytes>
std::optional<std::array<std::uint32_t, 4>> ReadSubset(const Bytes& bytes,
                                                       std::uint32_t face_index) {
    std::uint8_t header[kOffsetTableSize];
    if (!bytes.Read(0, header, sizeof header)) return std::nullopt;

    std::uint64_t face_offset = 0;
    if (Be32(header) == kCollectionTag) {
        // ttcf, version, numFonts, then numFonts 32-bit offsets.
        const std::uint32_t face_count = Be32(header + 8);
        if (face_index >= face_count) return std::nullopt;
        std::uint8_t offset_field[4];
        if (!bytes.Read(kOffsetTableSize + 4ull * face_index, offset_field, 4)) return std::nullopt;
        face_offset = Be32(offset_field);
        if (!bytes.Read(face_offset, header, sizeof header)) return std::nullopt;
    } else if (face_index != 0) {
        return std::nullopt;
    }
    // A collection's face is a plain sfnt; a collection inside a collection is not.
    if (!IsSfntVersion(Be32(header))) return std::nullopt;

    const std::uint64_t table_count = Be16(header + 4);
    const std::uint64_t directory_size = table_count * kTableRecordSize;
    const std::uint64_t directory_offset = face_offset + kOffsetTableSize;
    if (directory_offset > bytes.Size() || directory_size > bytes.Size() - directory_offset)
        return std::nullopt;
    std::vector<std::uint8_t> directory(directory_size);
    if (!bytes.Read(directory_offset, directory.data(), directory_size)) return std::nullopt;

    // Tables should be sorted by tag, but a linear scan also copes with files that are not.
    for (std::uint64_t i = 0; i < table_count; ++i) {
        const std::uint8_t* record = directory.data() + i * kTableRecordSize;
        if (Be32(record) != kOs2Tag) continue;
        const std::uint64_t table_offset = Be32(record + 8);
        const std::uint64_t table_length = Be32(record + 12);
        if (table_length < kUnicodeRangeOffset + kUnicodeRangeSize) return std::nullopt;
        std::uint8_t field[kUnicodeRangeSize];
        if (!bytes.Read(table_offset + kUnicodeRangeOffset, field, sizeof field))
            return std::nullopt;
        return std::array<std::uint32_t, 4>{Be32(field), Be32(field + 4), Be32(field + 8),
                                            Be32(field + 12)};
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::array<std::uint32_t, 4>> ReadUnicodeSubset(std::span<const std::uint8_t> data,
                                                              std::uint32_t face_index) {
    return ReadSubset(MemoryBytes(data), face_index);
}

std::optional<std::array<std::uint32_t, 4>> ReadUnicodeSubsetFromFile(const std::string& path,
                                                                      std::uint32_t face_index) {
    // Non-blocking, so that a FIFO under a font name cannot hang the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    std::optional<std::array<std::uint32_t, 4>> result;
    struct stat info {};
    // Only regular files: a device under a font name must not be read as one.
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0)
        result = ReadSubset(FileBytes(fd, static_cast<std::uint64_t>(info.st_size)), face_index);
    ::close(fd);
    return result;
}

}  // namespace glyphora
