#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <array>
#include <functional>
#include <optional>
#include <string_view>

#include "app/main_settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace glyphora {

class CharView;
class MainWindowModel;

// The Picture frame of the main window on the model's PicturePanel: the size box and its label,
// the style boxes and the colour buttons; it gives the character view its font and colours and
// draws the bitmap copy.
class PictureFrame : public QObject {
    Q_OBJECT

public:
    struct Controls {
        QComboBox* size_box = nullptr;
        QLabel* size_label = nullptr;
        QLabel* size_limit_label = nullptr;
        std::array<QCheckBox*, kPictureStyleCount> styles{};
        std::array<QPushButton*, 2> colours{};
        CharView* view = nullptr;
    };
    // Asks the user for a colour, starting on the current one; nullopt when cancelled.
    using ColourChooser = std::function<std::optional<QColor>(const QColor& current, int index)>;

    PictureFrame(const Controls& controls, MainWindowModel& model, std::function<void()> after,
                 QObject* parent);

    // Start-up: the size with the update-busy count raised, then the styles and the colours.
    void Restore(const PictureSettings& settings);
    // Shutdown.
    PictureSettings Settings() const;

    // The copy picture of some code units: the copy font (the chosen family, the picture styles,
    // the typed size) in the picture colours. Null when it would be too large.
    QImage DrawCopyPicture(std::u16string_view units) const;

    // The colour dialog of bbPicture(index); tests replace it.
    void SetColourChooser(ColourChooser chooser) { choose_colour_ = std::move(chooser); }
    void ChooseColour(int index);

    // Model to widgets.
    void Sync();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Connect();
    void SyncView();

    Controls c_;
    MainWindowModel& model_;
    std::function<void()> after_;
    ColourChooser choose_colour_;
    QFont shown_view_font_;
    std::optional<std::pair<QColor, QColor>> shown_colours_;
};

}  // namespace glyphora
