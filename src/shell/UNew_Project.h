#pragma once
// The new project dialog: makes a project folder (with its "bin" folder) inside PROJECTS.
#include "controls/button/OdButton.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

class TFNew_Project : public TForm {
public:
    explicit TFNew_Project(TComponent* AOwner);
    ~TFNew_Project() override;
    QString ClassName() const override { return QStringLiteral("TFNew_Project"); }

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void E_New_ProjKeyPress(TObject* Sender, char16_t& Key);
    // Checks the name, makes the folders, opens the project and closes with OK; a refused name
    // shows its message and keeps the dialog open.
    void Btn_OKClick(TObject* Sender);
    void Set_Lang();

    TLabel* Label1;
    TEdit* E_New_Proj;
    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TOdButton* Btn_OK;
    TOdButton* Btn_Cancel;

private:
    int setLangId_ = 0;
};

extern TFNew_Project* FNew_Project;

// A name that can be a project folder: no path separator, no character a folder name on any of the
// supported systems refuses, no control character, not "." or "..".
bool Valid_Project_Name(const QString& name);
