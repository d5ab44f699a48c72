#include "platform/type_menu_button.h"

#include <gtest/gtest.h>

#include "copy/edit_command.h"
#include "platform/menu_help.h"

namespace glyphora {
namespace {

using Response = TypeMenuButton::Response;

// A left click or Alt+Down opens the menu, but not the click that closed it in the same
// millisecond; the right button asks for help.
TEST(TypeMenuButton, OpensOnClickOrAltDownButNotOnTheClickThatClosedIt) {
    TypeMenuButton button;
    EXPECT_EQ(button.MouseDown(false, 0), Response::OpenTypeMenu);  // never closed yet
    EXPECT_EQ(button.KeyDown(40, kAltBit | kShiftBit, 10), Response::OpenTypeMenu);
    EXPECT_EQ(button.KeyDown(40, 0, 10), Response::None);
    EXPECT_EQ(button.KeyDown(38, kAltBit, 10), Response::None);
    button.MenuClosed(5000);
    EXPECT_EQ(button.MouseDown(false, 5000), Response::None);
    EXPECT_EQ(button.MouseDown(false, 4999), Response::None);
    EXPECT_EQ(button.KeyDown(40, kAltBit, 5000), Response::None);
    EXPECT_EQ(button.MouseDown(true, 5000), Response::HelpMenu);
    EXPECT_EQ(button.MouseDown(false, 5001), Response::OpenTypeMenu);
}

TEST(MenuHelp, F1ShowsTheHighlightedItemsTopicOnce) {
    MenuHelp help;
    help.Highlighted(213);
    EXPECT_EQ(help.TakeTopic(), 213);
    EXPECT_EQ(help.TakeTopic(), 0);
    help.Highlighted(213);
    help.Highlighted(0);  // the menu closed
    EXPECT_EQ(help.TakeTopic(), 0);
    help.Highlighted(-3);
    EXPECT_EQ(help.PendingTopic(), 0);
}

}  // namespace
}  // namespace glyphora
