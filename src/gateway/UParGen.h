#pragma once
// TFParGen: the general parameters editor. Category panels, one per parameter section of the gateway
// family, of which the build's model shows its own; the values live in ParGen.xml.
#include "gateway/UParGenFile.h"
#include "gateway/UParGenPanels.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"

#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

class TLabel;
class TPanel;
class TOdButton;
class TCategoryPanelGroup;
class TCategoryPanel;
class TEdit;
class TCheckBox;
class TComboBox;

class TFParGen : public TForm {
public:
    // model: the gateway model whose panels the form shows; the build's own by default.
    explicit TFParGen(TComponent* AOwner, int model = ParGen_Build_Model);
    ~TFParGen() override;
    QString ClassName() const override { return QStringLiteral("TFParGen"); }

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_Button;
    TOdButton* Btn_OK;
    TOdButton* Btn_Cancel;
    TCategoryPanelGroup* CPG;
    // The panels' header pictures: 0 while expanded, 1 while collapsed.
    TImageList ImageList1;

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

    // The panels with layout rules of their own.
    void RePosition_Object_BACnet_Master();
    void RePosition_Object_BACnet_Slave();
    void RePosition_Object_MQTT();
    void RePosition_Object_TLS();
    void RePosition_Object_TLS_Server();
    void RePosition_Object_WiFi2();
    void RePosition_Object_SNMP_Agent();

private:
    // A row's controls, each with its top relative to the row's label, and the row's place in the form.
    struct TRow_Controls {
        std::vector<std::pair<TControl*, int>> Controls;
        std::vector<TControl*> Octets;
        int Top = 0;
    };
    using Row_Names = std::initializer_list<const char*>;

    void Build_Frame();
    void Load_Header_Pictures();
    void Build_Panels();
    // Every panel is made; only those the form can show get their rows.
    void Build_Panel(const TPanel_Spec& spec);
    bool Holds_Rows(const TPanel_Spec& spec) const;
    void Build_Row(TCategoryPanel* panel, const TPanel_Row& row, int y, TRow_Controls& placed);
    void RePosition_Object(const TPanel_Spec& spec);
    void RePosition_BACnet(const TPanel_Spec& spec, const char* type);
    void Apply_Model_Rule();
    // Puts texts from n on the row's controls; returns the number after the row's last text.
    int Set_Row_Texts(const TPanel_Row& row, int n);
    void Apply_Cable_DHCP(const TPanel_Spec& spec);
    void Fit_Panel_Height(const char* panel, const QString& heightControl);
    void Fit_Panel_To_Row(const char* panel, const char* row);
    void Set_Panel_Open(const char* panel, bool open);

    // Row placement: a placed row is shown with its label at y (the form's own place when no y is given).
    const TRow_Controls& Row(const char* row) const;
    void Place_Row(const char* row, int y);
    void Place_Row(const char* row) { Place_Row(row, Row(row).Top); }
    // Places the rows one under the other from y on; returns the top of the next row.
    int Place_Rows(Row_Names rows, int y);
    void Hide_Rows(Row_Names rows);
    void Enable_Rows(Row_Names rows, bool enabled);
    int Row_Top(const char* row) const;
    bool Checked(const char* name) const;
    int Index(const char* name) const;
    // The controls' values in the form ParGen.xml stores them.
    TParGen_Values Values() const;

    const TParGen_Model& model_;
    std::map<QString, TRow_Controls> rows_;
    int langId_ = -1;
};

inline TFParGen* FParGen = nullptr;
