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

AppPaths PathsIn(const std::filesystem::path& folder) {
    AppPaths paths;
    paths.name_data_file = folder / "glyphora.csv";
    paths.entity_data_file = folder / "glyphora.ent";
    paths.help_file = folder / "glyphora.help";
    return paths;
}

TEST(DataFiles, MissingFilesAreWrittenFromTheBuiltInDataAndPresentOnesNeverTouched) {
    testing::TempFolder folder;
    const AppPaths paths = PathsIn(folder / "share/glyphora");  // the folder is made too
    DataFilesResult result = PrepareDataFiles(paths);
    EXPECT_EQ(result.names, DataFileResult::Written);
    EXPECT_EQ(result.entities, DataFileResult::Written);
    EXPECT_EQ(result.help, DataFileResult::Written);
    EXPECT_EQ(ReadBytes(paths.name_data_file), builtin::NameData());
    EXPECT_EQ(ReadBytes(paths.entity_data_file), builtin::EntityData());
    EXPECT_EQ(ReadBytes(paths.help_file), builtin::HelpData());
    EXPECT_EQ(FolderEntries(folder / "share/glyphora").size(), 3u);  // no temporary left

    WriteBytes(paths.name_data_file, "0041;my own name\r\n");
    WriteBytes(paths.entity_data_file, "");
    AgeFile(paths.name_data_file);
    const auto inode = StatOf(paths.name_data_file).st_ino;
    result = PrepareDataFiles(paths);
    EXPECT_EQ(result.names, DataFileResult::Kept);
    EXPECT_EQ(result.entities, DataFileResult::Kept);
    EXPECT_EQ(result.help, DataFileResult::Kept);
    EXPECT_EQ(ReadBytes(paths.name_data_file), "0041;my own name\r\n");
    EXPECT_EQ(ReadBytes(paths.entity_data_file), "");
    EXPECT_EQ(StatOf(paths.name_data_file).st_ino, inode);
    EXPECT_EQ(StatOf(paths.name_data_file).st_mtim.tv_sec, 1000000000);
}

TEST(DataFiles, WhatStandsInTheWayIsLeftAlone) {
    testing::TempFolder folder;
    const AppPaths paths = PathsIn(folder.path());
    std::filesystem::create_directory(paths.name_data_file);
    const DataFilesResult result = PrepareDataFiles(paths);
    EXPECT_EQ(result.names, DataFileResult::NotAFile);
    EXPECT_EQ(result.entities, DataFileResult::Written);
    EXPECT_TRUE(FolderEntries(paths.name_data_file).empty());

    // A link counts by what it points to.
    WriteBytes(folder / "elsewhere", "mine");
    std::filesystem::create_symlink("elsewhere", folder / "good");
    std::filesystem::create_symlink("nowhere", folder / "dangling");
    EXPECT_EQ(WriteDataFileIfMissing(folder / "good", "built-in"), DataFileResult::Kept);
    EXPECT_EQ(ReadBytes(folder / "elsewhere"), "mine");
    EXPECT_EQ(WriteDataFileIfMissing(folder / "dangling", "built-in"), DataFileResult::NotAFile);
    EXPECT_FALSE(std::filesystem::exists(folder / "nowhere"));
    EXPECT_EQ(WriteDataFileIfMissing(folder / "elsewhere/x.csv", "data"), DataFileResult::Failed);
    EXPECT_EQ(WriteDataFileIfMissing("", "data"), DataFileResult::Failed);
    // One byte or none of built-in data writes nothing.
    EXPECT_EQ(WriteDataFileIfMissing(folder / "a.csv", ""), DataFileResult::NoData);
    EXPECT_EQ(WriteDataFileIfMissing(folder / "b.csv", "x"), DataFileResult::NoData);
    EXPECT_FALSE(std::filesystem::exists(folder / "b.csv"));
    EXPECT_EQ(WriteDataFileIfMissing(folder / "c.csv", "xy"), DataFileResult::Written);
}

}  // namespace
}  // namespace glyphora
