// glyphora-cli page: builds the main window's model as start-up would, runs actions on it in the
// order given and prints the table and the status it ends with.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <sstream>

#include "base/text.h"
#include "cli_common.h"
#include "cli_model.h"
#include "cli_page.h"
#include "table/main_window_model.h"

namespace glyphora::cli {

namespace {

// The keys --keys takes, with the table command each stands for alone and with Ctrl, as the
// window reads them (Shift changes nothing); Insert and C alone do nothing.
struct KeyName {
    const char* name;
    std::optional<TableCommand> alone;
    std::optional<TableCommand> with_ctrl;
};
constexpr KeyName kKeyNames[] = {
    {"Left", TableCommand::Left, TableCommand::Left},
    {"Right", TableCommand::Right, TableCommand::Right},
    {"Up", TableCommand::Up, TableCommand::Up},
    {"Down", TableCommand::Down, TableCommand::Down},
    {"Home", TableCommand::RowStart, TableCommand::First},
    {"End", TableCommand::RowEnd, TableCommand::Last},
    {"PageUp", TableCommand::PageUp, TableCommand::PageUp},
    {"PageDown", TableCommand::PageDown, TableCommand::PageDown},
    {"Enter", TableCommand::Activate, TableCommand::Activate},
    {"Insert", std::nullopt, TableCommand::CopyCharacter},
    {"C", std::nullopt, TableCommand::CopyCharacter},
};

bool ParseOnOff(const std::string& value, const std::string& action) {
    if (value == "on") return true;
    if (value == "off") return false;
    throw UsageError{action + " takes on or off, not '" + value + "'"};
}

long ParseNumber(const std::string& text, const std::string& action) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        throw UsageError{action + " takes a whole number, not '" + text + "'"};
    return std::stol(text);
}

std::optional<TableCommand> ParseKey(std::string name) {
    bool ctrl = false;
    while (name.rfind("Ctrl+", 0) == 0 || name.rfind("Shift+", 0) == 0) {
        ctrl = ctrl || name[0] == 'C';
        name.erase(0, name[0] == 'C' ? 5 : 6);
    }
    for (const auto& key : kKeyNames)
        if (name == key.name) return ctrl ? key.with_ctrl : key.alone;
    throw UsageError{"unknown key '" + name + "'"};
}

void AppendJsonString(std::string& out, std::u16string_view text) {
    out += '"';
    for (char16_t c : text) {
        if (c == u'"' || c == u'\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            // Escaped, so lone surrogates survive as JSON text.
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
            out += buf;
        }
    }
    out += '"';
}

void AppendJsonString(std::string& out, std::string_view utf8) {
    AppendJsonString(out, Utf8ToUtf16(utf8));
}

void AppendJsonList(std::string& out, const std::vector<std::u16string>& list) {
    out += '[';
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i) out += ',';
        AppendJsonString(out, std::u16string_view(list[i]));
    }
    out += ']';
}

// The copy frame: format, To-copy text and the preview as shown (bytes decoded in its code page).
void AppendCopyJson(std::string& out, const CopyPanel& copy) {
    const ClipboardPreview& preview = copy.Preview();
    out += ",\"copy_format\":" + std::to_string(CopyFormatIndex(copy.CurrentFormat())) +
           ",\"to_copy\":";
    AppendJsonString(out, std::u16string_view(copy.ToCopyBox().text));
    out += ",\"preview\":{\"enabled\":" + std::string(preview.enabled ? "true" : "false") +
           ",\"code_page\":" + std::to_string(preview.code_page) + ",\"text\":";
    AppendJsonString(out, std::u16string_view(preview.text));
    out += ",\"list\":";
    AppendJsonList(out, preview.list);
    out += ",\"drop_button\":" + std::string(preview.drop_button ? "true" : "false") + "}";
}

}  // namespace

std::string PageText(const MainWindowModel& model) {
    std::ostringstream out;
    const auto& cells = model.Page().Cells();
    for (int row = 0; row < MainWindowModel::kRows; ++row) {
        const std::string& label = model.Page().RowLabels()[row];
        out << (label.empty() ? "   " : label) << '|';
        for (int c = 0; c < 16; ++c) {
            const int i = row * 16 + c;
            const Cell& cell = cells[i];
            const char mark = cell.caption.empty() ? '.' : cell.pattern >= 0 ? '#' : ' ';
            const bool selected = i == model.Page().Current();
            out << (selected ? '[' : ' ') << Hex4(cell.code_point) << mark
                << (selected ? ']' : ' ');
        }
        out << '\n';
        if (model.Page().Separators()[row]) out << std::string(3 + 1 + 16 * 7, '-') << '\n';
    }
    const auto& list = model.Subranges().Views().list;
    const auto item = list.FindId(model.Subranges().CurrentStart());
    out << "current\tcell " << model.Page().Current() << "\tU+"
        << Hex4(model.Page().CurrentCodePoint()) << '\n';
    out << "subrange\t" << ItemKey(model.Subranges().CurrentStart()) << '\t'
        << (item ? Utf16ToUtf8(list.items[*item].text) : std::string()) << '\n';
    out << "scroll\t" << model.ScrollBar().State().value << '\t' << model.ScrollBar().State().max
        << '\n';
    out << "Hex\t" << Utf16ToUtf8(model.Status().HexPanel()) << '\n';
    out << "Name\t" << Utf16ToUtf8(model.Status().NamePanel()) << '\n';
    out << "Type\t" << model.Status().TypePanel() << '\n';
    out << "Message\t" << Utf16ToUtf8(model.Status().MessagePanel()) << '\n';
    return out.str();
}

