#include "panels/copy_panel.h"

#include "base/edit_command.h"
#include "base/text.h"
#include "copy/clipboard.h"
#include "copy/clipboard_rtf.h"
#include "copy/cp1252.h"
#include "unicode/name_table.h"

namespace glyphora {

char16_t ConvertTypedEightBitChar(char16_t c, int keyboard_code_page,
                                  CodePageConverter& converter) {
    const auto byte = Cp1252CharToByte(c);
    if (!byte) return c;
    const std::u16string decoded =
        converter.ConvertFromCodePage(std::string(1, static_cast<char>(*byte)), keyboard_code_page);
    if (decoded.size() != 1 || decoded[0] == u'\uFFFD') return c;
    return decoded[0];
}

CopyPanel::CopyPanel(Services services, const int& update_busy)
    : services_(services), update_busy_(update_busy) {
    format_enabled_.fill(true);
}

std::u16string CopyPanel::EntityText() const {
    if (entity_rows_.empty()) return {};
    return entity_rows_[static_cast<std::size_t>(entity_row_)];
}

EntityBox CopyPanel::Entity() const {
    const bool any = !entity_rows_.empty();
    return {entity_rows_,
            entity_row_,
            EntityText(),
            entity_ie_ && entity_row_ == 0 && any ? u"ie" : u"",
            format_ == CopyFormat::Sgml && any,
            entity_rows_.size() > 1};
}

bool CopyPanel::TakeSelectAllRequest() {
    const bool request = select_all_request_;
    select_all_request_ = false;
    return request;
}

void CopyPanel::SetRtfViewFont(double point_size, bool bold, bool italic, bool underline,
                               bool strikeout) {
    rtf_format_.point_size = point_size;
    rtf_format_.bold = bold;
    rtf_format_.italic = italic;
    rtf_format_.underline = underline;
    rtf_format_.strikeout = strikeout;
}

void CopyPanel::CharacterSelected(std::optional<char16_t> character, bool picture_available) {
    entity_rows_.clear();
    entity_row_ = 0;
    entity_ie_ = false;
    if (character && services_.names) {
        for (std::string_view name : services_.names->EntityNames(*character)) {
            std::u16string row = u"&";
            row.append(Utf8ToUtf16(name));
            row.push_back(u';');
            entity_rows_.push_back(std::move(row));
        }
        entity_ie_ = !entity_rows_.empty() && services_.names->IEFlag(*character) == 1;
    }
    format_enabled_[CopyFormatIndex(CopyFormat::Sgml)] = !entity_rows_.empty();
    format_enabled_[CopyFormatIndex(CopyFormat::Picture)] = picture_available;
    if (!FormatEnabled(format_)) format_ = CopyFormat::Unicode;
    SelectCopyFormat(format_, character);
    reset_enabled_ = true;
}

void CopyPanel::SelectCopyFormat(CopyFormat format, std::optional<char16_t> current) {
    if (!FormatEnabled(format)) return;
    format_ = format;

    const bool picture = format == CopyFormat::Picture;
    const bool styled = picture || format == CopyFormat::Rtf;
    picture_controls_ = {styled, styled, styled, picture};

    to_copy_enabled_ = format != CopyFormat::Sgml;
    if (format == CopyFormat::Sgml) {
        // The entity stands for the current character, so the box shows just that character.
        conversion_guard_ = true;
        WriteToCopy(current ? std::u16string(1, *current) : std::u16string());
    }
    ApplyPreviewCharset();
    RefreshPreview();
}

void CopyPanel::AppendCharacter(char16_t c) {
    conversion_guard_ = true;
    if (to_copy_.text.size() < kMaxCopyTextLength) WriteToCopy(to_copy_.text + c);
}

bool CopyPanel::ToCopyKeyDown(BoxKey key) {
    if (key.command == EditCommand::Paste) ToCopyBeforePaste();
    saved_text_ = to_copy_.text;
    if (key.command != EditCommand::Undo) return false;
    UndoToCopy();
    return true;
}

void CopyPanel::ToCopyEdited(std::u16string text, std::size_t caret) {
    if (text.size() > kMaxCopyTextLength) text.resize(kMaxCopyTextLength);
    const bool grew = text.size() > to_copy_.text.size();
    to_copy_.text = std::move(text);
    if (update_busy_ > 0) return;
    if (to_copy_.text != saved_text_) to_copy_.undo_text = saved_text_;
    if (grew && !conversion_guard_ && keyboard_code_page_ && caret >= 1 &&
        caret <= to_copy_.text.size()) {
        char16_t& typed = to_copy_.text[caret - 1];
        typed = ConvertTypedEightBitChar(typed, *keyboard_code_page_, converter_);
    }
    AfterToCopyChange();
}

void CopyPanel::UndoToCopy() {
    // One step: the swapped-in text is neither taken as a new edit (which would overwrite the
    // undo text with a stale saved text when Undo comes from the menu) nor converted as typed.
    to_copy_.Undo();
    saved_text_ = to_copy_.text;
    if (update_busy_ > 0) return;
    AfterToCopyChange();
}

void CopyPanel::Reset() { WriteToCopy(std::u16string()); }

void CopyPanel::WriteToCopy(std::u16string text) {
    const std::size_t caret = text.size();
    ToCopyEdited(std::move(text), caret);
}

void CopyPanel::AfterToCopyChange() {
    conversion_guard_ = false;
    copy_enabled_ = !to_copy_.text.empty();
    RefreshPreview();
}

void CopyPanel::ChooseCodePageRow(int row) {
    code_page_row_ = ClampCodePageRow(row);
    ApplyPreviewCharset();
}

void CopyPanel::SetPreviewCharsetChecked(bool on) {
    preview_charset_checked_ = on;
    ApplyPreviewCharset();
}

void CopyPanel::ChooseEntityRow(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= entity_rows_.size()) return;
    entity_row_ = row;
}

