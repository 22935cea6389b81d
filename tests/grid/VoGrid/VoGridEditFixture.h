#pragma once
// The shown form with an editing grid that the editing tests drive, and its record of the editing events.
#include <QCoreApplication>
#include <functional>
#include <initializer_list>
#include <vector>

#include "grid/VoGrid/Editors/VoInplaceEdit.h"
#include "grid/VoGrid/VoGrid.h"
#include "platform/Forms.h"
#include "support/TestSeams.h"

// A shown form with a 4 x 4 grid (one fixed row and column) that edits, and another control to leave to.
struct EditFixture {
    EditFixture() : form(nullptr)
    {
        form.SetBounds(0, 0, 500, 300);
        grid = new VOroDavoduRuzu(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 400, 200);
        grid->SetColCount(4);
        grid->SetRowCount(4);
        grid->SetOptions(grid->Options() | goEditing);
        other = new TEdit(&form);
        other->SetParent(&form);
        other->SetBounds(410, 0, 80, 21);
        other->TabStop = true;
        form.Show();
        grid->SetFocus();
        grid->SetCells(1, 1, QStringLiteral("old"));
        grid->OnCellValidate = [this](TObject*, int c, int r, QString& value, bool& valid) {
            log.push_back(QStringLiteral("validate %1,%2 %3 cell=%4").arg(c).arg(r).arg(value, grid->Cells(c, r)));
            if (validate)
                validate(value, valid);
        };
        grid->OnEditingDone = [this](TObject*) {
            log.push_back(QStringLiteral("editing done cell=%1").arg(grid->Cells(1, 1)));
        };
        grid->OnEditCellDone = [this](TObject*, int c, int r) {
            log.push_back(QStringLiteral("cell done %1,%2").arg(c).arg(r));
        };
    }
    TVoInplaceEdit& editor() { return *grid->InplaceEdit(); }
    // F2 on the current cell.
    void open() { SendKey(*grid, VK_F2); }
    void typeIntoEditor(const QString& text) { TypeText(editor(), text); }
    static void posted() { QCoreApplication::processEvents(); }

    TForm form;
    VOroDavoduRuzu* grid;
    TEdit* other;
    std::vector<QString> log;
    std::function<void(QString&, bool&)> validate;
};

inline std::vector<QString> expected(std::initializer_list<const char*> lines)
{
    std::vector<QString> out;
    for (const char* l : lines)
        out.push_back(QString::fromUtf8(l));
    return out;
}
