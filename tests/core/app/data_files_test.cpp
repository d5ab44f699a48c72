#include "app/data_files.h"

#include <gtest/gtest.h>

#include "temp_folder.h"
#include "unicode/builtin_data.h"

namespace glyphora {
namespace {

using testing::AgeFile;
using testing::FolderEntries;
using testing::ReadBytes;
using testing::StatOf;
using testing::WriteBytes;

class DataFiles : public ::testing::Test {
protected:
    AppPaths PathsIn(const std::filesystem::path& folder) const {
        AppPaths paths;
        paths.name_data_file = folder / "glyphora.csv";
        paths.entity_data_file = folder / "glyphora.ent";
        paths.help_file = folder / "glyphora.help";
        return paths;
    }

    testing::TempFolder folder_;
};

TEST_F(DataFiles, MissingFilesAreWrittenByteForByteFromTheBuiltInData) {
    ASSERT_GT(builtin::NameData().size(), 1u);
    ASSERT_GT(builtin::EntityData().size(), 1u);
    ASSERT_GT(builtin::HelpData().size(), 1u);
    const AppPaths paths = PathsIn(folder_ / "share/glyphora");  // the folder is made too
    const DataFilesResult result = PrepareDataFiles(paths);
    EXPECT_EQ(result.names, DataFileResult::Written);
    EXPECT_EQ(result.entities, DataFileResult::Written);
    EXPECT_EQ(result.help, DataFileResult::Written);
    EXPECT_EQ(ReadBytes(paths.name_data_file), builtin::NameData());
    EXPECT_EQ(ReadBytes(paths.entity_data_file), builtin::EntityData());
    EXPECT_EQ(ReadBytes(paths.help_file), builtin::HelpData());
    EXPECT_EQ(FolderEntries(folder_ / "share/glyphora").size(), 3u);  // no temporary left
}

TEST_F(DataFiles, PresentFilesAreNeverTouchedEvenWhenTheyDiffer) {
    const AppPaths paths = PathsIn(folder_.path());
    WriteBytes(paths.name_data_file, "0041;my own name\r\n");
    WriteBytes(paths.entity_data_file, "");
    WriteBytes(paths.help_file, "[101]\r\nmy own text\r\n");
    AgeFile(paths.name_data_file);
    const auto inode = StatOf(paths.name_data_file).st_ino;
    const DataFilesResult result = PrepareDataFiles(paths);
    EXPECT_EQ(result.names, DataFileResult::Kept);
    EXPECT_EQ(result.entities, DataFileResult::Kept);
    EXPECT_EQ(result.help, DataFileResult::Kept);
    EXPECT_EQ(ReadBytes(paths.help_file), "[101]\r\nmy own text\r\n");
    EXPECT_EQ(ReadBytes(paths.name_data_file), "0041;my own name\r\n");
    EXPECT_EQ(ReadBytes(paths.entity_data_file), "");
    EXPECT_EQ(StatOf(paths.name_data_file).st_ino, inode);
    EXPECT_EQ(StatOf(paths.name_data_file).st_mtim.tv_sec, 1000000000);
}

TEST_F(DataFiles, AFolderInTheWayIsLeftAlone) {
    const AppPaths paths = PathsIn(folder_.path());
    std::filesystem::create_directory(paths.name_data_file);
    const DataFilesResult result = PrepareDataFiles(paths);
    EXPECT_EQ(result.names, DataFileResult::NotAFile);
    EXPECT_EQ(result.entities, DataFileResult::Written);
    EXPECT_TRUE(std::filesystem::is_directory(paths.name_data_file));
    EXPECT_TRUE(FolderEntries(paths.name_data_file).empty());
}

TEST_F(DataFiles, LinksCountByWhatTheyPointTo) {
    const std::filesystem::path csv = folder_ / "glyphora.csv";
    WriteBytes(folder_ / "elsewhere.csv", "mine");
    std::filesystem::create_symlink("elsewhere.csv", csv);
    EXPECT_EQ(WriteDataFileIfMissing(csv, "built-in"), DataFileResult::Kept);
    EXPECT_EQ(ReadBytes(folder_ / "elsewhere.csv"), "mine");

    const std::filesystem::path ent = folder_ / "glyphora.ent";
    std::filesystem::create_symlink("nowhere.ent", ent);
    EXPECT_EQ(WriteDataFileIfMissing(ent, "built-in"), DataFileResult::NotAFile);
    EXPECT_TRUE(std::filesystem::is_symlink(ent));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "nowhere.ent"));
}

TEST_F(DataFiles, OneByteOrNoneOfBuiltInDataWritesNothing) {
    EXPECT_EQ(WriteDataFileIfMissing(folder_ / "a.csv", ""), DataFileResult::NoData);
    EXPECT_EQ(WriteDataFileIfMissing(folder_ / "b.csv", "x"), DataFileResult::NoData);
    EXPECT_EQ(WriteDataFileIfMissing(folder_ / "c.csv", "xy"), DataFileResult::Written);
    EXPECT_EQ(FolderEntries(folder_.path()), std::vector<std::string>{"c.csv"});
}

TEST_F(DataFiles, AnUnwritablePlaceFailsQuietly) {
    WriteBytes(folder_ / "plain", "x");
    EXPECT_EQ(WriteDataFileIfMissing(folder_ / "plain/glyphora.csv", "data"),
              DataFileResult::Failed);
    EXPECT_EQ(WriteDataFileIfMissing("", "data"), DataFileResult::Failed);
    EXPECT_EQ(ReadBytes(folder_ / "plain"), "x");
}

}  // namespace
}  // namespace glyphora
