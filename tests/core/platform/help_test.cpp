// The desktop integration's rules for help: the help file and its topics, the status panels,
// the hot keys, the Type button and the help of the open menus.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "../app/temp_folder.h"
#include "platform/help_file.h"
#include "platform/help_topics.h"
#include "platform/hot_keys.h"
#include "platform/lock_keys.h"
#include "platform/menu_help.h"
#include "platform/status_panels.h"
#include "platform/type_menu_button.h"
#include "unicode/builtin_data.h"

namespace glyphora {
namespace {

using testing::TempFolder;
using testing::WriteBytes;
using Response = TypeMenuButton::Response;

TEST(HelpFile, ReadsTopicsParagraphsAndListItems) {
    const HelpFile help = HelpFile::Parse(
        "# comment\n[101]\nThe character table\n  shows one page.\n   # note to self\n\n\n"
        "Keys:\n- Home: first cell.\n- End: last cell.\n\n[102]\nScroll bar.\n");
    EXPECT_EQ(help.Text(101),
              "The character table shows one page.\n\nKeys:\n- Home: first cell.\n- End: last "
              "cell.");
    EXPECT_EQ(help.Text(102), "Scroll bar.");
    EXPECT_EQ(help.Topics(), (std::vector<int>{101, 102}));
    const HelpFile crlf = HelpFile::Parse("\xEF\xBB\xBF[5]\r\nOne\r\ntwo\r\n\r\nthree\r\n");
    EXPECT_EQ(crlf.Text(5), "One two\n\nthree");
}

TEST(HelpFile, BrokenBytesAndControlCharactersNeverReachTheScreen) {
    const HelpFile help =
        HelpFile::Parse(std::string("[1]\na\tb\x01"
                                    "c \xC3\xA9 \xFF\xC3\n",
                                    16));
    EXPECT_EQ(help.Text(1), "a b c \xC3\xA9 \xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(HelpFile::Parse(std::string("[2]\nx\0y\n", 9)).Text(2), "x y");
}

TEST(HelpFile, ReadsAFileAndRefusesWhatIsNotOneOrFarTooLarge) {
    TempFolder folder;
    WriteBytes(folder / "glyphora.help", "[141]\r\nTo copy.\r\n");
    const auto help = ReadHelpFile(folder / "glyphora.help");
    ASSERT_TRUE(help);
    EXPECT_EQ(help->Text(141), "To copy.");
    EXPECT_FALSE(ReadHelpFile(folder / "missing.help"));
    EXPECT_FALSE(ReadHelpFile(folder.path()));
    WriteBytes(folder / "big.help", "[1]\n" + std::string(kMaxHelpFileBytes, 'x'));
    EXPECT_FALSE(ReadHelpFile(folder / "big.help"));
}

// Controls by name, family members by name and index, menu items; anything else has no topic.
TEST(HelpTopics, ControlsAndFamilyMembersHaveTheirTopics) {
    const std::pair<const char*, int> cases[] = {
        {"tbCopy", 141},      {"obFormat[3]", 153},  {"obFormat[11]", 161},       {"tbGoTo", 182},
        {"obSearch[2]", 184}, {"mTypeList[2]", 217}, {"chMode", kTopicModePanel},
    };
    for (const auto& [name, topic] : cases) EXPECT_EQ(HelpTopicFor(name), topic) << name;
    for (const char* name : {"tlCell[255]", "pbTable", "bbFixHor[0]", "bbFixVer[15]"})
        EXPECT_EQ(HelpTopicFor(name), kTopicTable) << name;
    for (const char* name : {"", "pbAux", "pbStatus[0]", "tlCell[256]", "obFormat[12]", "obFormat",
                             "tlCell[]", "tlCell[-1]", "tlCell[+1]", "tlCell[01]", "tlCell[1",
                             "[3]", "tbCopy[0]", "mTypeList[0]", "bbFixHor[16]", "TBCOPY"})
        EXPECT_EQ(HelpTopicFor(name), 0) << name;
}

// Every topic a control or a panel can ask for has a text in the help file that ships.
TEST(HelpTopics, TheBuiltInHelpFileExplainsEveryTopic) {
    const HelpFile help = HelpFile::Parse(builtin::HelpData());
    std::set<int> used;
    for (const HelpTopicEntry& entry : HelpTopicTable()) {
        EXPECT_GT(entry.topic, 0) << entry.control;
        used.insert(entry.topic);
    }
    for (int bar : {0, 1})
        for (const StatusPanel& panel : StatusBarPanels(bar)) used.insert(panel.topic);
    for (int topic : used) {
        EXPECT_GE(help.Text(topic).size(), 20u) << "topic " << topic;
    }
    // And no text is left over that nothing shows.
    for (int topic : help.Topics()) EXPECT_TRUE(used.contains(topic)) << "topic " << topic;
}

// Edges belong to the panel on their left; beside every panel, none unless clamped.
TEST(StatusPanelAt, FindsThePanelUnderThePosition) {
    const std::vector<int> widths = {100, 200, 50};
    const std::tuple<int, bool, int> cases[] = {
        {2, false, 1},   {102, false, 1}, {103, false, 2},   {302, false, 2}, {303, false, 3},
        {352, false, 3}, {353, false, 0}, {1, false, 0},     {-40, false, 0}, {1, true, 1},
        {-500, true, 1}, {353, true, 3},  {100000, true, 3}, {150, true, 2},
    };
    for (auto [x, clamp, panel] : cases) EXPECT_EQ(StatusPanelAt(widths, 2, x, clamp), panel) << x;
    for (int x : {0, -5, 5}) EXPECT_EQ(StatusPanelAt({}, 0, x, true), 0);
}

// A keyboard that reports and switches Caps and Num Lock only.
class FakeLockKeys : public LockKeys {
public:
    std::optional<bool> IsOn(LockKey key) override {
        const auto it = states_.find(key);
        if (it == states_.end()) return std::nullopt;
        return it->second;
    }
    bool Toggle(LockKey key) override {
        toggled_.push_back(key);
        const auto it = states_.find(key);
        if (it == states_.end()) return false;
        it->second = !it->second;
        return true;
    }

    std::map<LockKey, bool> states_ = {{LockKey::Caps, false}, {LockKey::Num, true}};
    std::vector<LockKey> toggled_;
};

const StatusPanel& Panel(std::string_view key) {
    for (int bar : {0, 1})
        for (const StatusPanel& panel : StatusBarPanels(bar))
            if (panel.key == key) return panel;
    throw std::logic_error("no such panel");
}

TEST(LockPanels, DoubleClickSwitchesOnlyAKeyTheDesktopLetsUsSwitch) {
    FakeLockKeys keys;
    EXPECT_TRUE(DoubleClickLockPanel(keys, Panel("CAPS")));
    EXPECT_TRUE(ViewLockPanel(keys, LockKey::Caps).on);
    EXPECT_TRUE(DoubleClickLockPanel(keys, Panel("NUM")));
    EXPECT_FALSE(ViewLockPanel(keys, LockKey::Num).on);
    EXPECT_TRUE(ViewLockPanel(keys, LockKey::Num).known);
    // Unsupported keys show greyed and do not switch; text panels never touch the keyboard.
    EXPECT_FALSE(DoubleClickLockPanel(keys, Panel("KANA")));
    EXPECT_FALSE(ViewLockPanel(keys, LockKey::Kana).known || ViewLockPanel(keys, LockKey::Kana).on);
    keys.toggled_.clear();
    for (std::string_view key : {"Hex", "Name", "Type", "Message", "Mode", "OnTop"})
        EXPECT_FALSE(DoubleClickLockPanel(keys, Panel(key)));
    EXPECT_TRUE(keys.toggled_.empty());
    EXPECT_EQ(DoubleClickAction(Panel("Hex")), PanelDoubleClick::SwitchCodeDisplay);
    EXPECT_EQ(DoubleClickAction(Panel("Name")), PanelDoubleClick::None);
    EXPECT_EQ(DoubleClickAction(Panel("SCRL")), PanelDoubleClick::ToggleLockKey);
    EXPECT_TRUE(StatusBarPanels(2).empty());
}

// Alt+digit chooses an enabled format; F3 finds the next match only while a search is under
// way; F1 shows the focused control's topic when it has one; Alt+Enter opens the font properties
// whatever has the focus.
TEST(HotKeys, EachKeyActsOnlyInItsState) {
    HotKeyState state;
    state.formats_enabled.set();
    state.formats_enabled.reset(8);
    const HotKey f1{HotKeyAction::WhatsThis}, f3{HotKeyAction::SearchNext};
    const HotKey format3{HotKeyAction::ChooseFormat, 3}, alt_enter{HotKeyAction::FontProperties};
    for (const HotKey key : {format3, alt_enter}) EXPECT_EQ(FormKeyDown(key, state), key);
    for (const HotKey key : {HotKey{HotKeyAction::ChooseFormat, 8}, f3, f1})
        EXPECT_EQ(FormKeyDown(key, state), HotKey{});
    state.search_position = 0x222;  // after a match at U+0221
    state.focused_topic = 141;
    for (const HotKey key : {f3, f1}) EXPECT_EQ(FormKeyDown(key, state), key);
}

// A left click opens the menu, but not the click that closed it in the same millisecond; the
// right button asks for help.
TEST(TypeMenuButton, OpensOnClickOrAltDownButNotOnTheClickThatClosedIt) {
    TypeMenuButton button;
    EXPECT_EQ(button.MouseDown(false, 0), Response::OpenTypeMenu);  // never closed yet
    button.MenuClosed(5000);
    EXPECT_EQ(button.MouseDown(false, 5000), Response::None);
    EXPECT_EQ(button.MouseDown(false, 4999), Response::None);
    EXPECT_EQ(button.MouseDown(true, 5000), Response::HelpMenu);
    EXPECT_EQ(button.MouseDown(false, 5001), Response::OpenTypeMenu);
}

}  // namespace
}  // namespace glyphora
