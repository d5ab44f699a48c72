#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <array>

#include "table/char_table.h"

namespace glyphora {

// The character table as assistive technology sees it: a table of 16 x 16 cells, each of which
// reads out its character, its code and its name, with the current cell selected and focused;
// the column headers ("0" to "F") and the row headers (the rows' code labels) follow the cells
// among the children.
class CharTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    static constexpr int kSide = 16;  // rows and columns
    static constexpr int kChildren = MainWindowModel::kCells + 2 * kSide;

    explicit CharTableAccessible(CharTable* table);
    ~CharTableAccessible() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override { return kChildren; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text kind) const override;

    // The table interface: one page, the current cell its only selection.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 1; }
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kSide; }
    int rowCount() const override { return kSide; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    CharTable* Table() const { return static_cast<CharTable*>(widget()); }

    // Cells and headers have no object of their own: their interfaces are made on demand and
    // registered with Qt, which hands out their ids; they go with the table's interface.
    mutable std::array<QAccessible::Id, kChildren> ids_{};
};

// A part of the table without an object of its own: a cell or a header.
class CharTablePartAccessible : public QAccessibleInterface {
public:
    CharTablePartAccessible(CharTable* table, int index) : table_(table), index_(index) {}

    bool isValid() const override { return !table_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;

    int Index() const { return index_; }  // among the table's children

protected:
    virtual QRect LocalRect() const = 0;

    QPointer<CharTable> table_;
    int index_;
};

// One cell of the table.
class CharCellAccessible : public CharTablePartAccessible, public QAccessibleTableCellInterface {
public:
    using CharTablePartAccessible::CharTablePartAccessible;

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return index_ % CharTableAccessible::kSide; }
    int rowIndex() const override { return index_ / CharTableAccessible::kSide; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

protected:
    QRect LocalRect() const override;
};

// A column header (children 256 to 271) or a row header (272 to 287).
class CharHeaderAccessible : public CharTablePartAccessible {
public:
    using CharTablePartAccessible::CharTablePartAccessible;

    QString text(QAccessible::Text kind) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

protected:
    QRect LocalRect() const override;

private:
    bool IsColumn() const { return index_ < MainWindowModel::kCells + CharTableAccessible::kSide; }
    int Position() const { return (index_ - MainWindowModel::kCells) % CharTableAccessible::kSide; }
};

// The factory Qt asks for the table's interface; installed by the window.
QAccessibleInterface* CharTableAccessibleFactory(const QString& class_name, QObject* object);

}  // namespace glyphora
