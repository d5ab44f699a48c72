#pragma once

#include <QFrame>
#include <QHash>
#include <QString>
#include <functional>
#include <string_view>

class QHBoxLayout;
class QLabel;

namespace glyphora {

// A status bar of sunken panels identified by key (pbStatus(0) and pbStatus(1)). A panel shows a
// text and may hold controls of its own (the Type button, the mode check boxes); a double click
// on a panel is reported with its key.
class StatusBar : public QFrame {
    Q_OBJECT

public:
    // Status bar `bar` (0 or 1) with the panels the core lists for it, each as wide as
    // panel_width says in logical pixels (0 takes the room left over). A lock-key indicator
    // shows its key, greyed until the window knows the key's state.
    StatusBar(int bar, const std::function<int(std::string_view key)>& panel_width,
              QWidget* parent = nullptr);

    QFrame* Panel(const QString& key) const { return panels_.value(key); }
    QLabel* Label(const QString& key) const { return labels_.value(key); }
    // The panel's layout, for controls placed on it.
    QHBoxLayout* PanelLayout(const QString& key) const;
    void SetText(const QString& key, const QString& text);
    QString Text(const QString& key) const;

signals:
    void PanelDoubleClicked(const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QString, QFrame*> panels_;
    QHash<QString, QLabel*> labels_;
};

}  // namespace glyphora
