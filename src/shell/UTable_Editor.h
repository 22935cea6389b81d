#pragma once
// The frame of every table editor: a modal window that edits one project table file in one grid or in
// two grids on the pages of PageControl1. Title panel on top, the six buttons at the bottom; at every
// showing the grids are reset and the file is loaded; OK checks the rows and writes the file; the row
// buttons act on the grid of the active page through the row helpers. An editor supplies its grids,
// its loader, its check, its writer and its texts.
#include "controls/button/OdButton.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "shell/UTable_File.h"

#include <memory>
#include <optional>
#include <vector>

class VOroDavoduRuzu;

// A cell's number as the checks read it: a signed 32-bit integer, after leading blanks an optional sign
// and decimal digits, or hexadecimal digits after "$", "x" or "0x"; -1 for any other text.
int Table_Cell_Number(const QString& text);
// The same number, empty for an unreadable text (for the checks that read with another fallback).
std::optional<int> Table_Cell_Value(const QString& text);

class TTable_Editor : public TForm {
public:
    // textBase: the first number of the editor's block of texts; rowButtons: Delete, Insert, Copy and
    // Paste Row are there.
    TTable_Editor(TComponent* AOwner, int textBase, int clientWidth, int clientHeight, bool rowButtons = true);
    ~TTable_Editor() override;

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TOdButton* Btn_OK;
    TOdButton* Btn_Cancel;
    TOdButton* Btn_DelRow = nullptr;
    TOdButton* Btn_InsRow = nullptr;
    TOdButton* Btn_CopyRow = nullptr;
    TOdButton* Btn_PasteRow = nullptr;
    // Only in editors with two tables.
    TPageControl* PageControl1 = nullptr;
    // Every showing starts on the first page; an editor that stays on the page last chosen clears it.
    bool First_Page_At_Show = true;

    void FormCreate(TObject* Sender);
    // The loader: resets the grids, reads the file, completes the tables.
    void FormShow(TObject* Sender);
    // The check, then the file is written and the form closes with OK.
    void Btn_OKClick(TObject* Sender);
    void Btn_DelRowClick(TObject* Sender);
    void Btn_InsRowClick(TObject* Sender);
    void Btn_CopyRowClick(TObject* Sender);
    void Btn_PasteRowClick(TObject* Sender);
    // The grid events every table binds.
    void ClickCell(VOroDavoduRuzu& Grid, int ARow, int ACol);
    void DblClickCell(VOroDavoduRuzu& Grid, int ARow, int ACol);
    void KeyPress(VOroDavoduRuzu& Grid, char16_t& Key);
    void GridHint(VOroDavoduRuzu& Grid, int ARow, int ACol, QString& HintStr);
    // The caption, title, button captions and hints from the block; editors add their own texts.
    virtual void Set_Lang();
    virtual bool Controllo_dati() { return true; }

    // The table of a grid: its header hints, its copy flag, its Enable column and its key column.
    struct TTable {
        VOroDavoduRuzu* Grid = nullptr;
        TTabSheet* Sheet = nullptr;
        TStringList Hints;
        bool Do_Copy = false;
        bool Has_Enable = false;
        int Key_Column = 1;
        // The key is tested after trimming blanks (else as it stands).
        bool Trim_Key = true;
        // The header hint of a shown column is the entry of its real column (else of the column as shown).
        bool Hint_By_Real_Column = false;
    };
    TTable& Table(int index) { return *tables_.at(static_cast<size_t>(index)); }
    int Table_Count() const { return static_cast<int>(tables_.size()); }
    // The table of the active page (the only one in a one-table editor).
    TTable& Active_Table();
    // The rows in use: 1 up to the row before the first empty key cell.
    int Used_Rows(const TTable& table) const;
    // The load stopped before the file's end (a missing attribute, a broken file).
    bool Load_Stopped() const { return loadStopped_; }

protected:
    // A grid filling the window between the panels, or on a new page of PageControl1 (created with the
    // first page).
    TTable& Add_Table(VOroDavoduRuzu* grid, bool onPage);
    // Numbered rows, Enable "Y", every other cell empty (hidden columns too).
    virtual void Reset_Table(TTable& table);
    // Before the file is read: lists and limits that depend on the project.
    virtual void Prepare() {}
    // Reads the file into the grids; raises on a missing attribute that has no default or on a broken file.
    virtual void Load_File() = 0;
    // After a complete load: computed columns.
    virtual void Complete_Load() {}
    // Writes the file; raises when it can't.
    virtual void Save_File() = 0;
    // The delete question for the row, and the row operations of a grid: the column-grid helpers on a
    // column grid, the string-grid ones (Enable checked in emptied rows) on a string grid.
    virtual QString Delete_Question(int row) const;
    virtual void Delete_Row(TTable& table, int row);
    virtual void Insert_Row(TTable& table, int row);
    virtual void Copy_Row(TTable& table, int row);
    virtual void Paste_Row(TTable& table, int row);
    // After Delete Row (whatever the answer) and after Paste Row.
    virtual void Rows_Changed(TTable& table) { (void)table; }

    // The Enable check box of a row: a cell check box in a string grid, "Y" / "N" in a column grid.
    static void Set_Enable(VOroDavoduRuzu& grid, int row, bool enabled);
    static bool Enabled(VOroDavoduRuzu& grid, int row);

    // The first failing row of a check: text prefix + row + text reason (+ tail), an error box.
    static void Row_Error(int prefix, int row, int reason, const QString& tail = QString());
    // A file with more rows than a table: the rows that fit were read; says how many were not.
    static void Report_Ignored_Rows(int ignored);
    // Fills the table from rows read from the file: row i into grid row i + 1, column by column; a missing
    // attribute takes its default (an empty default leaves the reset cell), one without default raises
    // with the rows and cells filled so far kept. Rows beyond the table are ignored and reported.
    void Fill_Table(TTable& table, const TTable_Rows& rows, std::span<const TTable_Column> columns,
                    const QString& file);
    // The rows in use of the table, as they are written: the cell texts as they stand.
    TTable_Rows Table_Rows(const TTable& table, std::span<const TTable_Column> columns) const;
    // Raised by a loader for an attribute that must be there.
    [[noreturn]] static void Missing_Attribute(const QString& file, const char* name);

    int textBase_;

private:
    void Build_Frame(bool rowButtons);
    TOdButton* New_Frame_Button(int left, const QString& glyph);

    std::vector<std::unique_ptr<TTable>> tables_;
    int clientWidth_;
    int clientHeight_;
    int langId_ = -1;
    bool loadStopped_ = false;
};
