#include "shell/UNew_Project.h"
#include <QDir>
#include "platform/Dialogs.h"
#include "platform/FileUtils.h"
#include "shell/UComon.h"
#include "shell/ULanguage.h"

TFNew_Project* FNew_Project = nullptr;

namespace {

// A folder of that name inside the folder, letter case ignored.
bool folderExists(const QString& folder, const QString& name)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden).contains(name, Qt::CaseInsensitive);
}

void showError(int text)
{
    MessageDlg(Lang_Text[text], mtError, mbOK);
}

}  // namespace

bool Valid_Project_Name(const QString& name)
{
    static const QString refused = QStringLiteral("<>:\"/\\|?*");
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || refused.contains(c))
            return false;
    }
    return true;
}

TFNew_Project::TFNew_Project(TComponent* AOwner) : TDialog_Frame(AOwner, 331, 162)
{
    Name = QStringLiteral("FNew_Project");

    Label1 = new TLabel(this);
    Label1->SetParent(this);
    Label1->SetBounds(16, 80, 300, 16);

    E_New_Proj = new TEdit(this);
    E_New_Proj->SetParent(this);
    E_New_Proj->SetBounds(16, 98, 299, 21);
    E_New_Proj->ShowHint = true;
    E_New_Proj->OnKeyPress = [this](TObject* Sender, char16_t& Key) { E_New_ProjKeyPress(Sender, Key); };

    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFNew_Project::FormShow(TObject*)
{
    E_New_Proj->SetText(QString());
    if (E_New_Proj->CanFocus())
        E_New_Proj->SetFocus();
}

void TFNew_Project::E_New_ProjKeyPress(TObject* Sender, char16_t& Key)
{
    if (Key == 13)
        Btn_OKClick(Sender);
}

void TFNew_Project::Btn_OKClick(TObject*)
{
    const QString name = E_New_Proj->Text();
    if (name.isEmpty()) {
        showError(107);
        return;
    }
    if (!Valid_Project_Name(name)) {
        showError(105);
        return;
    }
    if (folderExists(Path_Projects, name)) {
        showError(106);
        return;
    }
    const QString folder = Path_Projects + QLatin1Char('/') + name;
    if (!QDir().mkdir(folder)) {
        showError(105);
        return;
    }
    ForceDirectories(folder + QLatin1String("/bin"));
    Project_Name = name;
    Path_Project = folder;
    Set_Files();
    SetModalResult(mrOk);
}

void TFNew_Project::Set_Lang()
{
    SetCaption(Lang_Text[100]);
    L_SW_Desc->SetCaption(Lang_Text[101]);
    Label1->SetCaption(Lang_Text[102]);
    Btn_OK->SetCaption(Lang_Text[103]);
    Btn_Cancel->SetCaption(Lang_Text[104]);
    E_New_Proj->Hint = Lang_Text[108];
    Btn_OK->Hint = Lang_Text[109];
    Btn_Cancel->Hint = Lang_Text[110];
}
