#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "base/list_model.h"

namespace glyphora {

// The font list and the Subranges list as Qt item models: a copy of the headless list's texts and
// "Check" icons, taken by Sync() after each handler, so that the view never reads the model in
// the middle of a change.
class ListAdapter : public QAbstractListModel {
    Q_OBJECT

public:
    explicit ListAdapter(QObject* parent = nullptr);

    // Takes the list's items: a reset when they changed, a repaint of the icons that changed.
    void Sync(const ListViewModel& list);
    void SetCheckIcon(const QIcon& icon) { check_ = icon; }
    // Each row's tool tip, asked by the row's id and text when it is shown.
    using ToolTips = std::function<QString(long id, const QString& text)>;
    void SetToolTips(ToolTips tips) { tips_ = std::move(tips); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<long> ids_;
    QStringList texts_;
    std::vector<bool> checks_;
    QIcon check_;
    QIcon blank_;
    ToolTips tips_;
};

}  // namespace glyphora
