#pragma once
// The open project dialog: lists the project folders inside PROJECTS and preselects the open one.
#include "shell/UDialog_Frame.h"

class TFOpenConf : public TDialog_Frame {
public:
    explicit TFOpenConf(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TFOpenConf"); }

    void FormShow(TObject* Sender);
    void ListBox1Click(TObject* Sender);
    // SL := the folders directly inside Path_Projects, in the order the file system lists them.
    void Load_Existing_Configuration();
    // The index in SL of the first name equal to name, letter case ignored; -1 when none.
    int Search_Open_Conf(const QString& name) const;
    void Set_Lang() override;

    TLabel* Label1;
    TListBox* ListBox1;
    TStringList SL;
    QString Name_Conf;  // the chosen project, kept between showings
};

extern TFOpenConf* FOpenConf;
