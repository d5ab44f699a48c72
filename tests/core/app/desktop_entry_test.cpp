#include "app/desktop_entry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "temp_folder.h"

namespace glyphora {
namespace {

using testing::AgeFile;
using testing::ReadBytes;
using testing::StatOf;
using testing::TempFolder;
using testing::WriteBytes;

// The value of a key line of the entry, or "(missing)".
std::string ValueOf(const std::string& text, const std::string& key) {
    const std::string prefix = "\n" + key + "=";
    const auto at = text.find(prefix);
    if (at == std::string::npos) return "(missing)";
    const auto start = at + prefix.size();
    return text.substr(start, text.find('\n', start) - start);
}

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

TEST(DesktopEntryText, NamesTheExecutableItsFolderAndTheLongVersion) {
    const auto text = DesktopEntryText("/opt/glyphora/bin/glyphora", "0.01");
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->starts_with("[Desktop Entry]\n"));
    EXPECT_EQ(ValueOf(*text, "Type"), "Application");
    EXPECT_EQ(ValueOf(*text, "Name"), "Glyphora");
    EXPECT_EQ(ValueOf(*text, "Exec"), "/opt/glyphora/bin/glyphora");
    EXPECT_EQ(ValueOf(*text, "TryExec"), "/opt/glyphora/bin/glyphora");
    EXPECT_EQ(ValueOf(*text, "Path"), "/opt/glyphora/bin");
    EXPECT_EQ(ValueOf(*text, "X-Glyphora-Version"), "0.01");
}

TEST(DesktopEntryText, QuotesAndEscapesAPathWithReservedCharacters) {
    struct Case {
        const char* executable;
        const char* exec;
        const char* path;
    } cases[] = {
        // Inside the quotes \ " ` $ take a backslash; then every backslash of the value is
        // doubled as a string value requires, and a lone % would start a field code.
        {"/home/a b/glyphora", R"("/home/a b/glyphora")", "/home/a b"},
        {"/x/$HOME/g", R"("/x/\\$HOME/g")", "/x/$HOME"},
        {"/x/a\"b/g", R"("/x/a\\"b/g")", "/x/a\"b"},
        {"/x/back\\slash/g", R"("/x/back\\\\slash/g")", R"(/x/back\\slash)"},
        {"/x/100%/g", "/x/100%%/g", "/x/100%"},
    };
    for (const auto& c : cases) {
        const auto text = DesktopEntryText(c.executable, "1.00");
        ASSERT_TRUE(text) << c.executable;
        EXPECT_EQ(ValueOf(*text, "Exec"), c.exec) << c.executable;
        EXPECT_EQ(ValueOf(*text, "Path"), c.path) << c.executable;
    }
}

TEST(DesktopEntryText, RefusesPathsAnEntryCannotHold) {
    EXPECT_EQ(DesktopEntryText("glyphora", "1.00"), std::nullopt);
    EXPECT_EQ(DesktopEntryText("/x/line\nbreak/glyphora", "1.00"), std::nullopt);
    EXPECT_EQ(DesktopEntryText("/x/glyphora", "1.00\n[Other]"), std::nullopt);
}

TEST(DesktopEntryWrite, WritesOnlyWhenTheContentDiffers) {
    TempFolder folder;
    const auto file = folder / "applications" / "glyphora.desktop";
    EXPECT_EQ(WriteDesktopEntry(file, "one\n"), DesktopEntryWrite::Written);
    EXPECT_EQ(ReadBytes(file), "one\n");

    AgeFile(file);
    const auto aged = StatOf(file).st_mtim.tv_sec;
    EXPECT_EQ(WriteDesktopEntry(file, "one\n"), DesktopEntryWrite::Unchanged);
    EXPECT_EQ(StatOf(file).st_mtim.tv_sec, aged);

    EXPECT_EQ(WriteDesktopEntry(file, "two\n"), DesktopEntryWrite::Written);
    EXPECT_EQ(ReadBytes(file), "two\n");
}

TEST(DesktopEntryWrite, AFolderInTheWayOrAnUnwritablePlaceFailsQuietly) {
    TempFolder folder;
    std::filesystem::create_directories(folder / "glyphora.desktop");
    EXPECT_EQ(WriteDesktopEntry(folder / "glyphora.desktop", "x"), DesktopEntryWrite::Failed);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "glyphora.desktop"));

    WriteBytes(folder / "plain", "a file where a folder should be");
    EXPECT_EQ(WriteDesktopEntry(folder / "plain" / "glyphora.desktop", "x"),
              DesktopEntryWrite::Failed);
}

}  // namespace
}  // namespace glyphora
