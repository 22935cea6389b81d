#include "shell/USoftOptions.h"
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Http.h"
#include "shell/UButton_Look.h"
#include "shell/UComon.h"
#include "shell/ULanguage.h"

TFSoftOptions* FSoftOptions = nullptr;

const QString SW_Version = QStringLiteral("1.000");

QString& Maker_Host()
{
    static QString host = QStringLiteral(LATTISOR_MAKER_HOST);
    return host;
}

QString Maker_Url(const QString& pathAndMore)
{
    return QStringLiteral("http://") + Maker_Host() + pathAndMore;
}

QString Update_Download_Link()
{
    return Maker_Url(QStringLiteral("/Home/download/download.asp#GXH59"));
}

QString Update_Link_Caption(const QString& text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(Update_Download_Link(), text);
}

int& Update_Timeout_Ms()
{
    static int timeout = 10000;
    return timeout;
}

int Conv_Version(const QString& text)
{
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const QString part = (blank < 0 ? text : text.mid(blank + 1)).trimmed();
    if (part.size() < 5)
        return -1;
    const QString digits = QString(part[0]) + part.mid(2, 3);
    if (!std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return -1;
    return digits.toInt();
}

bool Check_Version()
{
    const QUrl url(Maker_Url(QStringLiteral("/home/download/GetversionSW.asp?nomesw=") +
                             QString::fromLatin1(QUrl::toPercentEncoding(SW_Code_Update))));
    const std::vector<HttpHeader> headers = {
        {"Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"},
        {"User-Agent", "Lattisor/" + SW_Version.toLatin1()},
    };
    const std::optional<QByteArray> body = HttpGet(url, headers, Update_Timeout_Ms());
    const QString answer = body ? QString::fromLatin1(*body).trimmed() : QString();
    if (answer.isEmpty() || answer.toUpper() == QLatin1String("VER. 0.000"))
        return false;
    const int own = Conv_Version(SW_Version);
    const int announced = Conv_Version(answer);
    return own != -1 && announced != -1 && announced > own;
}

void Enable_Update_Timer(TTimer& timer)
{
    timer.SetEnabled(Enable_Internet && Enable_Update);
}

void Update_Timer_Tick(TTimer& timer, TLinkLabel& link)
{
    timer.SetEnabled(false);
    if (Check_Version()) {
        link.SetCaption(Update_Link_Caption(Lang_Text[19]));
        link.SetVisible(true);
    } else {
        link.SetVisible(false);
    }
    timer.SetInterval(Update_Next_Interval);
    timer.SetEnabled(true);
}

// ---------------------------------------------------------------------------------------------
// TFSoftOptions

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TDialog_Frame(AOwner, 460, 380)
{
    Name = QStringLiteral("FSoftOptions");

    PC_Options = new TPageControl(this);
    PC_Options->SetParent(this);
    PC_Options->SetAlign(alClient);
    auto newPage = [this] {
        auto* page = new TTabSheet(this);
        page->SetPageControl(PC_Options);
        return page;
    };
    TS_Language = newPage();
    TS_Con_Options = newPage();
    TS_Soft_Settings = newPage();

    L_Sel_Lang = new TLabel(this);
    L_Sel_Lang->SetParent(TS_Language);
    L_Sel_Lang->SetBounds(16, 12, 300, 16);
    for (int slot = 0; slot < Slot_Count; ++slot) {
        const int left = slot < 3 ? 16 : 230;
        const int top = 40 + (slot % 3) * 54;
        I_L[slot] = new TImage(this);
        I_L[slot]->SetParent(TS_Language);
        I_L[slot]->SetBounds(left, top, 48, 48);
        I_L[slot]->SetStretch(true);
        L_L[slot] = new TLabel(this);
        L_L[slot]->SetParent(TS_Language);
        L_L[slot]->SetBounds(left + 56, top + 16, 140, 16);
        for (TControl* control : {static_cast<TControl*>(I_L[slot]), static_cast<TControl*>(L_L[slot])}) {
            control->SetCursor(crHandPoint);
            control->OnClick = [this](TObject* Sender) { LangClick(Sender); };
        }
    }
    L_Page_Lang = new TLabel(this);
    L_Page_Lang->SetParent(TS_Language);
    L_Page_Lang->SetBounds(16, 212, 150, 16);
    Btn_Prev = New_Button(this, TS_Language, Bounds(230, 206, 100, 26), QStringLiteral("PREV"));
    Btn_Next = New_Button(this, TS_Language, Bounds(336, 206, 100, 26), QStringLiteral("NEXT"));
    Btn_Next->SetLayout(TOdButtonLayout::blGlyphRight);
    Btn_Prev->OnClick = Btn_Next->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };

    CB_En_Con = newCheckBox(TS_Con_Options, 16);
    CB_Update = newCheckBox(TS_Con_Options, 44);
    Btn_Check_Update = New_Button(this, TS_Con_Options, Bounds(16, 80, 200, 26), QStringLiteral("GLOBE"));
    Btn_Check_Update->OnClick = [this](TObject* Sender) { Btn_Check_UpdateClick(Sender); };
    LL_Check_Update = new TLinkLabel(this);
    LL_Check_Update->SetParent(TS_Con_Options);
    LL_Check_Update->SetBounds(16, 120, 420, 17);
    LL_Check_Update->SetVisible(false);
    LL_Check_Update->OnLinkClick = [this](TObject* Sender, const QString& Link, TSysLinkType) {
        LL_Check_UpdateLinkClick(Sender, Link);
    };

    CB_Soft_Set_Jump_Table = newCheckBox(TS_Soft_Settings, 16);
    CB_DoubleClick_Auto_Size = newCheckBox(TS_Soft_Settings, 44);

    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
    PC_Options->SetActivePage(TS_Con_Options);
    OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TCheckBox* TFSoftOptions::newCheckBox(TWinControl* parent, int top)
{
    auto* box = new TCheckBox(this);
    box->SetParent(parent);
    box->SetBounds(16, top, 420, 17);
    box->OnClick = [this](TObject* Sender) { CB_En_ConClick(Sender); };
    return box;
}

void TFSoftOptions::FormShow(TObject*)
{
    Language_In_Use = Language_Name;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->SetVisible(false);
    PC_Options->SetActivePage(TS_Language);
    CB_En_Con->SetChecked(Enable_Internet);
    CB_Update->SetChecked(Enable_Update);
    CB_Soft_Set_Jump_Table->SetChecked(Enable_Jump_Field_Tables);
    CB_DoubleClick_Auto_Size->SetChecked(Enable_Double_Click_Auto_Size);
}

void TFSoftOptions::Create_Lang_List()
{
    QStringList names;
    const QFileInfoList entries =
        QDir(Path_Language).entryInfoList({QStringLiteral("*.lng")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (entry.permission(QFileDevice::WriteOwner))
            names << entry.fileName();
    }
    names.sort(Qt::CaseInsensitive);
    SL_Languages.SetFrom(names);
    Show_Page = 1;
    Update_Lang_Page(Show_Page);
}

int TFSoftOptions::pageCount() const
{
    return std::max(1, (SL_Languages.Count() + Slot_Count - 1) / Slot_Count);
}

void TFSoftOptions::showPageLabel()
{
    L_Sel_Lang->SetCaption(Lang_Text[304] + Language_In_Use);
    L_Page_Lang->SetCaption(Lang_Text[305] + QString::number(Show_Page) + Lang_Text[306] +
                            QString::number(pageCount()));
}

void TFSoftOptions::Update_Lang_Page(int page)
{
    Show_Page = page;
    showPageLabel();
    Btn_Prev->SetVisible(page != 1);
    Btn_Next->SetVisible(page != pageCount());
    const int first = Slot_Count * (page - 1);
    const int shown = std::clamp(SL_Languages.Count() - first, 0, Slot_Count);
    for (int slot = 0; slot < Slot_Count; ++slot) {
        if (slot < shown) {
            showSlot(slot, SL_Languages[first + slot].chopped(4));
        } else {
            I_L[slot]->SetVisible(false);
            L_L[slot]->SetVisible(false);
        }
    }
}

void TFSoftOptions::showSlot(int slot, const QString& name)
{
    L_L[slot]->SetCaption(name);
    L_L[slot]->SetVisible(true);
    TPicture& picture = I_L[slot]->Picture();
    picture.Clear();
    const bool loaded = picture.LoadFromFile(Path_Language + QLatin1Char('/') + name + QStringLiteral(".bmp")) ||
                        picture.LoadFromFile(Path_Language + QStringLiteral("/DefaultFlag.bmp"));
    I_L[slot]->SetVisible(loaded);
    I_L[slot]->Invalidate();
}

void TFSoftOptions::Btn_NextClick(TObject* Sender)
{
    if (Sender == Btn_Next && pageCount() >= Show_Page + 1)
        ++Show_Page;
    else if (Sender == Btn_Prev && Show_Page - 1 > 0)
        --Show_Page;
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(TObject* Sender)
{
    int slot = 0;
    while (slot < Slot_Count && Sender != I_L[slot] && Sender != L_L[slot])
        ++slot;
    const int index = Slot_Count * (Show_Page - 1) + slot;
    if (slot == Slot_Count || index >= SL_Languages.Count())
        return;
    const QString name = SL_Languages[index].chopped(4);
    if (MessageDlg(Lang_Text[316] + Language_In_Use + Lang_Text[317] + name + Lang_Text[318], mtConfirmation,
                   mbYesNo) != mrYes)
        return;
    Language_In_Use = name;
    const QString committed = Language_Name;
    Language_Name = name;
    Load_Language();
    Language_Name = committed;
    Change_Language();
}

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->SetEnabled(CB_En_Con->Checked());
    Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

void TFSoftOptions::CB_En_ConClick(TObject*)
{
    Update_CheckBox();
}

void TFSoftOptions::Btn_Check_UpdateClick(TObject*)
{
    LL_Check_Update->SetCaption(Check_Version() ? Update_Link_Caption(Lang_Text[314]) : Lang_Text[315]);
    LL_Check_Update->SetVisible(true);
}

void TFSoftOptions::LL_Check_UpdateLinkClick(TObject*, const QString& Link)
{
    ShellOpen(Link);
}

void TFSoftOptions::Btn_OKClick(TObject*)
{
    Language_Name = Language_In_Use;
    Enable_Internet = CB_En_Con->Checked();
    Enable_Update = CB_Update->Checked();
    Enable_Jump_Field_Tables = CB_Soft_Set_Jump_Table->Checked();
    Enable_Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->Checked();
    SetModalResult(mrOk);
}

void TFSoftOptions::Set_Lang()
{
    SetCaption(Lang_Text[300]);
    L_SW_Desc->SetCaption(Lang_Text[301]);
    TS_Language->SetCaption(Lang_Text[302]);
    TS_Con_Options->SetCaption(Lang_Text[303]);
    TS_Soft_Settings->SetCaption(Lang_Text[319]);
    showPageLabel();
    Btn_Prev->SetCaption(Lang_Text[307]);
    Btn_Next->SetCaption(Lang_Text[308]);
    CB_En_Con->SetCaption(Lang_Text[309]);
    CB_Update->SetCaption(Lang_Text[310]);
    Btn_Check_Update->SetCaption(Lang_Text[311]);
    Btn_OK->SetCaption(Lang_Text[312]);
    Btn_Cancel->SetCaption(Lang_Text[313]);
    CB_Soft_Set_Jump_Table->SetCaption(Lang_Text[320]);
    CB_DoubleClick_Auto_Size->SetCaption(Lang_Text[321]);
}
