#pragma once

#include <cstdint>
#include <string>

#include "base/text_measure.h"
#include "table/window_services.h"
#include "unicode/char_classifier.h"
#include "unicode/char_type.h"

namespace glyphora {

class NameTable;

// Which picture the character view lays over the enlarged character.
enum class ViewPattern : std::uint8_t { None, Overhang, Combining };

// What the window shows about the current character: the code, name, type and message panels of
// the status bars, the Type menu, and the enlarged character view with its pattern.
class CharacterStatus {
public:
    struct Services {
        const NameTable* names = nullptr;
        const CharClassifier* classifier = nullptr;
        const TextMeasure* measure = nullptr;
        GlyphMetrics* metrics = nullptr;
    };
    explicit CharacterStatus(Services services) : services_(services) {}

    const std::u16string& HexPanel() const { return hex_panel_; }
    const std::u16string& NamePanel() const { return name_panel_; }
    const std::string& TypePanel() const { return type_.type_text; }
    const std::u16string& MessagePanel() const { return message_panel_; }
    const TypeList& TypeMenu() const { return type_; }
    bool HexView() const { return hex_view_; }  // the code panel shows "U+" codes, else "Alt+"

    // Character view (tlView, ibView, chView).
    const std::u16string& ViewCaption() const { return view_caption_; }
    ViewPattern ViewPatternChoice() const { return view_pattern_; }
    bool ViewPatternVisible() const { return view_pattern_visible_; }
    bool ViewPatternEnabled() const { return view_pattern_enabled_; }  // chView
    bool ViewPatternChecked() const { return view_pattern_checked_; }

    void SetHexView(bool on) { hex_view_ = on; }
    void SetTypePanelWidth(int pixels) { type_panel_width_ = pixels; }
    void SetMessage(std::u16string text) { message_panel_ = std::move(text); }

    // Shows code point cp, whose cell's caption is `caption` (empty for an unfilled cell). While
    // updates are held off the pattern keeps its visibility.
    void Show(long cp, const std::u16string& caption, bool updates_held);
    // Nothing is current: the view and the code, name and type panels are empty.
    void Clear();
    // The code panel switches between "U+" and "Alt+" for code point cp.
    void ToggleHexView(long cp);
    void ShowCode(long cp);
    // chView was clicked (or is restored): the pattern shows when it is enabled and checked.
    void ClickViewPattern(bool checked, bool updates_held);

private:
    void ShowView(long cp, const std::u16string& caption, bool updates_held);

    Services services_;
    std::u16string hex_panel_, name_panel_, message_panel_;
    TypeList type_;
    int type_panel_width_ = 200;
    bool hex_view_ = true;

    std::u16string view_caption_;
    ViewPattern view_pattern_ = ViewPattern::None;
    bool view_pattern_visible_ = false;
    bool view_pattern_enabled_ = false;
    bool view_pattern_checked_ = false;
};

}  // namespace glyphora