// The 256 cells, the row labels and the rows a separator follows.
void AppendCellsJson(std::string& out, const MainWindowModel& model) {
    out += "\"cells\":[";
    const auto& cells = model.Page().Cells();
    for (int i = 0; i < MainWindowModel::kCells; ++i) {
        const Cell& cell = cells[i];
        if (i) out += ',';
        out += "{\"cp\":" + std::to_string(cell.code_point) + ",\"caption\":";
        AppendJsonString(out, std::u16string_view(cell.caption));
        out += ",\"pattern\":" + std::string(cell.pattern >= 0 ? "true" : "false");
        out += ",\"marked\":" + std::string(cell.marked ? "true" : "false") + "}";
    }
    out += "],\"row_labels\":[";
    for (int r = 0; r < MainWindowModel::kRows; ++r) {
        if (r) out += ',';
        AppendJsonString(out, std::string_view(model.Page().RowLabels()[r]));
    }
    out += "],\"separators\":[";
    bool first = true;
    for (int r = 0; r < MainWindowModel::kRows; ++r) {
        if (!model.Page().Separators()[r]) continue;
        if (!first) out += ',';
        out += std::to_string(r);
        first = false;
    }
    out += ']';
}

// The search frame's boxes, button and history.
void AppendSearchJson(std::string& out, const SearchPanel& search) {
    out += ",\"search\":{\"text\":";
    AppendJsonString(out, std::u16string_view(search.SearchBox().text));
    out += ",\"position\":" + std::to_string(search.SearchPosition()) + ",\"button_caption\":";
    AppendJsonString(out, std::u16string_view(search.ButtonCaption()));
    out += ",\"button_enabled\":" + std::string(search.ButtonEnabled() ? "true" : "false");
    out += ",\"history\":[";
    for (std::size_t i = 0; i < search.History().size(); ++i) {
        if (i) out += ',';
        AppendJsonString(out, std::u16string_view(search.History()[i]));
    }
    out += "]},\"go_to\":{\"text\":";
    AppendJsonString(out, std::u16string_view(search.GoToBox().text));
    out += ",\"notation\":" + std::string(search.GoToHex() ? "\"hex\"" : "\"dec\"") + "}";
}

std::string PageJson(const MainWindowModel& model, std::optional<bool> go_to_result) {
    std::string out = "{";
    AppendCellsJson(out, model);
    out += ",\"current_cell\":" + std::to_string(model.Page().Current());
    out += ",\"current_subrange_start\":" + std::to_string(model.Subranges().CurrentStart());
    out += ",\"scroll\":{\"value\":" + std::to_string(model.ScrollBar().State().value) +
           ",\"max\":" + std::to_string(model.ScrollBar().State().max) + "}";
    out += ",\"status\":{\"Hex\":";
    AppendJsonString(out, std::u16string_view(model.Status().HexPanel()));
    out += ",\"Name\":";
    AppendJsonString(out, std::u16string_view(model.Status().NamePanel()));
    out += ",\"Type\":";
    AppendJsonString(out, std::string_view(model.Status().TypePanel()));
    out += ",\"Message\":";
    AppendJsonString(out, std::u16string_view(model.Status().MessagePanel()));
    out += "},\"view_caption\":";
    AppendJsonString(out, std::u16string_view(model.Status().ViewCaption()));
    out += ",\"entities\":[";
    const EntityBox entity = model.Copy().Entity();
    for (std::size_t i = 0; i < entity.rows.size(); ++i) {
        if (i) out += ',';
        AppendJsonString(out, std::u16string_view(entity.rows[i]));
    }
    out += "],\"listed_count\":" + std::to_string(model.Subranges().ListedCount());
    out += ",\"show_all\":" + std::string(model.Subranges().ShowAll() ? "true" : "false");
    out += ",\"font\":";
    AppendJsonString(out, std::u16string_view(model.Fonts().Family()));
    out += ",\"last_scroll_value\":" + std::to_string(model.ScrollBar().LastValue());
    out += ",\"go_to_result\":" + std::string(!go_to_result   ? "null"
                                              : *go_to_result ? "true"
                                                              : "false");
    AppendCopyJson(out, model.Copy());
    AppendSearchJson(out, model.Search());
    out += "}\n";
    return out;
}

