#include "gateway/UParGen.h"

#include "controls/button/OdButton.h"
#include "gateway/UParGenFile.h"
#include "gateway/UParGenPanels.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "shell/UButton_Look.h"
#include "shell/UComon.h"
#include "shell/UForm_Panels.h"
#include "shell/ULanguage.h"

namespace {

constexpr int Form_Width = 460;
constexpr int Form_Height = 700;

// The control of each key of ParGen.xml, in key order.
const char* const Key_Controls[ParGen_Editor_Key_Count] = {
    "E_EthConn_Device_Name",
    "CB_EthConn_En_DHCP_Cable",
    "CB_EthConn_En_DHCP_WiFi",
    "CB_EthConn_Enable_DNS",
    "E_EthConn_Pri_DNS_IP1",
    "E_EthConn_Pri_DNS_IP2",
    "E_EthConn_Pri_DNS_IP3",
    "E_EthConn_Pri_DNS_IP4",
    "E_EthConn_Sec_DNS_IP1",
    "E_EthConn_Sec_DNS_IP2",
    "E_EthConn_Sec_DNS_IP3",
    "E_EthConn_Sec_DNS_IP4",
    "E_EtherCAT_Slave_Revision_Number",
    "E_EtherCAT_Slave_Name",
    "E_EtherCAT_Slave_Node_Address",
    "E_DeviceNet_Master_IDDevice",
    "CB_DeviceNet_Master_Baudrate",
    "E_Ethernet_IP1",
    "E_Ethernet_IP2",
    "E_Ethernet_IP3",
    "E_Ethernet_IP4",
    "E_Ethernet_SM1",
    "E_Ethernet_SM2",
    "E_Ethernet_SM3",
    "E_Ethernet_SM4",
    "E_Ethernet_GAT1",
    "E_Ethernet_GAT2",
    "E_Ethernet_GAT3",
    "E_Ethernet_GAT4",
    "CB_Ethernet_En_GAT",
};

}  // namespace

TFParGen::TFParGen(TComponent* AOwner, int model) : TForm(AOwner), model_(ParGen_Model(model))
{
    Build_Frame();
    Build_Panels();
    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    OnResize = [this](TObject* s) { FormResize(s); };
    OnMouseWheel = [this](TObject* s, TShiftState shift, int delta, TPoint pos, bool& handled) {
        FormMouseWheel(s, shift, delta, pos, handled);
    };
}

TFParGen::~TFParGen()
{
    if (langId_ >= 0)
        Unregister_Set_Lang(langId_);
}

void TFParGen::Build_Frame()
{
    SetBorderStyle(bsSingle);
    Position = poScreenCenter;
    // The buttons are anchored right: they are placed for this width.
    SetClientWidth(Form_Width);
    SetClientHeight(Form_Height);
    const TForm_Panels panels = New_Form_Panels(*this);
    P_Title = panels.Title;
    L_SW_Code = panels.SW_Code;
    L_SW_Desc = panels.SW_Desc;
    P_Button = panels.Buttons;
    const auto button = [this](int left, const QString& glyph) {
        TOdButton* b = New_Button(this, P_Button, Bounds(left, 6, 110, 28), glyph);
        b->Anchors = akTop | akRight;
        return b;
    };
    Btn_OK = button(217, QStringLiteral("OK"));
    Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
    Btn_Cancel = button(335, QStringLiteral("CANCEL"));
    Btn_Cancel->SetModalResult(mrCancel);

    CPG = new TCategoryPanelGroup(this);
    CPG->SetParent(this);
    CPG->SetAlign(alClient);
    CPG->VertScrollBar().SetTracking(true);
    CPG->HeaderFont().SetName(QStringLiteral("Verdana"));
    CPG->HeaderFont().SetHeight(15);
    CPG->HeaderFont().SetStyle(fsBold);
    CPG->HeaderFont().SetColor(clGray);
    CPG->ChevronHotColor = clRed;
    CPG->GradientBaseColor = 0xD8D8E7;
    CPG->GradientColor = 0xD8D8E7;
    Load_Header_Pictures();
}

void TFParGen::Load_Header_Pictures()
{
    static const bool resourcesReady = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)resourcesReady;
    for (const char* name : {"Panel_Expanded", "Panel_Collapsed"}) {
        TBitmap picture;
        picture.LoadFromResource(QStringLiteral(":/gateway/pictures/%1.bmp").arg(QLatin1String(name)));
        picture.Transparent = true;
        ImageList1.Add(picture);
    }
    CPG->Images = &ImageList1;
}

TControl* TFParGen::Control(const QString& name) const
{
    return dynamic_cast<TControl*>(FindComponent(name));
}

TCategoryPanel* TFParGen::Panel(const QString& name) const
{
    return dynamic_cast<TCategoryPanel*>(FindComponent(name));
}

TEdit* TFParGen::Edit(const QString& name) const
{
    return dynamic_cast<TEdit*>(FindComponent(name));
}

TCheckBox* TFParGen::Check(const QString& name) const
{
    return dynamic_cast<TCheckBox*>(FindComponent(name));
}

TComboBox* TFParGen::List(const QString& name) const
{
    return dynamic_cast<TComboBox*>(FindComponent(name));
}

void TFParGen::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(Software_Code);
    SetClientWidth(Form_Width);
    SetClientHeight(Form_Height);
    for (const TPanel_Spec& spec : ParGen_Panels())
        Panel(QString::fromLatin1(spec.Name))->SetVisible(false);
    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
    if (langId_ < 0)
        langId_ = Register_Set_Lang([this] { Set_Lang(); });
}

