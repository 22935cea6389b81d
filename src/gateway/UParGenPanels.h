#pragma once
// The parameter panels of the general parameters form: their rows, texts and layout, as data.
#include <QStringList>
#include <vector>

enum class TRow_Kind {
    Edit,     // label, edit
    Digits,   // label, edit that takes typed digits only
    List,     // label, fixed list
    Check,    // check box over the whole row
    Address,  // label, four octet edits
    Gateway,  // "Gateway" check box, four octet edits
    Check_Edit,  // check box, edit
    Label,    // label, edit without a text of its own
};

struct TPanel_Row {
    TRow_Kind Kind;
    const char* Caption;  // the label or check box
    const char* Input;    // the edit or list; the octet edits' stem (1 .. 4 appended)
    int Text = 0;         // the row's first text number; 0: the one after the previous row's
    int Max_Length = 0;
    QStringList Items = {};
    bool Hidden = false;
};

struct TPanel_Spec {
    const char* Name;
    int Title;
    int First_Text;
    std::vector<TPanel_Row> Rows;
    const char* Height_Control;
    // The cable DHCP switch acts on the octet edits of the address rows and on this check box.
    bool Cable_DHCP = false;
    const char* Gateway_Check = nullptr;
    // A control that the layout keeps disabled.
    const char* Disabled = nullptr;
};

// Every panel the form carries, in form order.
const std::vector<TPanel_Spec>& ParGen_Panels();

// The build's model: its panels top to bottom.
const std::vector<const char*>& ParGen_Model_Panels();

// The octet edits on which the "." key moves on, each chain in order.
const std::vector<std::vector<QString>>& ParGen_Octet_Chains();

// The check boxes and lists whose changes re-run the layout.
bool ParGen_Relayout_Trigger(const QString& name);
