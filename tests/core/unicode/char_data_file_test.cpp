#include "unicode/char_data_file.h"

#include <gtest/gtest.h>

#include "../app/temp_folder.h"
#include "base/text.h"

namespace glyphora {
namespace {

TEST(ReadDataFile, ReadsARegularFileOrItsLinkWholeAndNothingElse) {
    testing::TempFolder folder;
    const std::string content = std::string(200000, 'x') + std::string("\0\r\n\xFF", 4);
    testing::WriteBytes(folder / "a.csv", content);
    testing::WriteBytes(folder / "empty.csv", "");
    std::filesystem::create_directory(folder / "folder.csv");
    std::filesystem::create_symlink(folder / "a.csv", folder / "link.csv");
    std::filesystem::create_symlink(folder / "gone.csv", folder / "dangling.csv");
    EXPECT_EQ(ReadDataFile(folder / "a.csv"), content);
    EXPECT_EQ(ReadDataFile(folder / "link.csv"), content);
    EXPECT_EQ(ReadDataFile(folder / "empty.csv"), "");
    for (const std::filesystem::path& none :
         {folder / "missing.csv", folder / "folder.csv", folder / "dangling.csv",
          std::filesystem::path(), std::filesystem::path("/dev/zero")})
        EXPECT_EQ(ReadDataFile(none), std::nullopt) << none;  // a device would never end
}

}  // namespace
}  // namespace glyphora
