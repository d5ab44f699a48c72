#pragma once

#include <string_view>

namespace glyphora {

// The system clipboard as the copy panel writes it. Every call replaces the whole content (the
// clipboard is cleared first). The window implements it with QClipboard; tests record the calls.
// There is no busy state to wait for on the desktops served, so each call is one write.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // Unicode text, as a text box's own copy command would put it ("Unicode" format).
    virtual void PutUnicodeText(std::u16string_view text) = 0;

    // A copy format's text result (character references, names, an entity): a reader of text
    // sees it as it is; a reader of bytes gets it in Windows-1252 (see cp1252.h),
    // a character without a byte (a name from an edited data file, say) as that code page's best
    // fit, which CodePageConverter::ConvertToCodePage(text, kDefaultCodePage) gives for any text.
    virtual void PutCp1252Text(std::u16string_view text) = 0;

    // A copy format's byte result ("% Escape", "UTF-8", "UTF-7", "Code Page:"): a reader of bytes
    // gets exactly these; a reader of text sees each byte as the Windows-1252 character for
    // it (Cp1252BytesToText), as a program reading bytes as text would: the UTF-8 copy of U+00E9
    // reads back as U+00C3 U+00A9.
    virtual void PutBytes(std::string_view bytes) = 0;

    // A complete Rich Text Format document (7-bit ASCII).
    virtual void PutRtf(std::string_view document) = 0;

    // The copy picture: the code units drawn side by side from x = 0 in the copy font and colours
    // (one unit for the single-character copy), put on the clipboard as an image. False when the
    // picture would be larger than a picture may be: nothing was put.
    virtual bool PutPicture(std::u16string_view code_units) = 0;
};

}  // namespace glyphora
