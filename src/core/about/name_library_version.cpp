#include "about/name_library_version.h"

#include <unicode/uchar.h>
#include <unicode/uversion.h>

namespace glyphora {

std::string FourPartVersionText(const std::array<unsigned, 4>& parts) {
    std::string text;
    const int count = parts[2] != 0 || parts[3] != 0 ? 4 : 2;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += '.';
        text += std::to_string(parts[i]);
    }
    return text;
}

std::string NameLibraryVersionLine() {
    UVersionInfo library{};
    UVersionInfo unicode{};
    u_getVersion(library);
    u_getUnicodeVersion(unicode);
    const auto as_array = [](const UVersionInfo& info) {
        return std::array<unsigned, 4>{info[0], info[1], info[2], info[3]};
    };
    return "ICU: " + FourPartVersionText(as_array(library)) + " (Unicode " +
           FourPartVersionText(as_array(unicode)) + ")";
}

}  // namespace glyphora
