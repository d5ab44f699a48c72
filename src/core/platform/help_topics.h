#pragma once

#include <span>
#include <string_view>

// Help topic numbers of the main window. Every control carries one; the help file (glyphora.help)
// maps the numbers to the texts that What's This shows. Controls that do the same job share a
// topic (a list and its label, an option button and its box), so one text serves both.
//
//   101 character table (cells, row and column headers, pbTable)   102 sbTable
//   111 lvFont  112 bbFont  113 bbCharMap
//   121 lvRange 122 cbRange/bbRange  123 chRange
//   131 character view  132 chView  133 cbEntity/tlEntity
//   141 tbCopy  142 bbCopy  143 bbReset  144 cbPreview  145 chPreview  146 fbFormat  147 cbCharSet
//   150 + i     obFormat[i], i = 0 .. 11
//   171 "Hex" panel  172 "Name"  173 "Type" (and pbType)  174 "Message"  175 "OnTop" (and chOnTop)
//   176 lock-key panels  177 "Mode" (and chMode)
//   181 fbSearch  182 obSearch[0]/tbGoTo  183 obSearch[1]/tbSearch  184 obSearch[2]/cbSearch
//   185 bbSearch
//   191 fbPicture  192 cbPicture  193 tlPicture2  194 chPicture[0..3]  195 bbPicture[0]
//   196 bbPicture[1]
//   201 bbHelp  202 bbAbout  203 bbClose
//   211 .. 216 the Edit menu's items  217 mTypeList  218 mCellMark  219 mHelpWhatsThis
namespace glyphora {

inline constexpr int kTopicTable = 101;
inline constexpr int kTopicFirstFormat = 150;

// Topics of the status-bar panels.
inline constexpr int kTopicHexPanel = 171;
inline constexpr int kTopicNamePanel = 172;
inline constexpr int kTopicTypePanel = 173;
inline constexpr int kTopicMessagePanel = 174;
inline constexpr int kTopicOnTopPanel = 175;
inline constexpr int kTopicLockPanels = 176;
inline constexpr int kTopicModePanel = 177;

// One row of the control table: what the window knows of a control besides its place. A family
// of indexed controls has one row per member with its own ("obFormat[3]") or one row for all
// members ("tlCell").
struct HelpTopicEntry {
    std::string_view control;        // the object name
    int topic = 0;                   // help topic
    std::string_view tool_tip = {};  // empty: none
};

// Every control and menu item of the main window that has a topic, in no particular order.
std::span<const HelpTopicEntry> HelpTopicTable();

// The row of a control by its object name, with the family rules of HelpTopicFor; null for a
// name without a row.
const HelpTopicEntry* ControlEntryFor(std::string_view object_name);

// The topic of a control by its object name: a plain name ("tbCopy") or a family member
// ("obFormat[3]", "tlCell[200]"). 0 for a name without a topic (hidden helpers, containers
// without a job of their own, the status bars, whose panels carry the topics, unknown names and
// members outside their family). The table header buttons give the table's topic.
int HelpTopicFor(std::string_view object_name);

}  // namespace glyphora
