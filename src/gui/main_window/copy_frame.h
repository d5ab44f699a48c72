#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <optional>

#include "copy/copy_format.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace glyphora {

class FittedComboBox;
class MainWindowModel;

// The copy controls of the main window on the model's CopyPanel: the format options, the To-copy
// box with Copy and Reset, the code page and entity boxes, and the clipboard preview. The window
// builds and lays out the widgets; this turns their events into panel calls and shows the panel's
// state in them.
class CopyFrame : public QObject {
    Q_OBJECT

public:
    struct Controls {
        std::array<QRadioButton*, kCopyFormatCount> formats{};
        QLineEdit* copy_box = nullptr;
        QComboBox* code_page = nullptr;
        FittedComboBox* entity = nullptr;
        QLabel* entity_label = nullptr;
        QPushButton* copy = nullptr;
        QPushButton* reset = nullptr;
        FittedComboBox* preview = nullptr;
        QCheckBox* preview_charset = nullptr;
    };

    // after runs once an event has reached the model: the window shows the new state (Sync).
    CopyFrame(const Controls& controls, MainWindowModel& model, std::function<void()> after,
              QObject* parent);

    // Start-up: the code page row (with the controls' preparation), then the format and the
    // preview's character set (with the other settings).
    void RestoreCodePageRow(int row);
    void RestoreFormat(std::optional<CopyFormat> format, bool preview_charset);

    // Model to widgets.
    void Sync();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Connect();
    void Copy();
    void SyncPreview();
    void SyncEntities();

    Controls c_;
    MainWindowModel& model_;
    std::function<void()> after_;
};

}  // namespace glyphora
