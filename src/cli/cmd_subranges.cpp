#include <string>
#include <vector>

#include "base/text.h"
#include "base/text_measure.h"
#include "cli_common.h"
#include "cli_data.h"
#include "cli_fonts.h"
#include "fonts/subrange_glyph_counts.h"
#include "unicode/subrange_views.h"

namespace glyphora::cli {

namespace {

constexpr std::size_t kCoverageLength = 128;

std::string RequireCoverage(const std::string& bits) {
    if (bits.size() > kCoverageLength)
        throw UsageError{"--coverage: at most 128 digits 0 or 1, got " +
                         std::to_string(bits.size())};
    if (bits.find_first_not_of("01") != std::string::npos)
        throw UsageError{"--coverage: only the digits 0 and 1 are allowed: '" + bits + "'"};
    return bits;
}

}  // namespace

// subranges [--all] [--coverage BITS | --font FAMILY [--counts]]: the Subranges list as the main
// window would fill it, one line per listed subrange: key, first, last, bit, "Check" icon, name;
// with --counts also how many of the subrange's assigned characters the font has glyphs for, and
// how many it has.
int RunSubranges(const CliArgs& args, std::ostream& out) {
    if (!args.operands.empty())
        throw UsageError{"subranges takes no operands: '" + args.operands.front() + "'"};
    const auto font = args.Option("--font");
    if (font && args.Option("--coverage"))
        throw UsageError{"--font and --coverage exclude each other"};
    if (args.Has("--counts") && !font) throw UsageError{"--counts needs --font FAMILY"};
    std::vector<GlyphCount> counts;
    if (args.Has("--counts"))
        counts = SubrangeGlyphCounts(LoadCliNameTable(args)).Count(TableGlyphRangesOfFamily(*font));
    const std::string coverage =
        font ? CoverageOfFamily(*font)
             : RequireCoverage(
                   args.Option("--coverage").value_or(std::string(kCoverageLength, '1')));

    SubrangeViews views;
    FillSubranges(views, args.Has("--all"), coverage, FixedWidthMeasure{});
    for (const ListItem& item : views.list.items) {
        out << ItemKey(item.id) << '\t' << Hex4(item.id) << '\t' << Hex4(item.last) << '\t'
            << item.bit << '\t' << (item.check ? 1 : 0) << '\t' << Utf16ToUtf8(item.text);
        if (const auto row = SubrangeGlyphCounts::RowStartingAt(item.id); row && !counts.empty())
            out << '\t' << counts[*row].have << '\t' << counts[*row].assigned;
        out << '\n';
    }
    return 0;
}

}  // namespace glyphora::cli
