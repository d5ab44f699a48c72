#pragma once

#include <string>
#include <vector>

#include "base/text.h"
#include "copy/clipboard.h"
#include "copy/cp1252.h"

namespace glyphora::testing {

// Remembers every write, each as what a reader of that clipboard format would get.
class RecordingClipboard final : public Clipboard {
public:
    enum class Kind { Unicode, Cp1252, Rtf, Picture };
    struct Write {
        Kind kind;
        std::string content;  // UTF-8 text, the exact Windows-1252 bytes, the RTF document, or the
                              // picture's code units as UTF-8
        friend bool operator==(const Write&, const Write&) = default;
    };
    std::vector<Write> writes;

    void PutUnicodeText(std::u16string_view text) override {
        writes.push_back({Kind::Unicode, Utf16ToUtf8(text)});
    }
    void PutCp1252Text(std::u16string_view text) override {
        // Everything the panel writes as Windows-1252 text must be a byte string already.
        const auto bytes = TextToCp1252Bytes(text);
        writes.push_back(
            {Kind::Cp1252, bytes ? *bytes : "<not Windows-1252: " + Utf16ToUtf8(text) + ">"});
    }
    void PutBytes(std::string_view bytes) override {
        writes.push_back({Kind::Cp1252, std::string(bytes)});
    }
    void PutRtf(std::string_view document) override {
        writes.push_back({Kind::Rtf, std::string(document)});
    }
    bool PutPicture(std::u16string_view code_units) override {
        if (!picture_fits) return false;
        writes.push_back({Kind::Picture, Utf16ToUtf8(code_units)});
        return true;
    }
    bool picture_fits = true;  // false: every picture is too large

    Write Last() const {
        return writes.empty() ? Write{Kind::Unicode, "<nothing>"} : writes.back();
    }
};

inline std::ostream& operator<<(std::ostream& out, const RecordingClipboard::Write& write) {
    static constexpr const char* kKinds[] = {"Unicode", "Cp1252", "Rtf", "Picture"};
    return out << kKinds[static_cast<int>(write.kind)] << " \"" << write.content << "\"";
}

}  // namespace glyphora::testing
