#pragma once
// The open project dialog: lists the project folders inside PROJECTS and preselects the open one.
#include "controls/button/OdButton.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

class TFOpenConf : public TForm {
public:
    explicit TFOpenConf(TComponent* AOwner);
    ~TFOpenConf() override;
    QString ClassName() const override { return QStringLiteral("TFOpenConf"); }

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void ListBox1Click(TObject* Sender);
    // SL := the folders directly inside Path_Projects, in the order the file system lists them.
    void Load_Existing_Configuration();
    // The index in SL of the first name equal to name, letter case ignored; -1 when none.
    int Search_Open_Conf(const QString& name) const;
    void Set_Lang();

    TLabel* Label1;
    TListBox* ListBox1;
    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TOdButton* Btn_OK;
    TOdButton* Btn_Cancel;
    TStringList SL;
    QString Name_Conf;  // the chosen project, kept between showings

private:
    int setLangId_ = 0;
};

extern TFOpenConf* FOpenConf;
