#pragma once

#include <string>
#include <vector>

#include "base/list_model.h"
#include "base/text_measure.h"
#include "fonts/font_source.h"

namespace glyphora {

// One installed face as the installed-font list names it.
struct FontRecord {
    FontKind kind = FontKind::Other;
    std::string face_name;
    std::string file_name;
    std::string coverage;  // empty until the enumeration stores the face's coverage string
};

// The installed fonts (records from index 1; index 0 is never filled) and the two start-up
// passes that fill them and the font list (lvFont): the installed-font list gives the records,
// the enumeration gives each family its coverage string and its one list item.
class FontTable {
public:
    // Rebuilds the records from the source's installed-font list, outline fonts only; an entry
    // naming several faces gives one record per face, all with its file. When the list cannot be
    // read the table stays as it is.
    void LoadInstalledFonts(const FontSource& source);

    // One enumeration report. Finds the report's record (the first whose face name is the
    // report's full name, else the last named like the family if it has no coverage yet), stores
    // the coverage string there, and lists the family under its name with the record's index as
    // its id unless it is listed already, widening the column to the name plus 12 pixels. Items
    // stay in case-insensitive alphabetical order. Returns true: the enumeration goes on.
    bool AddEnumeratedFont(const EnumeratedFace& face, ListViewModel& list,
                           const TextMeasure& measure);

    // All records including the unused index 0; empty before the first successful load.
    const std::vector<FontRecord>& Records() const { return records_; }
    // The record with this index (1 to the last), or null.
    const FontRecord* Record(long index) const;

private:
    std::vector<FontRecord> records_;
};

// Start-up's two passes: clears the list, makes its column at least the list's width less 4
// pixels, loads the outline fonts' records and feeds every enumeration report to AddEnumeratedFont.
void BuildFontList(const FontSource& source, const TextMeasure& measure, FontTable& table,
                   ListViewModel& list);

}  // namespace glyphora
