// A shown form holding a 600 x 300 string grid of six columns without scroll bars, and the mouse over it
// through the platform's input path.
#pragma once

#include "grid/VoGrid/VoGrid.h"
#include "platform/Forms.h"
#include "support/TestSeams.h"

struct MouseFixture {
    explicit MouseFixture(int rows = 8) : form(nullptr)
    {
        form.SetBounds(0, 0, 700, 400);
        grid = new VOroDavoduRuzu(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 600, 300);
        grid->SetScrollBars(ssNone);
        grid->SetColCount(6);
        grid->SetRowCount(rows);
        form.Show();
        grid->SetFocus();
    }
    TPoint centre(int c, int r) const
    {
        const TRect R = grid->CellRect(c, r);
        return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
    }
    void click(TPoint p, TMouseButton button = TMouseButton::mbLeft, TShiftState shift = 0)
    {
        SendClick(*grid, p, button, shift);
    }
    void mouse(TMouseAction action, TPoint p, TShiftState shift = 0)
    {
        SendMouse(*grid, action, TMouseButton::mbLeft, p, shift);
    }
    TGridCoord cell() const { return {grid->Col(), grid->Row()}; }

    TForm form;
    VOroDavoduRuzu* grid;
};
