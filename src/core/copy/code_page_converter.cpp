#include "copy/code_page_converter.h"

#include <iconv.h>
#include <locale.h>

#include <array>
#include <cerrno>
#include <string>
#include <unordered_map>

#include "copy/code_page_list.h"
#include "copy/cp1252.h"

namespace glyphora {
namespace {

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);
constexpr std::size_t kIconvFailed = static_cast<std::size_t>(-1);

bool IsSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

// iconv's name for the code pages it converts for us; nullptr for the others.
const char* IconvName(int code_page) {
    switch (code_page) {
        case 874:
            return "CP874//TRANSLIT";
        case 932:
            return "CP932//TRANSLIT";
        case 936:
            return "CP936//TRANSLIT";
        case 949:
            return "CP949//TRANSLIT";
        case 950:
            return "CP950//TRANSLIT";
        case 1250:
            return "CP1250//TRANSLIT";
        case 1251:
            return "CP1251//TRANSLIT";
        case 1252:
            return "CP1252//TRANSLIT";
        case 1253:
            return "CP1253//TRANSLIT";
        case 1254:
            return "CP1254//TRANSLIT";
        case 1255:
            return "CP1255//TRANSLIT";
        case 1256:
            return "CP1256//TRANSLIT";
        case 1257:
            return "CP1257//TRANSLIT";
        case 1258:
            return "CP1258//TRANSLIT";
        case 1361:
            return "JOHAB//TRANSLIT";
        default:
            return nullptr;
    }
}

// iconv's name for decoding a code page (decoding needs no transliteration); empty for the code
// pages decoded without iconv and for unknown ones.
std::string IconvSourceName(int code_page) {
    if (code_page == kUtf8CodePage) return "UTF-8";
    if (code_page == kUtf7CodePage) return "UTF-7";
    if (code_page == 1361) return "JOHAB";
    if (IconvName(code_page)) return "CP" + std::to_string(code_page);
    return {};
}

void AppendUtf8(char16_t unit, std::string& out) {
    char32_t c = IsSurrogate(unit) ? U'\uFFFD' : unit;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// RFC 2152 set D and the white space of rule 3; the optional direct characters (! " # ...) are
// shifted, since mail gateways are known to mangle some of them.
bool IsUtf7Direct(char16_t unit) {
    if ((unit >= u'A' && unit <= u'Z') || (unit >= u'a' && unit <= u'z') ||
        (unit >= u'0' && unit <= u'9'))
        return true;
    switch (unit) {
        case u'\'':
        case u'(':
        case u')':
        case u',':
        case u'-':
        case u'.':
        case u'/':
        case u':':
        case u'?':
        case u' ':
        case u'\t':
        case u'\r':
        case u'\n':
            return true;
        default:
            return false;
    }
}

void AppendUtf7(char16_t unit, std::string& out) {
    static constexpr char kBase64[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (IsUtf7Direct(unit)) {
        out.push_back(static_cast<char>(unit));
        return;
    }
    out.push_back('+');
    if (unit == u'+') {
        out.push_back('-');
        return;
    }
    // 16 bits in three sextets, the last padded with two zero bits. The closing "-" is written
    // even where it could be left out, so that the next unit's output may start with anything.
    out.push_back(kBase64[unit >> 10]);
    out.push_back(kBase64[(unit >> 4) & 0x3F]);
    out.push_back(kBase64[(unit & 0x0F) << 2]);
    out.push_back('-');
}

void AppendSymbol(char16_t unit, std::string& out) {
    if ((unit >= 0xF020 && unit <= 0xF0FF) || (unit >= 0x0020 && unit <= 0x00FF))
        out.push_back(static_cast<char>(unit & 0xFF));
    else
        out.push_back('?');
}

// Makes a locale current on this thread for its lifetime (iconv's transliteration reads the
// thread's LC_CTYPE).
class ScopedLocale {
public:
    explicit ScopedLocale(locale_t locale) : previous_(locale ? uselocale(locale) : nullptr) {}
    ~ScopedLocale() {
        if (previous_) uselocale(previous_);
    }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    locale_t previous_;
};

}  // namespace

struct CodePageConverter::Impl {
    Impl() {
        ctype = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        if (!ctype) ctype = newlocale(LC_CTYPE_MASK, "C.utf8", static_cast<locale_t>(nullptr));
    }
    ~Impl() {
        for (auto* map : {&descriptors, &decode_descriptors})
            for (auto& [code_page, cd] : *map)
                if (cd != kNoDescriptor) iconv_close(cd);
        if (ctype) freelocale(ctype);
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    // The descriptor of a code page, opened once; kNoDescriptor when iconv has none (remembered,
    // so that a failing open is not retried for every character).
    iconv_t Descriptor(int code_page) {
        auto it = descriptors.find(code_page);
        if (it != descriptors.end()) return it->second;
        const char* name = IconvName(code_page);
        iconv_t cd = name ? iconv_open(name, "UTF-16LE") : kNoDescriptor;
        descriptors.emplace(code_page, cd);
        return cd;
    }

    void AppendIconv(char16_t unit, int code_page, std::string& out) {
        iconv_t cd = Descriptor(code_page);
        if (cd == kNoDescriptor) return;
        if (IsSurrogate(unit)) {
            out.push_back('?');
            return;
        }
        ScopedLocale scoped(ctype);
        char in[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        char* in_ptr = in;
        std::size_t in_left = sizeof in;
        // The longest transliteration glibc knows is a few characters of at most two bytes each.
        std::array<char, 64> buffer;
        char* out_ptr = buffer.data();
        std::size_t out_left = buffer.size();
        bool ok = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) != kIconvFailed &&
                  iconv(cd, nullptr, nullptr, &out_ptr, &out_left) != kIconvFailed;
        if (!ok) iconv(cd, nullptr, nullptr, nullptr, nullptr);
        // A unit that came out as nothing (a combining mark transliterated away) still leaves a
        // mark, as one the code page lacks altogether does.
        if (!ok || out_ptr == buffer.data()) {
            out.push_back('?');
            return;
        }
        out.append(buffer.data(), out_ptr);
    }

    iconv_t DecodeDescriptor(int code_page) {
        auto it = decode_descriptors.find(code_page);
        if (it != decode_descriptors.end()) return it->second;
        const std::string source = IconvSourceName(code_page);
        iconv_t cd = source.empty() ? kNoDescriptor : iconv_open("UTF-16LE", source.c_str());
        decode_descriptors.emplace(code_page, cd);
        return cd;
    }

    std::u16string Decode(std::string_view bytes, int code_page) {
        std::u16string text;
        iconv_t cd = DecodeDescriptor(code_page);
        if (cd == kNoDescriptor || bytes.empty()) return text;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        std::string in(bytes);
        char* in_ptr = in.data();
        std::size_t in_left = in.size();
        // Every code page here gives at most two UTF-16 units per byte.
        std::string out(in.size() * 4 + 16, '\0');
        char* out_ptr = out.data();
        std::size_t out_left = out.size();
        while (in_left > 0) {
            if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) != kIconvFailed) break;
            if (errno == E2BIG) break;  // cannot happen with the room reserved above
            // EILSEQ or EINVAL: the byte at in_ptr starts nothing valid (or is cut off).
            iconv(cd, nullptr, nullptr, &out_ptr, &out_left);
            if (out_left < 2) break;
            out_ptr[0] = static_cast<char>(0xFD);
            out_ptr[1] = static_cast<char>(0xFF);
            out_ptr += 2;
            out_left -= 2;
            ++in_ptr;
            --in_left;
        }
        // Stateful decoders (CP1258 holds a base letter back for a following mark) flush here.
        iconv(cd, nullptr, nullptr, &out_ptr, &out_left);
        text.reserve(static_cast<std::size_t>(out_ptr - out.data()) / 2);
        for (const char* p = out.data(); p + 1 < out_ptr; p += 2)
            text.push_back(static_cast<char16_t>(static_cast<unsigned char>(p[0]) |
                                                 static_cast<unsigned char>(p[1]) << 8));
        return text;
    }

    locale_t ctype = nullptr;
    std::unordered_map<int, iconv_t> descriptors;
    std::unordered_map<int, iconv_t> decode_descriptors;
};

CodePageConverter::CodePageConverter() : impl_(std::make_unique<Impl>()) {}
CodePageConverter::~CodePageConverter() = default;
CodePageConverter::CodePageConverter(CodePageConverter&&) noexcept = default;
CodePageConverter& CodePageConverter::operator=(CodePageConverter&&) noexcept = default;

CodePageConverter::Impl& CodePageConverter::GetImpl() {
    // A moved-from converter starts afresh rather than failing.
    if (!impl_) impl_ = std::make_unique<Impl>();
    return *impl_;
}

bool CodePageConverter::IsKnownCodePage(int code_page) {
    return code_page == kDefaultCodePage || code_page == kSymbolCodePage ||
           code_page == kUtf7CodePage || code_page == kUtf8CodePage ||
           IconvName(code_page) != nullptr;
}

void CodePageConverter::AppendCodeUnit(char16_t unit, int code_page, std::string& out) {
    switch (code_page) {
        case kUtf8CodePage:
            AppendUtf8(unit, out);
            return;
        case kUtf7CodePage:
            AppendUtf7(unit, out);
            return;
        case kSymbolCodePage:
            AppendSymbol(unit, out);
            return;
        case kDefaultCodePage:
        case 1252:
            if (const auto byte = Cp1252CharToByte(unit)) {
                out.push_back(static_cast<char>(*byte));
                return;
            }
            GetImpl().AppendIconv(unit, 1252, out);
            return;
        default:
            GetImpl().AppendIconv(unit, code_page, out);
            return;
    }
}

std::string CodePageConverter::ConvertToCodePage(std::u16string_view text, int code_page) {
    std::string out;
    out.reserve(text.size());
    for (char16_t unit : text) AppendCodeUnit(unit, code_page, out);
    return out;
}

std::u16string CodePageConverter::ConvertFromCodePage(std::string_view bytes, int code_page) {
    switch (code_page) {
        case kDefaultCodePage:
        case 1252:
            return Cp1252BytesToText(bytes);
        case kSymbolCodePage: {
            std::u16string text;
            text.reserve(bytes.size());
            for (char b : bytes) text.push_back(static_cast<unsigned char>(b));
            return text;
        }
        default:
            return GetImpl().Decode(bytes, code_page);
    }
}

}  // namespace glyphora
