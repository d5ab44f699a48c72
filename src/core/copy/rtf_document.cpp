#include "copy/rtf_document.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/text.h"
#include "copy/cp1252.h"

namespace glyphora {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Control words that open a destination whose text is not part of the document's text.
bool IsSkippedDestination(std::string_view word) {
    static constexpr std::string_view kWords[] = {
        "fonttbl",
        "colortbl",
        "stylesheet",
        "info",
        "pict",
        "object",
        "header",
        "footer",
        "headerl",
        "headerr",
        "footerl",
        "footerr",
        "footnote",
        "fldinst",
        "themedata",
        "listtable",
        "listoverridetable",
        "rsidtbl",
        "generator",
        "xmlnstbl",
    };
    for (std::string_view w : kWords)
        if (w == word) return true;
    return false;
}

constexpr long kMaxParam = 0x7FFFFFFF;

struct GroupState {
    bool skip = false;
    int uc = 1;  // fallback characters after \uN
};

class RtfReader {
public:
    explicit RtfReader(std::string_view rtf) : rtf_(rtf) {}

    std::u16string Read() {
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_];
            if (c == '{') {
                ++pos_;
                stack_.push_back(state_);
                group_start_ = true;
                continue;
            }
            if (c == '}') {
                ++pos_;
                if (!stack_.empty()) {
                    state_ = stack_.back();
                    stack_.pop_back();
                }
                group_start_ = false;
                continue;
            }
            if (c == '\\') {
                ++pos_;
                ReadControl();
                continue;
            }
            ++pos_;
            group_start_ = false;
            if (c == '\r' || c == '\n') continue;
            Emit(Cp1252ByteToChar(static_cast<unsigned char>(c)));
        }
        return text_;
    }

private:
    void Emit(char16_t c) {
        if (!state_.skip) text_.push_back(c);
    }

    void ReadControl() {
        const bool at_group_start = group_start_;
        group_start_ = false;
        if (pos_ >= rtf_.size()) return;
        const char c = rtf_[pos_];
        if (!IsAsciiLetter(c)) {
            ++pos_;
            ReadControlSymbol(c, at_group_start);
            return;
        }
        const std::size_t word_start = pos_;
        while (pos_ < rtf_.size() && IsAsciiLetter(rtf_[pos_])) ++pos_;
        const std::string_view word = rtf_.substr(word_start, pos_ - word_start);
        bool negative = false;
        bool has_param = false;
        long param = 0;
        if (pos_ < rtf_.size() && rtf_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        while (pos_ < rtf_.size() && IsDigit(rtf_[pos_])) {
            // Saturate rather than overflow: no meaningful parameter comes near this.
            param = param > kMaxParam / 10 ? kMaxParam
                                           : std::min(kMaxParam, param * 10 + (rtf_[pos_] - '0'));
            has_param = true;
            ++pos_;
        }
        if (negative) param = -param;
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word

        if (at_group_start && IsSkippedDestination(word)) {
            state_.skip = true;
        } else if (word == "u" && has_param) {
            Emit(static_cast<char16_t>(static_cast<unsigned long>(param) & 0xFFFF));
            SkipFallback();
        } else if (word == "uc" && has_param) {
            state_.uc = param < 0 ? 0 : (param > 16 ? 16 : static_cast<int>(param));
        } else if (word == "par" || word == "line") {
            Emit(u'\r');
        } else if (word == "tab") {
            Emit(u'\t');
        }
    }

    void ReadControlSymbol(char c, bool at_group_start) {
        switch (c) {
            case '\\':
            case '{':
            case '}':
                Emit(static_cast<char16_t>(c));
                return;
            case '\'':
                if (const int byte = ReadHexByte(); byte >= 0)
                    Emit(Cp1252ByteToChar(static_cast<unsigned char>(byte)));
                return;
            case '~':
                Emit(u'\u00A0');
                return;
            case '_':
                Emit(u'\u2011');
                return;
            case '*':
                if (at_group_start) state_.skip = true;
                return;
            case '\r':
            case '\n':
                Emit(u'\r');
                return;
            default:
                return;  // \- optional hyphen, \| and the like carry no text
        }
    }

    int ReadHexByte() {
        if (pos_ + 2 > rtf_.size()) {
            pos_ = rtf_.size();
            return -1;
        }
        const int hi = HexValue(rtf_[pos_]);
        const int lo = HexValue(rtf_[pos_ + 1]);
        pos_ += 2;
        return hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
    }

    // The characters a reader without Unicode would show instead of the \uN just read.
    void SkipFallback() {
        for (int n = 0; n < state_.uc && pos_ < rtf_.size(); ++n) {
            const char c = rtf_[pos_];
            if (c == '{' || c == '}') return;
            if (c == '\\') {
                if (pos_ + 1 < rtf_.size() && rtf_[pos_ + 1] == '\'') {
                    pos_ += 2;
                    ReadHexByte();
                    continue;
                }
                return;  // a control word ends the fallback early
            }
            ++pos_;
        }
    }

    std::string_view rtf_;
    std::size_t pos_ = 0;
    GroupState state_;
    std::vector<GroupState> stack_;
    bool group_start_ = false;
    std::u16string text_;
};

void AppendUnicodeEscape(char16_t c, std::string& out) {
    const int signed_value = c > 0x7FFF ? static_cast<int>(c) - 0x10000 : static_cast<int>(c);
    out += "\\u";
    out += std::to_string(signed_value);
    out += '?';
}

void AppendFontName(std::string_view family_utf8, std::string& out) {
    for (char16_t c : Utf8ToUtf16(family_utf8)) {
        if (c < 0x20) continue;  // no control characters in a font name
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == u';') {
            out += "\\'3b";  // a bare ";" would end the name
        } else if (c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            AppendUnicodeEscape(c, out);
        }
    }
}

}  // namespace

std::u16string RtfPlainText(std::string_view rtf) { return RtfReader(rtf).Read(); }

std::string SerializeRtf(std::u16string_view text, const RtfCharFormat& format) {
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 ";
    AppendFontName(format.family, out);
    out += ";}}\r\n\\uc1\\pard\\f0";
    if (format.point_size > 0) {
        const double half_points = std::round(format.point_size * 2);
        out += "\\fs";
        out += std::to_string(half_points < 1       ? 1
                              : half_points > 32767 ? 32767
                                                    : static_cast<int>(half_points));
    }
    if (format.bold) out += "\\b";
    if (format.italic) out += "\\i";
    if (format.underline) out += "\\ul";
    if (format.strikeout) out += "\\strike";
    out += ' ';
    out.reserve(out.size() + text.size() * 8 + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            out += "\\par ";
        } else if (c == u'\t') {
            out += "\\tab ";
        } else if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            AppendUnicodeEscape(c, out);
        }
    }
    out += "}";
    return out;
}

}  // namespace glyphora
