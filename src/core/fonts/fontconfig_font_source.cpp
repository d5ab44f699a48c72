#include "fonts/fontconfig_font_source.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <tuple>
#include <unordered_map>

#include "base/text.h"
#include "fonts/sfnt_reader.h"

namespace glyphora {
namespace {

struct Face {
    std::string family;
    std::string full_name;
    std::string style;
    std::string file;
    int index = 0;  // fontconfig's: face in the low 16 bits, named instance above
    FontKind kind = FontKind::Other;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    int width = FC_WIDTH_NORMAL;
    const FcCharSet* charset = nullptr;  // owned by the listed font set
};

std::string GetString(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || value == nullptr)
        return {};
    return reinterpret_cast<const char*>(value);
}

int GetInteger(FcPattern* pattern, const char* object, int fallback) {
    int value = 0;
    return FcPatternGetInteger(pattern, object, 0, &value) == FcResultMatch ? value : fallback;
}

bool IsRegularStyle(const std::string& style) {
    return style.empty() || style == "Regular" || style == "Book" || style == "Roman" ||
           style == "Normal";
}

// The sfnt formats: the only ones with an OS/2 table and Unicode subset bits.
FontKind KindOfFormat(const std::string& format) {
    return format == "TrueType" || format == "CFF" ? FontKind::Outline : FontKind::Other;
}

// Lower is more like the face a plain family name stands for.
auto RegularityKey(const Face& face) {
    return std::make_tuple(face.slant != FC_SLANT_ROMAN, std::abs(face.width - FC_WIDTH_NORMAL),
                           std::abs(face.weight - FC_WEIGHT_REGULAR), !IsRegularStyle(face.style),
                           std::cref(face.file), face.index);
}

}  // namespace

struct FontconfigFontSource::Impl {
    FcConfig* config = nullptr;
    FcFontSet* set = nullptr;
    std::vector<Face> faces;                  // by file path, then index
    std::vector<std::size_t> representative;  // per family, in order of first appearance
    std::unordered_map<std::string, std::size_t> family_face;  // family -> face index
    std::vector<EnumeratedFace> enumerated;

    ~Impl() {
        if (set != nullptr) FcFontSetDestroy(set);
        if (config != nullptr) FcConfigDestroy(config);
    }

    void List() {
        config = FcConfigReference(nullptr);
        if (config == nullptr) return;
        FcPattern* pattern = FcPatternCreate();
        FcObjectSet* objects =
            FcObjectSetBuild(FC_FAMILY, FC_FULLNAME, FC_STYLE, FC_FILE, FC_INDEX, FC_FONTFORMAT,
                             FC_WEIGHT, FC_SLANT, FC_WIDTH, FC_VARIABLE, FC_CHARSET, nullptr);
        if (pattern != nullptr && objects != nullptr) set = FcFontList(config, pattern, objects);
        if (objects != nullptr) FcObjectSetDestroy(objects);
        if (pattern != nullptr) FcPatternDestroy(pattern);
        if (set == nullptr) return;

        faces.reserve(static_cast<std::size_t>(set->nfont));
        for (int i = 0; i < set->nfont; ++i) {
            FcPattern* font = set->fonts[i];
            FcBool variable = FcFalse;
            // The whole variable font; its named instances are listed on their own.
            if (FcPatternGetBool(font, FC_VARIABLE, 0, &variable) == FcResultMatch && variable)
                continue;
            Face face;
            face.file = GetString(font, FC_FILE);
            face.family = GetString(font, FC_FAMILY);
            if (face.file.empty() || face.family.empty()) continue;
            face.style = GetString(font, FC_STYLE);
            face.full_name = GetString(font, FC_FULLNAME);
            if (face.full_name.empty())
                face.full_name =
                    IsRegularStyle(face.style) ? face.family : face.family + " " + face.style;
            face.index = GetInteger(font, FC_INDEX, 0);
            face.kind = KindOfFormat(GetString(font, FC_FONTFORMAT));
            face.weight = GetInteger(font, FC_WEIGHT, FC_WEIGHT_REGULAR);
            face.slant = GetInteger(font, FC_SLANT, FC_SLANT_ROMAN);
            face.width = GetInteger(font, FC_WIDTH, FC_WIDTH_NORMAL);
            FcCharSet* charset = nullptr;
            if (FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) == FcResultMatch)
                face.charset = charset;
            faces.push_back(std::move(face));
        }
        // fontconfig's order follows its caches; a fixed order keeps record numbers stable.
        std::sort(faces.begin(), faces.end(), [](const Face& a, const Face& b) {
            return std::tie(a.file, a.index) < std::tie(b.file, b.index);
        });