void TFParGen::FormShow(TObject*)
{
    TParGen_Values values;
    try {
        values = Read_ParGen(File_ParGen);
    } catch (...) {
        HandleEventException();
        return;
    }
    for (int k = 0; k < ParGen_Editor_Key_Count; ++k) {
        const QString name = QString::fromLatin1(Key_Controls[k]);
        switch (ParGen_Key_Info(k).Kind) {
        case TParGen_Kind::Text:
            Edit(name)->SetText(values[k]);
            break;
        case TParGen_Kind::Check:
            Check(name)->SetChecked(values[k] == QLatin1String("1"));
            break;
        case TParGen_Kind::Index:
            List(name)->SetItemIndex(values[k].toInt());
            break;
        }
    }
    Move_GroupBoxs();
}

TParGen_Values TFParGen::Values() const
{
    TParGen_Values values;
    for (int k = 0; k < ParGen_Editor_Key_Count; ++k) {
        const QString name = QString::fromLatin1(Key_Controls[k]);
        switch (ParGen_Key_Info(k).Kind) {
        case TParGen_Kind::Text:
            values[k] = Edit(name)->Text();
            break;
        case TParGen_Kind::Check:
            values[k] = Check(name)->Checked() ? QStringLiteral("1") : QStringLiteral("0");
            break;
        case TParGen_Kind::Index:
            values[k] = QString::number(List(name)->ItemIndex());
            break;
        }
    }
    return values;
}

bool TFParGen::Controllo_Dati()
{
    if (const std::optional<int> text = ParGen_Check(Values())) {
        MessageDlg(Lang_Text[*text], mtError, mbOK);
        return false;
    }
    return true;
}

void TFParGen::Btn_OKClick(TObject*)
{
    if (!Controllo_Dati())
        return;
    try {
        Write_ParGen(File_ParGen, Values());
    } catch (...) {
        HandleEventException();
        return;
    }
    SetModalResult(mrOk);
}

void TFParGen::KeyPress(TObject* Sender, char16_t& Key)
{
    if (Key != u'.')
        return;
    Key = 0;
    const QString name = dynamic_cast<TComponent*>(Sender)->Name;
    for (const std::vector<QString>& chain : ParGen_Octet_Chains()) {
        const auto at = std::find(chain.begin(), chain.end(), name);
        if (at == chain.end() || at + 1 == chain.end())
            continue;
        TEdit* next = Edit(*(at + 1));
        if (next->CanFocus())
            next->SetFocus();
    }
}

void TFParGen::On_Change(TObject* Sender)
{
    if (ParGen_Relayout_Trigger(dynamic_cast<TComponent*>(Sender)->Name))
        Move_GroupBoxs();
}

void TFParGen::On_Click(TObject* Sender)
{
    On_Change(Sender);
}

void TFParGen::FormResize(TObject*)
{
    if (ClientWidth() != Form_Width)
        SetClientWidth(Form_Width);
}

void TFParGen::FormMouseWheel(TObject*, TShiftState, int WheelDelta, TPoint MousePos, bool& Handled)
{
    const TPoint p = CPG->ScreenToClient(MousePos);
    if (!CPG->ClientRect().Contains(p)) {
        Handled = false;
        return;
    }
    Handled = true;
    const int lines = WheelScrollLines();
    for (int i = 0; i < lines; ++i) {
        CPG->Perform(WM_VSCROLL, WheelDelta > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        CPG->Perform(WM_VSCROLL, SB_ENDSCROLL, 0);
    }
}

void TFParGen::Set_Lang()
{
    SetCaption(Lang_Text[400]);
    L_SW_Desc->SetCaption(Lang_Text[401]);
    Btn_OK->SetCaption(Lang_Text[402]);
    Btn_Cancel->SetCaption(Lang_Text[403]);
    Btn_OK->Hint = Lang_Text[404];
    Btn_Cancel->Hint = Lang_Text[405];

    for (const TPanel_Spec& spec : ParGen_Panels()) {
        if (!Holds_Rows(spec))
            continue;
        int n = spec.First_Text;
        for (const TPanel_Row& row : spec.Rows)
            n = Set_Row_Texts(row, row.Text ? row.Text : n);
    }
}

int TFParGen::Set_Row_Texts(const TPanel_Row& row, int n)
{
    const QString input = QString::fromLatin1(row.Input);
    const auto hint = [&](const QString& name) { Control(name)->Hint = Lang_Text[n++]; };
    TControl* caption = Control(QString::fromLatin1(row.Caption));
    caption->SetCaption(Lang_Text[n++]);
    switch (row.Kind) {
    case TRow_Kind::Header:
    case TRow_Kind::Label:
        break;
    case TRow_Kind::Check:
        caption->Hint = Lang_Text[n++];
        break;
    case TRow_Kind::Gateway:
        caption->Hint = Lang_Text[n++];
        [[fallthrough]];
    case TRow_Kind::Address:
        for (int i = 1; i <= 4; ++i)
            hint(input + QString::number(i));
        break;
    case TRow_Kind::Checks:
        for (int i = 1; i <= 3; ++i)
            hint(input + QString::number(i));
        break;
    case TRow_Kind::Check_Edit:
        caption->Hint = Lang_Text[n++];
        hint(input);
        break;
    case TRow_Kind::Edit:
    case TRow_Kind::Digits:
    case TRow_Kind::Rich:
    case TRow_Kind::List:
        hint(input);
        break;
    }
    if (row.Lang_Items) {
        TComboBox* list = List(input);
        list->Items().Clear();
        for (int i = 0; i < row.Items.size(); ++i)
            list->Items().Add(Lang_Text[n++]);
        list->SetItemIndex(0);
    }
    return n;
}
