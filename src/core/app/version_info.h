#pragma once

#include <string>
#include <string_view>

namespace glyphora {

// The program's version numbers; the build sets them from the project version.
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

inline constexpr ProgramVersion kProgramVersion{GLYPHORA_VERSION_MAJOR, GLYPHORA_VERSION_MINOR,
                                                GLYPHORA_VERSION_PATCH};

// "5.02.0025": minor in two digits; ".revision" in four digits only when the revision is 1 or more.
std::string LongVersionText(const ProgramVersion& version);

// "5.2.25": minor plain, or "00" when it is 0; ".revision" plain only when it is 1 or more.
std::string ShortVersionText(const ProgramVersion& version);

// "5.2.25": the three numbers plain, as the package version and --version write them.
std::string ReleaseVersionText(const ProgramVersion& version);

// The program's own version information. The addresses are deployment values: change them here
// and nowhere else.
struct VersionInformation {
    std::string_view file_description;
    std::string_view product_name;
    std::string_view company_name;
    std::string_view legal_copyright;
    // The maker's web address (https, no trailing slash) and the support mail address with its
    // scheme, separated by ", ".
    std::string_view comments;
};

inline constexpr VersionInformation kVersionInformation{
    .file_description = "Glyphora",
    .product_name = "Glyphora",
    .company_name = "Glyphora",
    .legal_copyright = "Copyright \u00A9 2024\u20132025 The Glyphora developers",
    .comments = "https://glyphora.example.org, mailto:support@glyphora.example.org",
};

// The application title: names the product's page, the update file and the mail subject.
inline constexpr std::string_view kApplicationTitle = "Glyphora";

// The two addresses of the comments field. A field without ", " leaves the mail address empty.
struct SupportAddresses {
    std::string site;  // "https://glyphora.example.org"
    std::string mail;  // "mailto:support@glyphora.example.org"
};
SupportAddresses SplitComments(std::string_view comments);

}  // namespace glyphora
