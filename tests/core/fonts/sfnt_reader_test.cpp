#include "fonts/sfnt_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "../app/temp_folder.h"

namespace glyphora {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Subset = std::array<std::uint32_t, 4>;

void Put16(Bytes& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v >> 8);
    out[at + 1] = static_cast<std::uint8_t>(v);
}
void Put32(Bytes& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
}
std::uint32_t TagOf(const char* tag) {
    return (std::uint32_t(std::uint8_t(tag[0])) << 24) |
           (std::uint32_t(std::uint8_t(tag[1])) << 16) |
           (std::uint32_t(std::uint8_t(tag[2])) << 8) | std::uint32_t(std::uint8_t(tag[3]));
}

// An OS/2 table of the given length with the Unicode subset field filled in.
Bytes Os2Table(const Subset& subset, std::size_t length = 96) {
    Bytes table(length, 0);
    for (std::size_t w = 0; w < 4; ++w)
        if (42 + 4 * w + 4 <= length) Put32(table, 42 + 4 * w, subset[w]);
    return table;
}

struct Table {
    const char* tag;
    Bytes data;
};

// A single-face sfnt placed at `base` within the final file (a collection puts faces at
// offsets), with table offsets counted from the start of that file.
Bytes Sfnt(const std::vector<Table>& tables, std::uint32_t version = 0x00010000,
           std::size_t base = 0) {
    const std::size_t directory_end = 12 + 16 * tables.size();
    Bytes out(directory_end, 0);
    Put32(out, 0, version);
    Put16(out, 4, static_cast<std::uint32_t>(tables.size()));
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const std::size_t record = 12 + 16 * i;
        Put32(out, record, TagOf(tables[i].tag));
        Put32(out, record + 8, static_cast<std::uint32_t>(base + out.size()));
        Put32(out, record + 12, static_cast<std::uint32_t>(tables[i].data.size()));
        out.insert(out.end(), tables[i].data.begin(), tables[i].data.end());
    }
    return out;
}

// A TrueType collection of faces, each given by its tables.
Bytes Collection(const std::vector<std::vector<Table>>& faces) {
    Bytes out(12 + 4 * faces.size(), 0);
    Put32(out, 0, TagOf("ttcf"));
    Put32(out, 4, 0x00010000);
    Put32(out, 8, static_cast<std::uint32_t>(faces.size()));
    for (std::size_t i = 0; i < faces.size(); ++i) {
        Put32(out, 12 + 4 * i, static_cast<std::uint32_t>(out.size()));
        const Bytes face = Sfnt(faces[i], 0x00010000, out.size());
        out.insert(out.end(), face.begin(), face.end());
    }
    return out;
}

constexpr Subset kSubset = {0xE00002FFu, 0x5200FFFBu, 0x00000029u, 0x80000000u};

const std::vector<Table> kFaceTables = {
    {"cmap", Bytes(20, 1)}, {"head", Bytes(54, 2)}, {"OS/2", Os2Table(kSubset)}};

TEST(SfntReader, ReadsTheSubsetOfTrueTypeAndCffFontsAndEachFaceOfACollection) {
    for (const char* version : {"\x00\x01\x00\x00", "OTTO", "true"})
        EXPECT_EQ(ReadUnicodeSubset(Sfnt(kFaceTables, TagOf(version)), 0), kSubset) << version;
    // The OS/2 table may stand anywhere in the directory.
    EXPECT_EQ(ReadUnicodeSubset(Sfnt({{"OS/2", Os2Table(kSubset)}, {"cmap", Bytes(8, 0)}}), 0),
              kSubset);
    const Subset second = {1, 2, 3, 4};
    const Bytes font =
        Collection({kFaceTables, {{"OS/2", Os2Table(second)}}, {{"cmap", Bytes(4, 0)}}});
    EXPECT_EQ(ReadUnicodeSubset(font, 0), kSubset);
    EXPECT_EQ(ReadUnicodeSubset(font, 1), second);
    EXPECT_EQ(ReadUnicodeSubset(font, 2), std::nullopt) << "face without OS/2";
    EXPECT_EQ(ReadUnicodeSubset(font, 3), std::nullopt) << "no such face";
    EXPECT_EQ(ReadUnicodeSubset(font, 0xFFFFFFFFu), std::nullopt);
}