// The table's actions: the font, the Subranges list, going to a code, the page, the selection,
// keys and the scroll bar. False for an action of another part.
bool RunTableAction(MainWindowModel& model, const std::string& action, const std::string& value,
                    std::optional<bool>& go_to_result) {
    if (action == "--font") {
        const auto item = model.Fonts().ItemByName(Utf8ToUtf16(value));
        if (!item) throw UsageError{"unknown font family '" + value + "'"};
        model.SelectFont(item);
    } else if (action == "--show-all") {
        model.SetShowAll(ParseOnOff(value, action));
    } else if (action == "--subrange") {
        const auto item = model.Subranges().Views().list.FindId(RequireCode(value));
        if (!item) throw UsageError{"no listed subrange starts at " + value};
        model.ChooseSubrange(*item);
    } else if (action == "--goto") {
        go_to_result = model.GoToCodePoint(RequireCode(value));
    } else if (action == "--fill") {
        model.FillPage(RequireCode(value));
    } else if (action == "--select") {
        const long index = ParseNumber(value, action);
        if (index > 255) throw UsageError{"--select takes a cell index 0..255"};
        model.SelectCell(static_cast<int>(index));
    } else if (action == "--keys") {
        std::stringstream list(value);
        std::string key;
        std::vector<std::optional<TableCommand>> parsed;
        while (std::getline(list, key, ',')) parsed.push_back(ParseKey(key));
        for (const auto command : parsed)
            if (command) model.RunTableCommand(*command);
    } else if (action == "--scroll") {
        model.ScrollBarScroll();
        model.ScrollBarChange(static_cast<int>(ParseNumber(value, action)));
    } else if (action == "--scroll-line" || action == "--scroll-page") {
        const bool down = ParseOnOff(value == "down" ? "on"
                                     : value == "up" ? "off"
                                                     : value,
                                     action + " (up|down)");
        const int step =
            action == "--scroll-line" ? ScrollBarState::kSmallChange : ScrollBarState::kLargeChange;
        const auto& bar = model.ScrollBar().State();
        const int target = std::clamp(bar.value + (down ? step : -step), 0, std::max(bar.max, 0));
        // The scroll bar raises no change at its ends.
        if (target != bar.value) model.ScrollBarChange(target);
    } else {
        return false;
    }
    return true;
}

// The copy panel's actions and the code display; false for an action of another part.
bool RunCopyAction(MainWindowModel& model, const std::string& action, const std::string& value) {
    if (action == "--format") {
        const long index = ParseNumber(value, action);
        const auto format = CopyFormatFromIndex(static_cast<int>(index));
        if (!format) throw UsageError{"--format takes 0..11"};
        model.SelectCopyFormat(*format);
    } else if (action == "--copy-text") {
        model.Copy().ToCopyBeforePaste();  // as a paste
        const std::u16string text = Utf8ToUtf16(value);
        model.Copy().ToCopyEdited(text, text.size());
    } else if (action == "--code-page") {
        const long row = ParseNumber(value, action);
        if (row >= static_cast<long>(kCodePageList.size()))
            throw UsageError{"--code-page takes a row 0..15"};
        model.Copy().ChooseCodePageRow(static_cast<int>(row));
    } else if (action == "--preview-charset") {
        model.Copy().SetPreviewCharsetChecked(ParseOnOff(value, action));
    } else if (action == "--hex") {
        if (model.Status().HexView() != ParseOnOff(value, action)) model.CodePanelDoubleClick();
    } else {
        return false;
    }
    return true;
}

int RunPage(const CliArgs& args, std::ostream& out) {
    // Actions come in order and may repeat, so they are read from the raw operands.
    const auto& words = args.operands;
    bool json = false;
    std::optional<std::string> font;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "--json") json = true;
        if (i + 1 < words.size() && words[i] == "--font" && !font) font = words[i + 1];
    }

    CliModel cli(args, font, false);
    MainWindowModel& model = cli.Model();

    std::optional<bool> go_to_result;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& action = words[i];
        if (action == "--json") continue;
        if (action == "--search-next") {  // the one action without a value
            RunSearchAction(model, action, {});
            continue;
        }
        if (i + 1 >= words.size())
            throw UsageError{"unknown or incomplete action '" + action + "'"};
        const std::string& value = words[++i];
        if (!RunTableAction(model, action, value, go_to_result) &&
            !RunCopyAction(model, action, value) && !RunSearchAction(model, action, value))
            throw UsageError{"unknown action '" + action + "'"};
    }
    out << (json ? PageJson(model, go_to_result) : PageText(model));
    return 0;
}

}  // namespace glyphora::cli
