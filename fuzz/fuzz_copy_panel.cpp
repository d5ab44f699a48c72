// Drives the copy panel with arbitrary text, format, code page rows and preview charset, so that
// the preview decodes byte strings of one code page in another (as it does after a row change),
// and checks what must hold whatever the input.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "copy/clipboard.h"
#include "panels/copy_panel.h"

namespace {

class NullClipboard final : public glyphora::Clipboard {
public:
    void PutUnicodeText(std::u16string_view) override {}
    // A byte format's result reaches the clipboard as bytes, any other one as text.
    void PutCp1252Text(std::u16string_view) override {
        if (byte_format) std::abort();
    }
    void PutBytes(std::string_view) override {
        if (!byte_format) std::abort();
    }
    void PutRtf(std::string_view document) override {
        for (char c : document)
            if (static_cast<unsigned char>(c) >= 0x80) std::abort();
    }
    bool PutPicture(std::u16string_view) override { return true; }
    bool byte_format = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const auto format = *glyphora::CopyFormatFromIndex(data[0] % glyphora::kCopyFormatCount);
    std::u16string text;
    for (std::size_t i = 4; i + 1 < size; i += 2)
        text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));

    NullClipboard clipboard;
    clipboard.byte_format = glyphora::CopyFormatGivesBytes(format);
    const int busy = 0;
    glyphora::CopyPanel panel({nullptr, &clipboard, {}}, busy);
    panel.CharacterSelected(text.empty() ? u'A' : text[0], true);
    panel.ChooseCodePageRow(data[1] % 16);
    panel.SetPreviewCharsetChecked(data[3] & 1);
    panel.SelectCopyFormat(format, u'A');
    panel.ToCopyEdited(text, text.size());
    panel.ChooseCodePageRow(data[2] % 16);  // shown in another code page, not re-encoded

    const glyphora::ClipboardPreview& preview = panel.Preview();
    if (preview.list.size() != preview.held_list.size()) std::abort();
    if (preview.drop_button != (preview.list.size() >= 2)) std::abort();
    if (!preview.enabled && (!preview.text.empty() || !preview.list.empty())) std::abort();
    // Every code page of the list gives at most two UTF-16 units per byte.
    if (preview.text.size() > 2 * preview.held_text.size()) std::abort();

    panel.CopyToClipboard();
    if (!text.empty()) panel.CopyCurrentCharacter(text[0]);
    panel.UndoToCopy();
    if (!panel.ToCopyBox().text.empty() || panel.ToCopyBox().undo_text != text.substr(0, 32767))
        std::abort();
    return 0;
}
