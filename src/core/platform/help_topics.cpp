#include "platform/help_topics.h"

#include <charconv>
#include <optional>

namespace glyphora {
namespace {

constexpr HelpTopicEntry kTopics[] = {
    // The character table. The header buttons show the table's topic.
    {"tlCell", kTopicTable},
    {"bbFixHor", kTopicTable},
    {"bbFixVer", kTopicTable},
    {"pbTable", kTopicTable},
    {"pbGrid", kTopicTable},
    {"pbMain", kTopicTable},
    {"sbTable", 102},
    // Fonts.
    {"lvFont", 111},
    {"pbFont", 111},
    {"tlFont", 111},
    {"bbFont", 112},
    {"bbCharMap", 113},
    // Subranges.
    {"lvRange", 121},
    {"pbRange", 121},
    {"tlRange", 121},
    {"cbRange", 122},
    {"bbRange", 122},
    {"chRange", 123},
    // The current character.
    {"pbView", 131},
    {"tlView", 131},
    {"ibView", 131},
    {"chView", 132},
    {"cbEntity", 133},
    {"tlEntity", 133},
    // Copying.
    {"tbCopy", 141},
    {"tlCopy", 141},
    {"pbDown", 141},
    {"bbCopy", 142},
    {"bbReset", 143},
    {"cbPreview", 144},
    {"tlPreview", 144},
    {"chPreview", 145},
    {"fbFormat", 146},
    {"cbCharSet", 147},
    {"obFormat[0]", kTopicFirstFormat + 0},
    {"obFormat[1]", kTopicFirstFormat + 1},
    {"obFormat[2]", kTopicFirstFormat + 2},
    {"obFormat[3]", kTopicFirstFormat + 3},
    {"obFormat[4]", kTopicFirstFormat + 4},
    {"obFormat[5]", kTopicFirstFormat + 5},
    {"obFormat[6]", kTopicFirstFormat + 6},
    {"obFormat[7]", kTopicFirstFormat + 7},
    {"obFormat[8]", kTopicFirstFormat + 8},
    {"obFormat[9]", kTopicFirstFormat + 9},
    {"obFormat[10]", kTopicFirstFormat + 10},
    {"obFormat[11]", kTopicFirstFormat + 11},
    // The controls that sit on status-bar panels share the panel's topic.
    {"pbType", kTopicTypePanel},
    {"chOnTop", kTopicOnTopPanel},
    {"chMode", kTopicModePanel},
    // Search and go-to.
    {"fbSearch", 181},
    {"obSearch[0]", 182},
    {"tbGoTo", 182},
    {"obSearch[1]", 183},
    {"tbSearch", 183},
    {"obSearch[2]", 184},
    {"cbSearch", 184},
    {"bbSearch", 185},
    // Picture.
    {"fbPicture", 191},
    {"cbPicture", 192},
    {"tlPicture", 192},
    {"tlPicture2", 193},
    {"chPicture", 194},
    {"bbPicture[0]", 195},
    {"bbPicture[1]", 196},
    // The window.
    {"bbHelp", 201},
    {"bbAbout", 202},
    {"bbClose", 203},
    // Menu items.
    {"mEditUndo", 211},
    {"mEditCut", 212},
    {"mEditCopy", 213},
    {"mEditPaste", 214},
    {"mEditDelete", 215},
    {"mEditSelectAll", 216},
    {"mTypeList", 217},
    {"mCellMark", 218},
    {"mHelpWhatsThis", 219},
};

// Indexed families and the members they have.
struct Family {
    std::string_view name;
    int first;
    int last;
};
constexpr Family kFamilies[] = {
    {"tlCell", 0, 255}, {"bbFixHor", 0, 15}, {"bbFixVer", 0, 15}, {"obFormat", 0, 11},
    {"obSearch", 0, 2}, {"chPicture", 0, 3}, {"bbPicture", 0, 1}, {"mTypeList", 1, 3},
};

const Family* FindFamily(std::string_view name) {
    for (const Family& family : kFamilies)
        if (family.name == name) return &family;
    return nullptr;
}

int LookUp(std::string_view control) {
    for (const HelpTopicEntry& entry : kTopics)
        if (entry.control == control) return entry.topic;
    return 0;
}

// "name[12]" -> ("name", 12); nullopt when the brackets do not hold a plain decimal number.
std::optional<std::pair<std::string_view, int>> SplitMember(std::string_view name) {
    const std::size_t open = name.find('[');
    if (open == std::string_view::npos || open == 0 || name.back() != ']') return std::nullopt;
    const std::string_view digits = name.substr(open + 1, name.size() - open - 2);
    if (digits.empty() || digits.size() > 3 || (digits.size() > 1 && digits[0] == '0'))
        return std::nullopt;
    int index = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return std::pair{name.substr(0, open), index};
}

}  // namespace

std::span<const HelpTopicEntry> HelpTopicTable() { return kTopics; }

int HelpTopicFor(std::string_view object_name) {
    if (const auto member = SplitMember(object_name)) {
        const Family* family = FindFamily(member->first);
        if (family == nullptr || member->second < family->first || member->second > family->last)
            return 0;
        if (const int own = LookUp(object_name)) return own;
        return LookUp(member->first);
    }
    // A family's name alone names no control.
    if (FindFamily(object_name) != nullptr) return 0;
    return LookUp(object_name);
}

}  // namespace glyphora
