#pragma once
// TFParGen: the general parameters editor. Category panels, one per parameter section of the gateway
// family, of which the build's model shows its own; the values live in ParGen.xml.
#include "gateway/UParGenFile.h"
#include "platform/Forms.h"
#include "platform/XmlDocument.h"


class TLabel;
class TPanel;
class TOdButton;
class TCategoryPanelGroup;
class TCategoryPanel;
class TEdit;
class TCheckBox;
class TComboBox;
struct TPanel_Spec;

class TFParGen : public TForm {
public:
    explicit TFParGen(TComponent* AOwner);
    ~TFParGen() override;
    QString ClassName() const override { return QStringLiteral("TFParGen"); }

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TOdButton* Btn_OK;
    TOdButton* Btn_Cancel;
    TCategoryPanelGroup* CPG;
    XmlDocument XML1;

    // The controls of the panels, by name (e.g. "E_Ethernet_IP1", "CB_EthConn_En_DHCP_Cable").
    TControl* Control(const QString& name) const;
    TCategoryPanel* Panel(const QString& name) const;
    TEdit* Edit(const QString& name) const;
    TCheckBox* Check(const QString& name) const;
    TComboBox* List(const QString& name) const;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormResize(TObject* Sender);
    void FormMouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled);
    bool Controllo_Dati();
    void Btn_OKClick(TObject* Sender);
    void KeyPress(TObject* Sender, char16_t& Key);
    void On_Change(TObject* Sender);
    void On_Click(TObject* Sender);
    void Order_TAB_Panels();
    void Move_GroupBoxs();
    void Set_Lang();

private:
    void Build_Frame();
    void Build_Panels();
    void Build_Panel(const TPanel_Spec& spec);
    void RePosition_Panel(const TPanel_Spec& spec);
    void Apply_Cable_DHCP(const TPanel_Spec& spec);
    void Fit_Panel_Height(TCategoryPanel* panel, const QString& heightControl);
    // The controls' values in the form ParGen.xml stores them.
    TParGen_Values Values() const;

    int langId_ = -1;
};

inline TFParGen* FParGen = nullptr;
