#include "shell/UOpenConf.h"
#include <QDir>
#include "shell/UComon.h"
#include "shell/ULanguage.h"

TFOpenConf* FOpenConf = nullptr;

TFOpenConf::TFOpenConf(TComponent* AOwner) : TDialog_Frame(AOwner, 377, 351)
{
    Name = QStringLiteral("FOpenConf");

    Label1 = new TLabel(this);
    Label1->SetParent(this);
    Label1->SetBounds(16, 78, 340, 16);

    ListBox1 = new TListBox(this);
    ListBox1->SetParent(this);
    ListBox1->SetBounds(16, 96, 345, 206);
    ListBox1->ShowHint = true;
    ListBox1->OnClick = [this](TObject* Sender) { ListBox1Click(Sender); };

    Btn_OK->SetModalResult(mrOk);

    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFOpenConf::FormShow(TObject*)
{
    Load_Existing_Configuration();
    ListBox1->Items().Assign(SL);
    const QString prefix = Path_Projects + QLatin1Char('/');
    const QString current = Path_Project.startsWith(prefix) ? Path_Project.mid(prefix.size()) : QString();
    int index = Search_Open_Conf(current);
    if (index < 0 && SL.Count() > 0)
        index = 0;
    if (index < 0)
        return;
    ListBox1->SetItemIndex(index);
    Name_Conf = SL[index];
}

void TFOpenConf::ListBox1Click(TObject*)
{
    const int index = ListBox1->ItemIndex();
    if (index >= 0)
        Name_Conf = ListBox1->Items()[index];
}

void TFOpenConf::Load_Existing_Configuration()
{
    SL.Clear();
    const QStringList names =
        QDir(Path_Projects).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted);
    for (const QString& name : names)
        SL.Add(name);
}

int TFOpenConf::Search_Open_Conf(const QString& name) const
{
    for (int i = 0; i < SL.Count(); ++i) {
        if (SL[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void TFOpenConf::Set_Lang()
{
    SetCaption(Lang_Text[200]);
    L_SW_Desc->SetCaption(Lang_Text[201]);
    Label1->SetCaption(Lang_Text[202]);
    Btn_OK->SetCaption(Lang_Text[203]);
    Btn_Cancel->SetCaption(Lang_Text[204]);
    ListBox1->Hint = Lang_Text[205];
    Btn_OK->Hint = Lang_Text[206];
    Btn_Cancel->Hint = Lang_Text[207];
}
