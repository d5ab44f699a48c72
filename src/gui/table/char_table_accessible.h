#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <array>

#include "table/char_table.h"

namespace glyphora {

// The character table as assistive technology sees it: a table of 256 cells, each of which reads
// out its character, its code and its name, with the current cell selected and focused.
class CharTableAccessible : public QAccessibleWidget {
public:
    explicit CharTableAccessible(CharTable* table);
    ~CharTableAccessible() override;

    int childCount() const override { return MainWindowModel::kCells; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text kind) const override;

private:
    CharTable* Table() const { return static_cast<CharTable*>(widget()); }

    // Cells have no object of their own: their interfaces are made on demand and registered
    // with Qt, which hands out their ids; they go with the table's interface.
    mutable std::array<QAccessible::Id, MainWindowModel::kCells> ids_{};
};

// One cell of the table.
class CharCellAccessible : public QAccessibleInterface {
public:
    CharCellAccessible(CharTable* table, int index) : table_(table), index_(index) {}

    bool isValid() const override { return !table_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;

    int Index() const { return index_; }

private:
    QPointer<CharTable> table_;
    int index_;
};

// The factory Qt asks for the table's interface; installed by the window.
QAccessibleInterface* CharTableAccessibleFactory(const QString& class_name, QObject* object);

}  // namespace glyphora
