#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "about/letter_board.h"

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace glyphora {

class ClickSound;
class LetterTile;
class LinkBox;
class UpdateChecker;
class UpdateCheckRecorder;

// What the About box takes from the program that opens it.
struct AboutServices {
    std::string base_name = "glyphora";   // the executable's base name, first version line
    std::filesystem::path settings_file;  // where the update check records its last result
    UpdateCheckRecorder* update_recorder = nullptr;  // null: the check records nothing
    ClickSound* click_sound = nullptr;  // null: the embedded click of the About box's module
};

// fwAbout ("About..."): platform and copyright, the versions of the program and of the
// character-name library, links to the web site and the support address, the update check and
// the sliding-letter board with its animated hint. Build a new one for every opening: the board
// starts afresh each time.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int kTilePitch = 22;      // pixels between tile origins, both ways
    static constexpr int kHintInterval = 250;  // milliseconds per hint frame
    static constexpr int kUpdateButtonWidth = 96;

    explicit AboutWindow(const AboutServices& services, QWidget* owner = nullptr);
    ~AboutWindow() override;

    // nOnTop: the opener's always-on-top choice (1 = on), set before the window is shown.
    int nOnTop() const { return on_top_; }
    void SetOnTop(int on_top) { on_top_ = on_top; }

    QLabel* tlAbout() const { return tl_about_; }
    QLabel* tlVersion() const { return tl_version_; }
    LinkBox* tlSite() const { return tl_site_; }
    LinkBox* tlMail() const { return tl_mail_; }
    QPushButton* bbUpdate() const { return bb_update_; }
    QLabel* tlUpdate() const { return tl_update_; }
    QPushButton* bbClose() const { return bb_close_; }
    UpdateChecker* ucUpdate() const { return uc_update_; }
    QFrame* pbTable() const { return pb_table_; }
    LetterTile* tlCell(int index) const { return tl_cell_[index]; }
    QLabel* ibTable() const { return ib_table_; }
    const QPixmap& ibMouseIcon(int direction) const { return ib_mouse_icon_[direction - 1]; }
    QTimer* toTable() const { return to_table_; }
    QLabel* ibIcon() const { return ib_icon_; }  // the program's icon
    const LetterBoard& Board() const { return board_; }

    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildPuzzle();
    void BuildLabels(const AboutServices& services);
    void Arrange();
    QPoint CellOrigin(LetterBoard::Cell cell) const;
    void OnTileClicked(int index);
    void OnTilePointerMoved(int index);
    void OnTableTick();
    void OnUpdateClicked();
    void OnUpdateFinished(int result, const QString& version);

    int on_top_ = 0;
    LetterBoard board_;
    std::unique_ptr<ClickSound> own_click_sound_;
    ClickSound* click_sound_;
    std::array<QPixmap, 4> ib_mouse_icon_;
    int hint_frame_ = 0;

    QLabel* tl_about_;
    QLabel* tl_version_;
    LinkBox* tl_site_;
    LinkBox* tl_mail_;
    QPushButton* bb_update_;
    QLabel* tl_update_;
    QPushButton* bb_close_;
    UpdateChecker* uc_update_;
    QFrame* pb_table_;
    std::vector<LetterTile*> tl_cell_;
    QLabel* ib_table_;
    QTimer* to_table_;
    QLabel* ib_icon_ = nullptr;
};

// Opens the About box modally over the owner (the main window's bbAbout) and returns when it is
// closed. on_top is the owner's always-on-top choice (chOnTop: 1 = on).
void ShowAboutBox(QWidget* owner, int on_top, const AboutServices& services);

}  // namespace glyphora