        for (std::size_t i = 0; i < faces.size(); ++i) {
            const auto [it, added] = family_face.try_emplace(faces[i].family, i);
            if (added) {
                representative.push_back(i);
                continue;
            }
            if (Better(faces[i], faces[it->second])) it->second = i;
        }
        for (std::size_t& face : representative) face = family_face.at(faces[face].family);
        Enumerate();
    }

    void Enumerate() {
        enumerated.reserve(representative.size());
        for (const std::size_t i : representative) {
            const Face& face = faces[i];
            EnumeratedFace report{face.family, face.full_name, face.kind, {}};
            if (face.kind == FontKind::Outline) {
                const auto face_in_file = static_cast<std::uint32_t>(face.index) & 0xFFFFu;
                // An unreadable or damaged file keeps the all-zero field: listed, covering
                // nothing.
                if (const auto subset = ReadUnicodeSubsetFromFile(face.file, face_in_file))
                    report.unicode_subset = *subset;
            }
            enumerated.push_back(std::move(report));
        }
    }

    // sfnt faces first, then the more regular face.
    static bool Better(const Face& a, const Face& b) {
        if (a.kind != b.kind) return a.kind == FontKind::Outline;
        return RegularityKey(a) < RegularityKey(b);
    }

    const Face* FindFamily(const std::string& family) const {
        if (const auto it = family_face.find(family); it != family_face.end())
            return &faces[it->second];
        for (const std::size_t i : representative)
            if (EqualsNoCase(faces[i].family, family)) return &faces[i];
        return nullptr;
    }
};

FontconfigFontSource::FontconfigFontSource() : impl_(std::make_unique<Impl>()) { impl_->List(); }

FontconfigFontSource::~FontconfigFontSource() = default;

std::optional<std::vector<InstalledFontEntry>> FontconfigFontSource::InstalledFonts() const {
    if (impl_->set == nullptr) return std::nullopt;
    std::vector<InstalledFontEntry> entries;
    const std::vector<Face>& faces = impl_->faces;
    for (std::size_t i = 0; i < faces.size();) {
        InstalledFontEntry entry{faces[i].kind, {faces[i].full_name}, faces[i].file};
        std::size_t next = i + 1;
        for (; next < faces.size() && faces[next].file == faces[i].file; ++next)
            entry.face_names.push_back(faces[next].full_name);
        entries.push_back(std::move(entry));
        i = next;
    }
    return entries;
}

std::vector<EnumeratedFace> FontconfigFontSource::EnumerateFaces() const {
    return impl_->enumerated;
}

void FontconfigFontSource::LoadConfiguration() {
    if (FcConfig* config = FcConfigReference(nullptr)) FcConfigDestroy(config);
}

GlyphRanges FontconfigFontSource::FamilyGlyphRanges(const std::string& family) const {
    const Face* face = impl_->FindFamily(family);
    if (face == nullptr || face->charset == nullptr) return GlyphRanges{};
    std::array<std::uint32_t, kBmpBitmapWords> bitmap{};
    FcChar32 map[FC_CHARSET_MAP_SIZE];
    FcChar32 next = 0;
    for (FcChar32 base = FcCharSetFirstPage(face->charset, map, &next);
         base != FC_CHARSET_DONE && base < 0x10000;
         base = FcCharSetNextPage(face->charset, map, &next)) {
        std::copy(map, map + FC_CHARSET_MAP_SIZE, bitmap.begin() + base / 32);
    }
    return GlyphRangesFromBitmap(bitmap);
}

}  // namespace glyphora