TEST(SfntReader, RejectsWhatIsNoSoundFont) {
    struct Case {
        const char* what;
        Bytes data;
        std::uint32_t face = 0;
    };
    Bytes absurd_table = Sfnt(kFaceTables);
    Put32(absurd_table, 12 + 16 * 2 + 8, 0xFFFFFFF0u);  // OS/2 offset far beyond the file
    Bytes absurd_length = Sfnt(kFaceTables);
    Put32(absurd_length, 12 + 16 * 2 + 12, 0xFFFFFFFFu);  // length alone is no reason to fail
    Bytes many_tables = Sfnt(kFaceTables);
    Put16(many_tables, 4, 0xFFFF);  // directory larger than the file
    Bytes absurd_face = Collection({kFaceTables});
    Put32(absurd_face, 12, 0xFFFFFFF0u);
    Bytes huge_count = Collection({kFaceTables});
    Put32(huge_count, 8, 0xFFFFFFFFu);
    Bytes nested = Collection({kFaceTables});
    Put32(nested, 12, 0);  // the face points back at the collection header
    Bytes wrapped_offset = Sfnt(kFaceTables);
    Put32(wrapped_offset, 12 + 16 * 2 + 8, 0xFFFFFFFFu);  // offset + 42 wraps in 32 bits

    const Case cases[] = {
        {"empty", {}},
        {"text", Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!', '!'}},
        {"unknown version", Sfnt(kFaceTables, TagOf("wOFF"))},
        {"face index in a single-face file", Sfnt(kFaceTables), 1},
        {"no OS/2 table", Sfnt({{"cmap", Bytes(20, 0)}})},
        // The bytes after the short table are in the file, but not in the table.
        {"OS/2 too short for the field",
         Sfnt({{"OS/2", Os2Table(kSubset, 57)}, {"cmap", Bytes(40, 0)}})},
        {"OS/2 beyond the file", absurd_table},
        {"OS/2 offset wraps", wrapped_offset},
        {"directory beyond the file", many_tables},
        {"collection face beyond the file", absurd_face},
        {"collection face offset beyond the file", huge_count, 1000},
        {"collection inside a collection", nested},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadUnicodeSubset(c.data, c.face), std::nullopt) << c.what;
    EXPECT_EQ(ReadUnicodeSubset(absurd_length, 0), kSubset)
        << "a long length is only checked by reading";
}

TEST(SfntReader, ReadsFilesAndRejectsWhatIsNoFontFileWithoutBlocking) {
    testing::TempFolder folder;
    const auto write = [&](const char* name, const Bytes& data) {
        testing::WriteBytes(folder / name, std::string(data.begin(), data.end()));
        return (folder / name).string();
    };
    EXPECT_EQ(ReadUnicodeSubsetFromFile(write("b.ttc", Collection({{}, kFaceTables})), 1), kSubset);
    const Bytes font = Sfnt(kFaceTables);
    EXPECT_EQ(ReadUnicodeSubsetFromFile(write("cut.ttf", Bytes(font.begin(), font.end() - 40)), 0),
              std::nullopt);
    EXPECT_EQ(ReadUnicodeSubsetFromFile((folder / "missing.ttf").string(), 0), std::nullopt);
    EXPECT_EQ(ReadUnicodeSubsetFromFile(folder.path().string(), 0), std::nullopt) << "a folder";
    ASSERT_EQ(::mkfifo((folder / "pipe.ttf").c_str(), 0600), 0);
    EXPECT_EQ(ReadUnicodeSubsetFromFile((folder / "pipe.ttf").string(), 0), std::nullopt);
}

}  // namespace
}  // namespace glyphora
