#include "app/startup_preload.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace glyphora {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

AppPaths PathsIn(const TempFolder& folder) {
    AppPaths paths;
    paths.name_data_file = folder / "glyphora.csv";
    paths.entity_data_file = folder / "glyphora.ent";
    return paths;
}

TEST(StartupPreload, WritesMissingDataFilesAndHandsEachResultOverOnce) {
    TempFolder folder;
    const AppPaths paths = PathsIn(folder);
    WriteBytes(paths.entity_data_file, "0041,IE,letterA\r\n");  // a user's own entity file
    StartupPreload preload(paths);
    const NameTable names = preload.TakeNames();
    EXPECT_TRUE(std::filesystem::exists(paths.name_data_file));
    EXPECT_EQ(ReadBytes(paths.entity_data_file), "0041,IE,letterA\r\n");
    EXPECT_EQ(names.Entities(0x41), "letterA");
    EXPECT_EQ(names.CharName(0x221), "Latin Small Letter D With Curl");
    EXPECT_EQ(preload.TakeNames().CharName(0x41), "");
    auto fonts = preload.TakeFontSource();
    ASSERT_TRUE(fonts && fonts->InstalledFonts());
    EXPECT_FALSE(fonts->InstalledFonts()->empty());
    EXPECT_EQ(preload.TakeFontSource(), nullptr);
}

TEST(StartupPreload, ResultsNotTakenAreWaitedFor) {
    TempFolder folder;
    const AppPaths paths = PathsIn(folder);
    { StartupPreload preload(paths); }
    // The data files were put in place before the preload went away.
    EXPECT_TRUE(std::filesystem::exists(paths.name_data_file));
    EXPECT_TRUE(std::filesystem::exists(paths.entity_data_file));
}

}  // namespace
}  // namespace glyphora
