#pragma once

#include <QDialog>
#include <functional>

#include "table/fonts_with_char.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace glyphora {

class MainWindowModel;
class NameTable;

// "Fonts with This Character…" (fwFonts): a small non-modal list of the installed families that
// have a glyph for the current character, each drawn in its own font, with the count in the
// title. It follows the current character while it is open; choosing a family (click or Enter)
// chooses it in the font list and keeps the character.
class FontsWithCharWindow : public QDialog {
    Q_OBJECT

public:
    // sync: the main window's Sync, run after a choice changed the model.
    FontsWithCharWindow(MainWindowModel& model, FontCatalog& catalog, const NameTable& names,
                        std::function<void()> sync, QWidget* parent);

    // Shows the list for the current character and brings it to the front.
    void Open();
    // Follows the model while the list is shown.
    void Sync();

    QListWidget* List() const { return lvFonts; }

private:
    void Rebuild();
    void Chosen(QListWidgetItem* item);

    FontsWithChar list_;
    const NameTable& names_;
    std::function<void()> sync_;
    QLabel* tlFontsChar = nullptr;
    QListWidget* lvFonts = nullptr;
};

}  // namespace glyphora
