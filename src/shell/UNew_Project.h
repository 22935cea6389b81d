#pragma once
// The new project dialog: makes a project folder (with its "bin" folder) inside PROJECTS.
#include "shell/UDialog_Frame.h"

class TFNew_Project : public TDialog_Frame {
public:
    explicit TFNew_Project(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TFNew_Project"); }

    void FormShow(TObject* Sender);
    void E_New_ProjKeyPress(TObject* Sender, char16_t& Key);
    // Checks the name, makes the folders, opens the project and closes with OK; a refused name
    // shows its message and keeps the dialog open.
    void Btn_OKClick(TObject* Sender);
    void Set_Lang() override;

    TLabel* Label1;
    TEdit* E_New_Proj;
};

extern TFNew_Project* FNew_Project;

// A name that can be a project folder: no path separator, no character a folder name on any of the
// supported systems refuses, no control character, not "." or "..".
bool Valid_Project_Name(const QString& name);
