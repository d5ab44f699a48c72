#include "app/desktop_entry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "temp_folder.h"

namespace glyphora {
namespace {

using testing::ReadBytes;
using testing::StatOf;

TEST(DesktopEntryPath, FollowsXdgDataHomeElseTheHomeFolder) {
    PathEnvironment env;
    env.home = "/home/ada";
    env.xdg_data_home = "/data";
    EXPECT_EQ(DesktopEntryPath(env, "glyphora"), "/data/applications/glyphora.desktop");
    env.xdg_data_home = "relative/data";  // ignored, as the XDG rules say
    EXPECT_EQ(DesktopEntryPath(env, "glyphora"),
              "/home/ada/.local/share/applications/glyphora.desktop");
    env.home.clear();
    EXPECT_EQ(DesktopEntryPath(env, "glyphora"), std::nullopt);
}

TEST(DesktopEntryText, QuotesAndEscapesThePathAndRefusesWhatAnEntryCannotHold) {
    struct Case {
        const char *executable, *exec_path;
    } cases[] = {
        {"/opt/g/bin/glyphora",
         "Exec=/opt/g/bin/glyphora\nPath=/opt/g/bin\nX-Glyphora-Version=1.00\n"},
        // Inside the quotes \ " ` $ take a backslash; then every backslash of the value is
        // doubled as a string value requires, and a lone % would start a field code.
        {"/home/a b/glyphora", "Exec=\"/home/a b/glyphora\"\nPath=/home/a b\n"},
        {"/x/$HOME/g", R"(Exec="/x/\\$HOME/g")"
                       "\nPath=/x/$HOME\n"},
        {"/x/a\"b/g", R"(Exec="/x/a\\"b/g")"
                      "\nPath=/x/a\"b\n"},
        {"/x/back\\slash/g", R"(Exec="/x/back\\\\slash/g")"
                             "\n"
                             R"(Path=/x/back\\slash)"
                             "\n"},
        {"/x/100%/g", "Exec=/x/100%%/g\nPath=/x/100%\n"},
    };
    for (const auto& c : cases) {
        const auto text = DesktopEntryText(c.executable, "1.00");
        ASSERT_TRUE(text && text->starts_with("[Desktop Entry]\n")) << c.executable;
        EXPECT_NE(text->find(c.exec_path), std::string::npos) << *text;
    }
    EXPECT_EQ(DesktopEntryText("glyphora", "1.00"), std::nullopt);
    EXPECT_EQ(DesktopEntryText("/x/line\nbreak/glyphora", "1.00"), std::nullopt);
    EXPECT_EQ(DesktopEntryText("/x/glyphora", "1.00\n[Other]"), std::nullopt);
}

TEST(DesktopEntryWrite, WritesOnlyWhenTheContentDiffersAndNeverOverAFolder) {
    testing::TempFolder folder;
    const auto file = folder / "applications" / "glyphora.desktop";
    EXPECT_EQ(WriteDesktopEntry(file, "one\n"), DesktopEntryWrite::Written);
    testing::AgeFile(file);
    EXPECT_EQ(WriteDesktopEntry(file, "one\n"), DesktopEntryWrite::Unchanged);
    EXPECT_EQ(StatOf(file).st_mtim.tv_sec, 1000000000);
    EXPECT_EQ(WriteDesktopEntry(file, "two\n"), DesktopEntryWrite::Written);
    EXPECT_EQ(ReadBytes(file), "two\n");
    std::filesystem::create_directories(folder / "glyphora.desktop");
    EXPECT_EQ(WriteDesktopEntry(folder / "glyphora.desktop", "x"), DesktopEntryWrite::Failed);
    EXPECT_EQ(WriteDesktopEntry(file / "glyphora.desktop", "x"), DesktopEntryWrite::Failed);
    EXPECT_EQ(ReadBytes(file), "two\n");
}

}  // namespace
}  // namespace glyphora
