#pragma once
// A string grid for the grid tests: its protected handlers are callable and its notifications counted.
#include "platform/Grids.h"
#include "platform/QtAccess.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <vector>

class TestGrid : public TStringGrid {
public:
    TestGrid() : TStringGrid(nullptr) { SetBounds(0, 0, 400, 250); }

    using TCustomGrid::FocusCell;
    using TCustomGrid::MoveColumn;
    using TCustomGrid::MoveRow;
    using TStringGrid::DoMouseWheelDown;
    using TStringGrid::DoMouseWheelUp;
    using TStringGrid::KeyDown;
    using TStringGrid::KeyPress;
    using TStringGrid::MouseDown;
    using TStringGrid::MouseMove;
    using TStringGrid::MouseUp;

    void Key(WORD key, TShiftState shift = 0) { KeyDown(key, shift); }
    // Types through Qt key events into the editor when open, else into the grid.
    void Type(const QString& text)
    {
        for (QChar c : text) {
            QWidget* target = EditorMode() ? QtAccess::Widget(*InplaceEditor()) : Widget();
            QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
            QKeyEvent release(QEvent::KeyRelease, c.toUpper().unicode(), Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &release);
        }
    }
    // Press and release of the left button at a point.
    void Click(int x, int y, TShiftState shift = 0)
    {
        MouseDown(TMouseButton::mbLeft, shift | ssLeft, x, y);
        MouseUp(TMouseButton::mbLeft, shift, x, y);
    }
    void Drag(TPoint from, TPoint to)
    {
        MouseDown(TMouseButton::mbLeft, ssLeft, from.X, from.Y);
        MouseMove(ssLeft, to.X, to.Y);
        MouseUp(TMouseButton::mbLeft, 0, to.X, to.Y);
    }

    std::vector<TGridCoord> refused;  // cells SelectCell refuses
    int widthChanges = 0;
    int topLeftChanges = 0;
    std::vector<std::pair<int, int>> columnMoves;
    std::vector<QString> editTexts;

protected:
    bool SelectCell(int ACol, int ARow) override
    {
        for (const TGridCoord& c : refused)
            if (c == TGridCoord{ACol, ARow})
                return false;
        return TStringGrid::SelectCell(ACol, ARow);
    }
    void ColWidthsChanged() override
    {
        ++widthChanges;
        TStringGrid::ColWidthsChanged();
    }
    void TopLeftChanged() override
    {
        ++topLeftChanges;
        TStringGrid::TopLeftChanged();
    }
    void ColumnMoved(int FromIndex, int ToIndex) override
    {
        columnMoves.emplace_back(FromIndex, ToIndex);
        TStringGrid::ColumnMoved(FromIndex, ToIndex);
    }
    void SetEditText(int ACol, int ARow, const QString& Value) override
    {
        editTexts.push_back(Value);
        TStringGrid::SetEditText(ACol, ARow, Value);
    }
};
