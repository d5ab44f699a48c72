#include "app/desktop_entry.h"

#include "app/atomic_file.h"

namespace glyphora {

namespace {

// Longer than any entry of ours: a larger file is not ours to compare, only to replace.
constexpr std::size_t kEntrySizeLimit = 64 * 1024;

bool HasControlCharacter(std::string_view text) {
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F) return true;
    return false;
}

// A string value: backslashes doubled; a leading space spelled \s so that it is not trimmed.
std::string EscapeValue(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\')
            out += "\\\\";
        else if (text[i] == ' ' && i == 0)
            out += "\\s";
        else
            out += text[i];
    }
    return out;
}

// One argument of the Exec key: quoted when it holds a reserved character, with the quote,
// backquote, dollar and backslash escaped inside; "%" doubled, as a lone one starts a field code.
std::string ExecArgument(std::string_view path) {
    constexpr std::string_view kReserved = " \t\"'\\><~|&;$*?#()`";
    std::string arg;
    if (path.find_first_of(kReserved) == std::string_view::npos) {
        arg = path;
    } else {
        arg = "\"";
        for (char c : path) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') arg += '\\';
            arg += c;
        }
        arg += '"';
    }
    std::string out;
    for (char c : arg) {
        out += c;
        if (c == '%') out += '%';
    }
    return out;
}

}  // namespace

std::optional<std::filesystem::path> DesktopEntryPath(const PathEnvironment& env,
                                                      std::string_view base_name) {
    if (base_name.empty()) return std::nullopt;
    std::filesystem::path data_home;
    // The XDG rules ignore a relative value.
    if (!env.xdg_data_home.empty() && env.xdg_data_home.front() == '/')
        data_home = env.xdg_data_home;
    else if (!env.home.empty() && env.home.front() == '/')
        data_home = std::filesystem::path(env.home) / ".local" / "share";
    else
        return std::nullopt;
    return data_home / "applications" / (std::string(base_name) + ".desktop");
}

std::optional<std::string> DesktopEntryText(const std::filesystem::path& executable,
                                            std::string_view long_version) {
    const std::string exe = executable.string();
    if (!executable.is_absolute() || HasControlCharacter(exe) || HasControlCharacter(long_version))
        return std::nullopt;
    std::string text =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Version=1.4\n"
        "Name=Glyphora\n"
        "GenericName=Character Map\n"
        "Comment=Find the characters of a font and copy them\n"
        "Icon=glyphora\n"
        "Categories=Qt;Utility;\n"
        "Keywords=unicode;character;glyph;symbol;font;\n"
        "Terminal=false\n";
    // The Exec key is a string value too: the quoting comes first, then the value escapes.
    text += "Exec=" + EscapeValue(ExecArgument(exe)) + "\n";
    // Once the executable is gone (the package removed, the build folder deleted), desktops hide
    // the entry instead of showing a menu item that starts nothing.
    text += "TryExec=" + EscapeValue(exe) + "\n";
    text += "Path=" + EscapeValue(executable.parent_path().string()) + "\n";
    text += "X-Glyphora-Version=" + EscapeValue(long_version) + "\n";
    return text;
}

DesktopEntryWrite WriteDesktopEntry(const std::filesystem::path& file, std::string_view text) {
    const FileRead current = ReadWholeFile(file, kEntrySizeLimit);
    if (current.status == FileReadStatus::Ok && current.bytes == text)
        return DesktopEntryWrite::Unchanged;
    // Something that is not a file (a folder, a pipe) is not ours to replace.
    if (current.status == FileReadStatus::NotAFile) return DesktopEntryWrite::Failed;
    return WriteFileAtomically(file, text, AtomicWriteMode::Replace) == AtomicWriteStatus::Written
               ? DesktopEntryWrite::Written
               : DesktopEntryWrite::Failed;
}

}  // namespace glyphora
