#include "table/cell_font.h"

#include <QFont>
#include <QHash>
#include <QString>

#include "table/char_table.h"

namespace glyphora {

const CellFont& CellFontOf(const std::u16string& family_name) {
    static QHash<QString, CellFont> resolved;
    const QString family = QString::fromStdU16String(family_name);
    if (const auto found = resolved.constFind(family); found != resolved.constEnd()) return *found;
    // A few dozen families cover any session; past that, start again rather than grow.
    if (resolved.size() >= 64) resolved.clear();
    CellFont face;
    if (!family.isEmpty()) {
        QFont font(family);
        font.setPixelSize(static_cast<int>(CharTable::kCellFontPixels));
        font.setStyleStrategy(QFont::NoFontMerging);
        face.raw = QRawFont::fromFont(font);
        // The family may carry its foundry ("C059 [UKWN]") when several foundries share the
        // name.
        QString found = face.raw.familyName();
        if (const qsizetype bracket = found.indexOf(QLatin1String(" ["));
            bracket > 0 && found.endsWith(QLatin1Char(']')))
            found.truncate(bracket);
        face.own = face.raw.isValid() && found.compare(family, Qt::CaseInsensitive) == 0;
    }
    return *resolved.insert(family, face);
}

}  // namespace glyphora
