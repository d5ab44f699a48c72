#include "cli_model.h"

#include "base/text.h"
#include "cli_data.h"

namespace glyphora::cli {

CliModel::CliModel(const CliArgs& args, const std::optional<std::string>& font, bool show_all)
    : names_(LoadCliNameTable(args)),
      catalog_(source_),
      model_({&names_, &classifier_, &measure_, nullptr, &catalog_}) {
    model_.LoadFonts();
    if (model_.Fonts().Items().items.empty()) throw UsageError{"no installed fonts found"};
    std::optional<std::size_t> start_font = 0;
    if (font) {
        start_font = model_.Fonts().ItemByName(Utf8ToUtf16(*font));
        if (!start_font) throw UsageError{"unknown font family '" + *font + "'"};
    }
    // Settings are restored before the saved font is chosen, so the choice lists accordingly.
    model_.Subranges().SetShowAll(show_all);
    model_.SelectFont(start_font);
}

}  // namespace glyphora::cli
