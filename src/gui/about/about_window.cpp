#include "about/about_window.h"

#include <QCursor>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <random>

#include "about/about_module.h"
#include "about/arrow_pictures.h"
#include "about/click_sound.h"
#include "about/letter_tile.h"
#include "about/name_library_version.h"
#include "about/update_check.h"
#include "about/update_checker.h"
#include "app/version_info.h"
#include "controls/link_box.h"
#include "platform/window_layout.h"
#include "program/program_icon.h"

namespace glyphora {
namespace {

const QString kCheckCaption = QStringLiteral("Check for Update");
const QString kCancelCaption = QStringLiteral("Cancel Check");
constexpr int kMargin = 10;
constexpr int kGap = 6;
constexpr int kIconSide = 48;

// Without the About box's module a click only moves the tile.
class NoClickSound final : public ClickSound {
public:
    void Play() override {}
};

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The link labels as the form stores them: keys in lower case, as a form writes them.
PropertyBag DesignBag(const char* caption, const QFont& font) {
    PropertyBag bag;
    bag.WriteProperty("alignment", "0");
    bag.WriteProperty("autosize", "True");
    bag.WriteProperty("backcolor", std::to_string(kThemeWindow));
    bag.WriteProperty("caption", caption);
    bag.WriteProperty("captionispath", "True");
    bag.WriteProperty("enabled", "True");
    bag.WriteProperty("font", font.toString().toStdString());
    bag.WriteProperty("forecolor", std::to_string(kThemeLink));
    bag.WriteProperty("hottracking", "True");
    bag.WriteProperty("path", "");
    return bag;
}

QSize TextSize(const QWidget* widget, const QString& text) {
    return QFontMetrics(widget->font())
        .boundingRect(QRect(0, 0, 4096, 4096), Qt::AlignLeft | Qt::AlignTop, text)
        .size();
}

}  // namespace

AboutWindow::AboutWindow(const AboutServices& services, QWidget* owner)
    : QDialog(owner),
      click_sound_(services.click_sound),
      ib_mouse_icon_(DrawArrowPictures()),
      tl_about_(new QLabel(this)),
      tl_version_(new QLabel(this)),
      tl_site_(new LinkBox(this)),
      tl_mail_(new LinkBox(this)),
      bb_update_(new QPushButton(kCheckCaption, this)),
      tl_update_(new QLabel(this)),
      bb_close_(new QPushButton(QStringLiteral("&Close"), this)),
      uc_update_(new UpdateChecker(this)),
      pb_table_(new QFrame(this)),
      ib_table_(new QLabel(pb_table_)),
      to_table_(new QTimer(this)) {
    setObjectName("fwAbout");
    setWindowTitle(QStringLiteral("About..."));
    if (click_sound_ == nullptr) {
        const AboutModule* module = LoadAboutModule();
        own_click_sound_ = module ? module->NewClickSound() : std::make_unique<NoClickSound>();
        click_sound_ = own_click_sound_.get();
    }
    tl_about_->setObjectName("tlAbout");
    tl_version_->setObjectName("tlVersion");
    tl_site_->setObjectName("tlSite");
    tl_mail_->setObjectName("tlMail");
    bb_update_->setObjectName("bbUpdate");
    tl_update_->setObjectName("tlUpdate");
    bb_close_->setObjectName("bbClose");
    uc_update_->setObjectName("ucUpdate");
    pb_table_->setObjectName("pbTable");
    ib_table_->setObjectName("ibTable");
    to_table_->setObjectName("toTable");
    ib_icon_ = new QLabel(this);
    ib_icon_->setObjectName("ibIcon");
    ib_icon_->setPixmap(ProgramIcon().pixmap(QSize(kIconSide, kIconSide), devicePixelRatioF()));

    BuildPuzzle();
    BuildLabels(services);
    Arrange();

    const std::string title(kApplicationTitle);
    uc_update_->SetRemotePath(tl_site_->Path() + QString::fromStdString(title + ".js"));
    uc_update_->SetLocalPath(services.settings_file);
    uc_update_->SetLocalVersion(QString::fromStdString(LongVersionText(kProgramVersion)));
    uc_update_->SetRecorder(services.update_recorder);

    connect(bb_update_, &QPushButton::clicked, this, &AboutWindow::OnUpdateClicked);
    connect(uc_update_, &UpdateChecker::Finished, this, &AboutWindow::OnUpdateFinished);
    connect(bb_close_, &QPushButton::clicked, this, &QDialog::reject);
    bb_close_->setDefault(true);
    // Focus on a link would underline it from the start, as if the pointer were over it.
    bb_close_->setFocus();
}

AboutWindow::~AboutWindow() = default;

QPoint AboutWindow::CellOrigin(LetterBoard::Cell cell) const {
    return pb_table_->contentsRect().topLeft() +
           QPoint((cell.column - 1) * kTilePitch, (cell.row - 1) * kTilePitch);
}

void AboutWindow::BuildPuzzle() {
    pb_table_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pb_table_->setAutoFillBackground(true);
    pb_table_->setBackgroundRole(QPalette::Base);
    const int frame = pb_table_->frameWidth();
    pb_table_->resize(board_.Columns() * kTilePitch + 2 * frame,
                      board_.Rows() * kTilePitch + 2 * frame);

    QFont tile_font = font();
    tile_font.setBold(true);
    tile_font.setPointSizeF(tile_font.pointSizeF() * 1.15);
    for (int k = 0; k < board_.TileCount(); ++k) {
        auto* tile = new LetterTile(k, pb_table_);
        tile->setObjectName(QStringLiteral("tlCell(%1)").arg(k));
        tile->setText(QString(QChar(board_.Caption(k))));
        tile->setFont(tile_font);
        tile->setProperty("Tag", QString::fromStdString(board_.Tag(k)));
        if (!board_.IsBlank(k)) {
            tile->setFrameStyle(QFrame::Panel | QFrame::Raised);
            tile->setAutoFillBackground(true);
            tile->setBackgroundRole(QPalette::Button);
            tile->setForegroundRole(QPalette::ButtonText);
        }
        tile->setGeometry(
            QRect(CellOrigin(board_.CellOf(k)), QSize(kTilePitch - 1, kTilePitch - 1)));
        connect(tile, &LetterTile::Clicked, this, &AboutWindow::OnTileClicked);
        connect(tile, &LetterTile::PointerMoved, this, &AboutWindow::OnTilePointerMoved);
        tl_cell_.push_back(tile);
    }

    std::mt19937 random(static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    const int hint = board_.PickHintTile(random);
    ib_table_->setAttribute(Qt::WA_TransparentForMouseEvents);
    ib_table_->setPixmap(ib_mouse_icon_[hint_frame_]);
    ib_table_->resize(ib_mouse_icon_[0].size());
    if (hint >= 0) {
        ib_table_->move(tl_cell_[hint]->pos() + QPoint(5, 5));
        ib_table_->raise();
    } else {
        ib_table_->hide();
    }
    to_table_->setInterval(kHintInterval);
    connect(to_table_, &QTimer::timeout, this, &AboutWindow::OnTableTick);
    to_table_->start();
}

void AboutWindow::BuildLabels(const AboutServices& services) {
    tl_about_->setTextFormat(Qt::PlainText);
    tl_about_->setText(QSysInfo::prettyProductName() + QStringLiteral(", ") +
                       QSysInfo::currentCpuArchitecture() + QStringLiteral(", Qt ") +
                       QString::fromLatin1(qVersion()) + QLatin1Char('\n') +
                       FromUtf8(kVersionInformation.legal_copyright));
    tl_version_->setTextFormat(Qt::PlainText);
    tl_version_->setText(QString::fromStdString(services.base_name + ": " +
                                                ShortVersionText(kProgramVersion) + "\n" +
                                                NameLibraryVersionLine()));

    const SupportAddresses addresses = SplitComments(kVersionInformation.comments);
    const std::string title(kApplicationTitle);
    tl_site_->ReadProperties(DesignBag("http://", font()));
    tl_mail_->ReadProperties(DesignBag("mailto:", font()));
    tl_site_->SetCaption(QString::fromStdString(addresses.site));
    tl_site_->SetPath(QString::fromStdString(addresses.site + "/Products/" + title + "/"));
    tl_mail_->SetCaption(QString::fromStdString(addresses.mail));
    // Without a mail address there is nothing to give a subject to.
    tl_mail_->SetPath(addresses.mail.empty()
                          ? QString()
                          : QString::fromStdString(addresses.mail + "?subject=" + title));

    tl_update_->setTextFormat(Qt::PlainText);
    tl_update_->setWordWrap(true);
    tl_update_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void AboutWindow::Arrange() {
    const QSize about_size = TextSize(this, tl_about_->text());
    const QSize version_size = TextSize(this, tl_version_->text());
    const int button_height = bb_update_->sizeHint().height();
    // 96 pixels, unless the style's padding and font need more for the caption.
    const int update_button_width = std::max(kUpdateButtonWidth, bb_update_->sizeHint().width());
    const int close_width = std::max(bb_close_->sizeHint().width(), kUpdateButtonWidth);

    // The icon stands at the right of the version lines and the links.
    const int beside_icon =
        std::max({version_size.width(), tl_site_->width(), tl_mail_->width()}) + kGap + kIconSide;
    int width = std::max({pb_table_->width(), about_size.width(), beside_icon});
    // The longest result should fit on two lines beside the button.
    const QString longest =
        QString::fromStdString(UpdateResultText({UpdateResult::NotAccessible, {}}));
    const int update_width =
        std::max(width - update_button_width - kGap, TextSize(this, longest).width() / 2 + 8);
    width = std::max(width, update_button_width + kGap + update_width);
    int update_height = button_height;
    for (const UpdateResult result :
         {UpdateResult::NotAccessible, UpdateResult::UpToDate, UpdateResult::NewerAvailable}) {
        const QString text = QString::fromStdString(UpdateResultText({result, "00.00.0000"}));
        update_height =
            std::max(update_height, QFontMetrics(font())
                                        .boundingRect(QRect(0, 0, update_width, 4096),
                                                      Qt::AlignLeft | Qt::TextWordWrap, text)
                                        .height());
    }

    int y = kMargin;
    pb_table_->move(kMargin + (width - pb_table_->width()) / 2, y);
    y += pb_table_->height() + 2 * kGap;
    tl_about_->setGeometry(kMargin, y, about_size.width(), about_size.height());
    y += about_size.height() + kGap;
    tl_version_->setGeometry(kMargin, y, version_size.width(), version_size.height());
    ib_icon_->setGeometry(kMargin + width - kIconSide, y, kIconSide, kIconSide);
    y += version_size.height() + kGap;
    tl_site_->move(kMargin, y);
    y += tl_site_->height() + 2;
    tl_mail_->move(kMargin, y);
    y += tl_mail_->height() + 2 * kGap;
    bb_update_->setGeometry(kMargin, y + (update_height - button_height) / 2, update_button_width,
                            button_height);
    tl_update_->setGeometry(kMargin + update_button_width + kGap, y, update_width, update_height);
    y += update_height + 2 * kGap;
    bb_close_->setGeometry(kMargin + width - close_width, y, close_width, button_height);
    y += button_height + kMargin;

    FitWindow(this, width + 2 * kMargin, y);
    setFixedSize(size());
}

void AboutWindow::setVisible(bool visible) {
    // The flag must be in place before the window is mapped; afterwards it would mean a re-show.
    if (visible) SetTopmost(this, on_top_ == 1);
    QDialog::setVisible(visible);
}

void AboutWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        SetTopmost(this, on_top_ == 1);
    }
    QDialog::changeEvent(event);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutWindow::OnTileClicked(int index) {
    const QPoint tile_at = tl_cell_[index]->pos();
    const LetterBoard::Move move = board_.Click(index);
    if (move.direction == LetterBoard::kNone) return;
    LetterTile* blank = tl_cell_[move.neighbour];
    const QPoint blank_at = blank->pos();
    if (move.direction == LetterBoard::kLeft || move.direction == LetterBoard::kRight) {
        tl_cell_[index]->move(blank_at.x(), tile_at.y());
        blank->move(tile_at.x(), blank_at.y());
    } else {
        tl_cell_[index]->move(tile_at.x(), blank_at.y());
        blank->move(blank_at.x(), tile_at.y());
    }
    tl_cell_[index]->setProperty("Tag", QString::fromStdString(board_.Tag(index)));
    blank->setProperty("Tag", QString::fromStdString(board_.Tag(move.neighbour)));
    click_sound_->Play();
}

void AboutWindow::OnTilePointerMoved(int index) {
    to_table_->stop();
    ib_table_->hide();
    const int direction = board_.TileDirection(index);
    if (direction == LetterBoard::kNone) {
        // An arrow left from an earlier position would point where the tile cannot go.
        tl_cell_[index]->unsetCursor();
    } else {
        const QPixmap& arrow = ib_mouse_icon_[direction - 1];
        tl_cell_[index]->setCursor(QCursor(arrow, arrow.width() / 2, arrow.height() / 2));
    }
}

void AboutWindow::OnTableTick() {
    hint_frame_ = (hint_frame_ + 1) & 3;
    ib_table_->setPixmap(ib_mouse_icon_[hint_frame_]);
}

void AboutWindow::OnUpdateClicked() {
    if (bb_update_->text() != kCancelCaption) {
        setCursor(Qt::WaitCursor);
        bb_update_->setText(kCancelCaption);
        // The answer of an earlier try would read as this check's.
        tl_update_->clear();
        uc_update_->Check();
    } else {
        uc_update_->Cancel();
        bb_update_->setText(kCheckCaption);
        unsetCursor();
    }
}

void AboutWindow::OnUpdateFinished(int result, const QString& version) {
    // A cancelled check: the cancel click has already put the button and the pointer back.
    if (result == static_cast<int>(UpdateResult::Cancelled)) return;
    unsetCursor();
    bb_update_->setText(kCheckCaption);
    const UpdateCheckOutcome outcome{static_cast<UpdateResult>(result), version.toStdString()};
    tl_update_->setText(QString::fromStdString(UpdateResultText(outcome)));
    // A conclusive answer does not change until the box is opened again.
    if (outcome.result != UpdateResult::NotAccessible) bb_update_->setEnabled(false);
}

void ShowAboutBox(QWidget* owner, int on_top, const AboutServices& services) {
    AboutWindow about(services, owner);
    about.SetOnTop(on_top);
    about.exec();
}

}  // namespace glyphora
