#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <string_view>

#include "copy/clipboard.h"
#include "copy/code_page_converter.h"

class QClipboard;
class QMimeData;

namespace glyphora {

// The copy panel's clipboard on the desktop's clipboard (QClipboard). What each kind of write
// offers, by MIME type:
// - Unicode text: text/plain.
// - A format's text or bytes: text/plain with the text (for bytes: the characters they stand
//   for in Windows-1252, one per byte), and the Windows-1252 bytes as kCp1252MimeType for readers
//   that want bytes.
// - Rich text: text/rtf and application/rtf, with text/plain holding the document's characters
//   for programs that take no rich text.
// - The copy picture: an image (Qt offers it as image/png, image/bmp and the other image types).
class QtClipboard final : public Clipboard {
public:
    // Draws the copy picture of some code units; a null image (too large to make) copies nothing.
    using PictureSource = std::function<QImage(std::u16string_view code_units)>;

    static constexpr const char* kCp1252MimeType = "text/plain;charset=windows-1252";

    explicit QtClipboard(PictureSource draw_picture, QClipboard* clipboard = nullptr);

    void PutUnicodeText(std::u16string_view text) override;
    void PutCp1252Text(std::u16string_view text) override;
    void PutBytes(std::string_view bytes) override;
    void PutRtf(std::string_view document) override;
    bool PutPicture(std::u16string_view code_units) override;

private:
    void Put(QMimeData* data);

    PictureSource draw_picture_;
    QClipboard* clipboard_;
    CodePageConverter converter_;
};

}  // namespace glyphora
