#pragma once

#include <optional>
#include <string>

#include "base/text_measure.h"
#include "cli_common.h"
#include "fonts/fontconfig_font_source.h"
#include "fonts/installed_font_catalog.h"
#include "table/main_window_model.h"
#include "unicode/icu_char_classifier.h"
#include "unicode/name_table.h"

namespace glyphora::cli {

// The main window's model as start-up leaves it, for the commands that drive it (page, find):
// the name table as the program would load it, the installed fonts, "Show All" as restored, then
// the chosen family: the one named, else the first listed. Throws UsageError when no font is
// installed or the named family is unknown.
class CliModel {
public:
    CliModel(const CliArgs& args, const std::optional<std::string>& font, bool show_all);
    CliModel(const CliModel&) = delete;
    CliModel& operator=(const CliModel&) = delete;

    MainWindowModel& Model() { return model_; }
    const NameTable& Names() const { return names_; }

private:
    NameTable names_;
    IcuCharClassifier classifier_;
    FixedWidthMeasure measure_;
    FontconfigFontSource source_;
    InstalledFontCatalog catalog_;
    MainWindowModel model_;
};

// The Search frame's actions of `glyphora-cli page`, run on model: --search TEXT (typed into the
// search box, then Enter), --search-next (F3), --symbol CHAR (typed into the symbol box),
// --goto-box TEXT (typed into the code box one character at a time, then Enter unless the box
// filled), --notation hex|dec. Returns false for any other action.
bool RunSearchAction(MainWindowModel& model, const std::string& action, const std::string& value);

}  // namespace glyphora::cli
