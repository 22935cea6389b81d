#pragma once
// The parameter panels of the general parameters form: their rows, texts and layout, as data.
#include <QStringList>
#include <vector>

enum class TRow_Kind {
    Edit,        // label, edit
    Digits,      // label, edit that takes typed digits only
    List,        // label, fixed list
    Check,       // check box over the whole row
    Address,     // label, four octet edits
    Gateway,     // "Gateway" check box, four octet edits
    Check_Edit,  // check box, edit
    Label,       // label, edit without a text of its own
    Rich,        // label, rich edit
    Header,      // a label over the rows below it
    Checks,      // label, three check boxes "1", "2", "3" (the input's stem, 1 .. 3 appended)
};

struct TPanel_Row {
    TRow_Kind Kind;
    const char* Caption;  // the label or check box
    const char* Input;    // the edit or list; the octet edits' stem (1 .. 4 appended)
    int Text = 0;         // the row's first text number; 0: the one after the previous row's
    int Max_Length = 0;
    QStringList Items = {};
    bool Hidden = false;
    bool Lang_Items = false;      // the list's items are texts, rebuilt by each language
    const char* Value = nullptr;  // the edit's fixed text
};

struct TPanel_Spec {
    const char* Name;
    int Title;
    int First_Text;
    std::vector<TPanel_Row> Rows;
    const char* Height_Control;  // nullptr: the panel's own layout rule picks it
    // The cable DHCP switch acts on the octet edits of the address rows and on this check box.
    bool Cable_DHCP = false;
    const char* Gateway_Check = nullptr;
    // A control that the layout keeps disabled.
    const char* Disabled = nullptr;
};

// Rows are this far apart.
constexpr int ParGen_Row_Step = 28;

// Every panel the form carries, in form order.
const std::vector<TPanel_Spec>& ParGen_Panels();
// The panel of that name; throws std::out_of_range for a name the form lacks.
const TPanel_Spec& ParGen_Panel(const QString& name);

// What a model's layout does after its panels are laid out.
enum class TModel_Rule {
    None,
    Ethernet_By_BACnet_Master,  // the Ethernet panel shows only with a BACnet MS/TP master
    Ethernet_By_BACnet_Slave,   // the same for the BACnet slave
    Select_Device,              // the chosen connection opens the Wi-Fi or the mobile panel
};

struct TParGen_Model {
    int Index;
    const char* Name;
    std::vector<const char*> Panels;  // top to bottom
    TModel_Rule Rule = TModel_Rule::None;
};

// The gateway family, by model index; the build's model is fixed here.
constexpr int ParGen_Build_Model = 9;
const std::vector<TParGen_Model>& ParGen_Models();
// The model of that index; throws std::out_of_range for an index the family lacks.
const TParGen_Model& ParGen_Model(int index);

// The octet edits on which the "." key moves on, each chain in order.
const std::vector<std::vector<QString>>& ParGen_Octet_Chains();

// The check boxes and lists whose changes re-run the layout.
bool ParGen_Relayout_Trigger(const QString& name);
