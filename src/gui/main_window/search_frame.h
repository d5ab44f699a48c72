#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace glyphora {

class MainWindowModel;

// The Search frame of the main window on the model's SearchPanel: the three options, the go-to
// box, the symbol box, the name/entity box with its history, and the search button. The window
// builds and lays out the widgets; this turns their events into panel calls and shows the panel's
// state in them.
class SearchFrame : public QObject {
    Q_OBJECT

public:
    struct Controls {
        std::array<QRadioButton*, 3> options{};
        QLineEdit* code_box = nullptr;
        QLineEdit* symbol_box = nullptr;
        QComboBox* text_box = nullptr;
        QPushButton* button = nullptr;
    };

    SearchFrame(const Controls& controls, MainWindowModel& model, std::function<void()> after,
                QObject* parent);

    // Start-up: the go-to notation ("bHexGoto"), then the history (section cbSearch_Search).
    void RestoreNotation(bool hex);
    void RestoreHistory(const std::vector<std::string>& history);
    // Shutdown: the history, newest first, as UTF-8.
    std::vector<std::string> History() const;

    // Model to widgets.
    void Sync();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Connect();
    bool GoToEvent(QEvent* event);
    bool SymbolEvent(QEvent* event);
    bool SearchBoxEvent(QEvent* event, bool watched_is_box);
    void SyncHistory();

    Controls c_;
    MainWindowModel& model_;
    std::function<void()> after_;
    bool leaving_search_box_ = false;
};

}  // namespace glyphora
