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
    {"bbFont", 112, "Open the font file with the desktop's font viewer"},
    {"bbCharMap", 113},
    // Subranges.
    {"lvRange", 121},
    {"pbRange", 121},
    {"tlRange", 121},
    {"cbRange", 122, "Subrange"},
    {"bbRange", 122, "Subranges by name"},
    {"chRange", 123},
    // The current character.
    {"pbView", 131},
    {"tlView", 131},
    {"ibView", 131},
    {"chView", 132},
    {"cbEntity", 133, "Entity of the current character"},
    {"tlEntity", 133, "\"ie\": the entity is known to Internet Explorer"},
    // Copying.
    {"tbCopy", 141, "The characters to copy: type, paste or double-click cells of the table"},
    {"tlCopy", 141},
    {"pbDown", 141},
    {"bbCopy", 142, "Copy the characters in the chosen format"},
    {"bbReset", 143, "Empty the box of characters to copy"},
    {"cbPreview", 144, "What the Copy button puts on the clipboard"},
    {"tlPreview", 144},
    {"chPreview", 145, "Show the preview's bytes as characters of the chosen code page"},
    {"fbFormat", 146},
    {"cbCharSet", 147, "Code page of the \"Code Page:\" format"},
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
    {"pbType", kTopicTypePanel, "Character type"},
    {"chOnTop", kTopicOnTopPanel},
    {"chMode", kTopicModePanel},
    // Search and go-to.
    {"fbSearch", 181},
    {"obSearch[0]", 182, "Double click to switch Dec/Hex mode"},
    {"tbGoTo", 182, "Code point: the table moves to it when the box is full or on Enter"},
    {"obSearch[1]", 183, "Type or paste a character to go to it"},
    {"tbSearch", 183, "Type or paste a character to go to it"},
    {"obSearch[2]", 184, "Words of a name, or an entity such as &eacute;"},
    {"cbSearch", 184, "Words of a name, or an entity such as &eacute;"},
    {"bbSearch", 185, "Find the next character (F3 repeats)"},
    // Picture.
    {"fbPicture", 191},
    {"cbPicture", 192, "Size of the picture and the rich text in points"},
    {"tlPicture", 192},
    {"tlPicture2", 193, "The view shows this size: the largest that fits it"},
    {"chPicture", 194},
    {"bbPicture[0]", 195, "Colour of the character"},
    {"bbPicture[1]", 196, "Colour of the picture's background"},
    // The window.
    {"bbHelp", 201, "Click here, then on a control, to learn what it does"},
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

const HelpTopicEntry* LookUp(std::string_view control) {
    for (const HelpTopicEntry& entry : kTopics)
        if (entry.control == control) return &entry;
    return nullptr;
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

const HelpTopicEntry* ControlEntryFor(std::string_view object_name) {
    if (const auto member = SplitMember(object_name)) {
        const Family* family = FindFamily(member->first);
        if (family == nullptr || member->second < family->first || member->second > family->last)
            return nullptr;
        if (const HelpTopicEntry* own = LookUp(object_name)) return own;
        return LookUp(member->first);
    }
    // A family's name alone names no control.
    if (FindFamily(object_name) != nullptr) return nullptr;
    return LookUp(object_name);
}

int HelpTopicFor(std::string_view object_name) {
    const HelpTopicEntry* entry = ControlEntryFor(object_name);
    return entry ? entry->topic : 0;
}

}  // namespace glyphora
