#include "platform/help_topics.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/help_file.h"
#include "platform/status_panels.h"
#include "unicode/builtin_data.h"

namespace glyphora {
namespace {

// Controls by name, family members by name and index, menu items; anything else has no topic.
TEST(HelpTopics, ControlsAndFamilyMembersHaveTheirTopics) {
    const std::pair<const char*, int> cases[] = {
        {"tbCopy", 141},
        {"tlCell[255]", kTopicTable},
        {"pbTable", kTopicTable},
        {"obFormat[3]", 153},
        {"obFormat[11]", 161},
        {"tbGoTo", 182},
        {"obSearch[2]", 184},
        {"chMode", kTopicModePanel},
        {"mTypeList[2]", 217},
        {"bbFixHor[0]", kTopicTable},
        {"bbFixVer[15]", kTopicTable},
        {"", 0},
        {"pbAux", 0},
        {"pbStatus[0]", 0},
        {"tlCell[256]", 0},
        {"obFormat[12]", 0},
        {"obFormat", 0},
        {"tlCell[]", 0},
        {"tlCell[-1]", 0},
        {"tlCell[+1]", 0},
        {"tlCell[01]", 0},
        {"tlCell[1", 0},
        {"[3]", 0},
        {"tbCopy[0]", 0},
        {"mTypeList[0]", 0},
        {"bbFixHor[16]", 0},
        {"TBCOPY", 0},
    };
    for (const auto& [name, topic] : cases) EXPECT_EQ(HelpTopicFor(name), topic) << name;
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
