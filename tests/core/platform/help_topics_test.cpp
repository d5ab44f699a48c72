#include "platform/help_topics.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/help_file.h"
#include "platform/status_panels.h"
#include "unicode/builtin_data.h"

namespace glyphora {
namespace {

TEST(HelpTopics, ControlsAndFamilyMembersHaveTheirTopics) {
    const struct {
        const char* name;
        int topic;
    } cases[] = {
        {"tbCopy", 141},
        {"lvFont", 111},
        {"tlCell[0]", kTopicTable},
        {"tlCell[255]", kTopicTable},
        {"pbTable", kTopicTable},
        {"obFormat[0]", 150},
        {"obFormat[3]", 153},
        {"obFormat[11]", 161},
        {"obSearch[0]", 182},
        {"tbGoTo", 182},
        {"obSearch[2]", 184},
        {"chPicture[3]", 194},
        {"bbPicture[1]", 196},
        {"chMode", kTopicModePanel},
        {"chOnTop", kTopicOnTopPanel},
        {"pbType", kTopicTypePanel},
        {"mEditCopy", 213},
        {"mTypeList[2]", 217},
        {"mHelpWhatsThis", 219},
        {"bbFixHor[0]", kTopicTable},
        {"bbFixVer[15]", kTopicTable},
    };
    for (const auto& c : cases) EXPECT_EQ(HelpTopicFor(c.name), c.topic) << c.name;
}

TEST(HelpTopics, NamesWithoutATopicGiveZero) {
    for (const char* name :
         {"",         "pbAux",       "tbAux",        "tbRTF",        "pbStatus[0]",
          "unknown",  "tlCell[256]", "obFormat[12]", "obFormat",     "tlCell",
          "tlCell[]", "tlCell[-1]",  "tlCell[+1]",   "tlCell[01]",   "tlCell[1",
          "[3]",      "tbCopy[0]",   "mTypeList[0]", "bbFixHor[16]", "TBCOPY"}) {
        EXPECT_EQ(HelpTopicFor(name), 0) << name;
    }
}

TEST(HelpTopics, TheStatusPanelsCarryTheirFixedTopics) {
    std::vector<int> topics;
    for (int bar : {0, 1})
        for (const StatusPanel& panel : StatusBarPanels(bar)) topics.push_back(panel.topic);
    EXPECT_EQ(topics, (std::vector<int>{171, 172, 173, 174, 177, 175, 176, 176, 176, 176, 176}));
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

}  // namespace
}  // namespace glyphora
