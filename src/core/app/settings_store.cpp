#include "app/settings_store.h"

#include <optional>
#include <utility>

#include "app/atomic_file.h"
#include "app/ini_file.h"
#include "base/text.h"

namespace glyphora {

namespace {

struct LoadedFile {
    FileReadStatus status = FileReadStatus::Failed;
    std::string bytes;
    IniFile ini;

    // A file that exists but could not be read must not be replaced by one holding only the new
    // value: that would lose every other setting.
    bool Writable() const {
        return status == FileReadStatus::Ok || status == FileReadStatus::Missing;
    }
};

LoadedFile Load(const std::filesystem::path& file) {
    FileRead read = ReadWholeFile(file, kSettingsFileSizeLimit);
    LoadedFile loaded;
    loaded.status = read.status;
    if (read.status == FileReadStatus::Ok) {
        loaded.bytes = std::move(read.bytes);
        loaded.ini = IniFile::Parse(loaded.bytes);
    }
    return loaded;
}

SettingWrite Store(const std::filesystem::path& file, const LoadedFile& loaded,
                   const IniFile& changed) {
    const std::string bytes = changed.Serialize();
    if (loaded.status == FileReadStatus::Ok && bytes == loaded.bytes)
        return SettingWrite::Unchanged;
    // Emptying a section of a missing file: no reason to create an empty one.
    if (loaded.status == FileReadStatus::Missing && bytes.empty()) return SettingWrite::Unchanged;
    return WriteFileAtomically(file, bytes, AtomicWriteMode::Replace) == AtomicWriteStatus::Written
               ? SettingWrite::Written
               : SettingWrite::Failed;
}

// Length of the UTF-8 sequence at i, or 1 for a byte that starts none.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 1;
    if ((lead & 0xE0) == 0xC0) length = 2;
    if ((lead & 0xF0) == 0xE0) length = 3;
    if ((lead & 0xF8) == 0xF0) length = 4;
    if (i + length > text.size()) return 1;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

std::string_view LeadingCharacters(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < count && i < text.size(); ++n) i += SequenceLength(text, i);
    return text.substr(0, i);
}

std::size_t CountCharacters(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += SequenceLength(text, i)) ++count;
    return count;
}

std::string_view BeforeNul(std::string_view text) { return text.substr(0, text.find('\0')); }

// The stored text as the read operations see it: up to the first NUL, at most limit characters,
// spaces trimmed.
std::optional<std::string> StoredText(const IniFile& ini, std::string_view section,
                                      std::string_view key, std::size_t limit) {
    const auto value = ini.Get(section, key);
    if (!value) return std::nullopt;
    return std::string(TrimSpaces(LeadingCharacters(BeforeNul(*value), limit)));
}

bool Blank(std::string_view text) { return TrimSpaces(text).empty(); }

}  // namespace

std::string ReadSettingText(const std::filesystem::path& file, std::string_view section,
                            std::string_view key, std::string_view default_text) {
    if (file.empty() || Blank(section) || Blank(key)) return std::string(default_text);
    const LoadedFile loaded = Load(file);
    if (loaded.status != FileReadStatus::Ok) return std::string(default_text);
    return StoredText(loaded.ini, section, key, kSettingTextLimit)
        .value_or(std::string(default_text));
}

Fixed4 ReadSettingNumber(const std::filesystem::path& file, std::string_view section,
                         std::string_view key, Fixed4 default_number) {
    if (file.empty() || Blank(section) || Blank(key)) return default_number;
    const LoadedFile loaded = Load(file);
    if (loaded.status != FileReadStatus::Ok) return default_number;
    const auto text = StoredText(loaded.ini, section, key, kSettingNumberLimit);
    return text ? Fixed4::ParseLeading(*text) : default_number;
}

SettingWrite WriteSettingText(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view value) {
    if (file.empty() || Blank(section) || Blank(key)) return SettingWrite::Ignored;
    if (!IniFile::IsValidSectionName(section) || !IniFile::IsValidKey(key) ||
        !IniFile::IsValidValue(value)) {
        return SettingWrite::Failed;
    }
    LoadedFile loaded = Load(file);
    if (!loaded.Writable()) return SettingWrite::Failed;
    if (!value.empty() && StoredText(loaded.ini, section, key, kSettingTextLimit) == value) {
        return SettingWrite::Unchanged;
    }
    IniFile changed = loaded.ini;
    changed.Set(section, key, value.empty() ? std::string_view(" ") : value);
    return Store(file, loaded, changed);
}

SettingWrite WriteSettingNumber(const std::filesystem::path& file, std::string_view section,
                                std::string_view key, Fixed4 value) {
    if (file.empty() || Blank(section) || Blank(key)) return SettingWrite::Ignored;
    if (!IniFile::IsValidSectionName(section) || !IniFile::IsValidKey(key)) {
        return SettingWrite::Failed;
    }
    LoadedFile loaded = Load(file);
    if (!loaded.Writable()) return SettingWrite::Failed;
    if (value != Fixed4()) {
        const auto stored = StoredText(loaded.ini, section, key, kSettingNumberLimit);
        if (stored && Fixed4::ParseLeading(*stored) == value) return SettingWrite::Unchanged;
    }
    IniFile changed = loaded.ini;
    changed.Set(section, key, value.ToText());
    return Store(file, loaded, changed);
}

std::vector<std::string> ReadSettingList(const std::filesystem::path& file,
                                         std::string_view section) {
    std::vector<std::string> values;
    if (file.empty() || Blank(section)) return values;
    const LoadedFile loaded = Load(file);
    if (loaded.status != FileReadStatus::Ok) return values;
    std::size_t used = 1;  // the final terminator
    for (const auto& [key, value] : loaded.ini.Entries(section)) {
        const std::string_view text = BeforeNul(value);
        used += CountCharacters(key) + 1 + CountCharacters(text) + 1;
        if (used > kSettingSectionLimit) break;
        values.emplace_back(text);
    }
    return values;
}

SettingWrite WriteSettingList(const std::filesystem::path& file, std::string_view section,
                              const std::vector<std::string>& entries) {
    if (file.empty() || Blank(section)) return SettingWrite::Ignored;
    std::vector<std::pair<std::string, std::string>> lines;
    lines.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        lines.emplace_back(std::to_string(i), entries[i]);
    }
    LoadedFile loaded = Load(file);
    if (!loaded.Writable()) return SettingWrite::Failed;
    IniFile changed = loaded.ini;
    if (!changed.ReplaceSection(section, lines)) return SettingWrite::Failed;
    return Store(file, loaded, changed);
}

}  // namespace glyphora