CopyContext CopyPanel::Context() {
    CopyContext context{converter_, code_page_row_, {}};
    if (services_.names) {
        const NameTable* names = services_.names;
        context.char_name = [names](char16_t c) { return std::string(names->CharName(c)); };
    }
    return context;
}

EncodedText CopyPanel::Encode(CopyFormat format, std::u16string_view text) {
    return EncodeCopyText(format, text, Context());
}

void CopyPanel::PutPicture(std::u16string_view code_units) {
    if (!services_.clipboard->PutPicture(code_units) && services_.show_message)
        services_.show_message(std::u16string(kPictureTooLargeText));
}

void CopyPanel::CopyToClipboard() {
    if (!copy_enabled_ || !services_.clipboard) return;
    const CopyFormat format = format_;
    switch (format) {
        case CopyFormat::Unicode:
            services_.clipboard->PutUnicodeText(to_copy_.text);
            select_all_request_ = true;
            return;
        case CopyFormat::Rtf:
            PutRtfOnClipboard(Encode(format, to_copy_.text).text);
            return;
        case CopyFormat::Picture:
            PutPicture(to_copy_.text);
            return;
        case CopyFormat::Sgml:
            PutTextOnClipboard(EntityText());
            return;
        default:
            PutEncodedOnClipboard(Encode(format, to_copy_.text));
            return;
    }
}

void CopyPanel::CopyCurrentCharacter(char16_t c) {
    if (!services_.clipboard) return;
    const CopyFormat format = format_;
    switch (format) {
        case CopyFormat::Unicode:
            services_.clipboard->PutUnicodeText(std::u16string_view(&c, 1));
            return;
        case CopyFormat::Picture:
            PutPicture(std::u16string_view(&c, 1));
            return;
        case CopyFormat::Sgml:
            PutTextOnClipboard(EntityText());
            return;
        case CopyFormat::CharName:
            PutTextOnClipboard(services_.names ? Utf8ToUtf16(services_.names->CharName(c))
                                               : std::u16string());
            return;
        default: {
            const EncodedText encoded = EncodeCodePoint(format, c, Context());
            if (format == CopyFormat::Rtf)
                PutRtfOnClipboard(encoded.text);
            else
                PutEncodedOnClipboard(encoded);
            return;
        }
    }
}

void CopyPanel::PutTextOnClipboard(std::u16string_view text) {
    if (services_.clipboard) services_.clipboard->PutCp1252Text(text);
}

void CopyPanel::PutEncodedOnClipboard(const EncodedText& encoded) {
    if (!services_.clipboard) return;
    if (encoded.is_bytes)
        services_.clipboard->PutBytes(encoded.bytes);
    else
        services_.clipboard->PutCp1252Text(encoded.text);
}

void CopyPanel::PutRtfOnClipboard(std::u16string_view simple_rtf) {
    if (services_.clipboard)
        services_.clipboard->PutRtf(CompleteRtfDocument(simple_rtf, rtf_format_, fore_colour_));
}

void CopyPanel::RefreshPreview() {
    const CopyFormat format = format_;
    preview_.enabled = CopyFormatIndex(format) >= CopyFormatIndex(CopyFormat::Rtf) &&
                       CopyFormatIndex(format) <= CopyFormatIndex(CopyFormat::CharName);
    preview_charset_enabled_ = format == CopyFormat::CodePage;
    preview_.held_text.clear();
    preview_.held_list.clear();
    if (preview_.enabled) {
        const EncodedText encoded = Encode(format, to_copy_.text);
        if (format == CopyFormat::CharName) {
            const std::u16string& names = encoded.text;
            std::size_t start = 0;
            for (std::size_t end; (end = names.find(u"\r\n", start)) != std::u16string::npos;
                 start = end + 2)
                preview_.held_list.push_back(names.substr(start, end - start));
            if (start < names.size()) preview_.held_list.push_back(names.substr(start));
            if (!preview_.held_list.empty()) preview_.held_text = preview_.held_list.front();
        } else {
            preview_.held_text = encoded.AsText();
        }
    }
    preview_.drop_button = preview_.held_list.size() >= 2;
    ShowPreview();
}

void CopyPanel::ApplyPreviewCharset() {
    const bool own_charset = format_ != CopyFormat::Utf8 && preview_charset_checked_;
    preview_.code_page = own_charset ? CodePageRowAt(code_page_row_).code_page : kDefaultCodePage;
    ShowPreview();
}

void CopyPanel::ShowPreview() {
    preview_.text = DecodeForPreview(preview_.held_text);
    preview_.list.clear();
    preview_.list.reserve(preview_.held_list.size());
    for (const auto& entry : preview_.held_list) preview_.list.push_back(DecodeForPreview(entry));
}

std::u16string CopyPanel::DecodeForPreview(const std::u16string& held) {
    if (preview_.code_page == kDefaultCodePage) return held;
    // Runs of Windows-1252 characters are bytes to decode together (double-byte code pages join
    // them); a character with no Windows-1252 byte (only in a name from an edited data file) stays
    // as it is.
    std::u16string shown;
    shown.reserve(held.size());
    std::string run;
    const auto flush = [&] {
        if (run.empty()) return;
        shown += converter_.ConvertFromCodePage(run, preview_.code_page);
        run.clear();
    };
    for (char16_t c : held) {
        if (const auto byte = Cp1252CharToByte(c)) {
            run.push_back(static_cast<char>(*byte));
        } else {
            flush();
            shown.push_back(c);
        }
    }
    flush();
    return shown;
}

}  // namespace glyphora
