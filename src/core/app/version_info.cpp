#include "app/version_info.h"

#include <cstdio>

namespace glyphora {

std::string LongVersionText(const ProgramVersion& version) {
    char text[48];
    if (version.revision >= 1) {
        std::snprintf(text, sizeof text, "%d.%02d.%04d", version.major, version.minor,
                      version.revision);
    } else {
        std::snprintf(text, sizeof text, "%d.%02d", version.major, version.minor);
    }
    return text;
}

std::string ShortVersionText(const ProgramVersion& version) {
    std::string text = std::to_string(version.major) + ".";
    text += version.minor == 0 ? std::string("00") : std::to_string(version.minor);
    if (version.revision >= 1) {
        text += '.';
        text += std::to_string(version.revision);
    }
    return text;
}

std::string ReleaseVersionText(const ProgramVersion& version) {
    return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.revision);
}

SupportAddresses SplitComments(std::string_view comments) {
    constexpr std::string_view kSeparator = ", ";
    const std::size_t at = comments.find(kSeparator);
    if (at == std::string_view::npos) return {std::string(comments), {}};
    std::string_view mail = comments.substr(at + kSeparator.size());
    // Anything after a further separator is not an address of ours.
    mail = mail.substr(0, mail.find(kSeparator));
    return {std::string(comments.substr(0, at)), std::string(mail)};
}

}  // namespace glyphora
