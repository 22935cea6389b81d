#pragma once
// The options dialog (interface language, internet access and update check, table options) and the
// update check against the maker's web site.
#include <array>
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/Timers.h"
#include "shell/UDialog_Frame.h"

// The configurator's own version.
extern const QString SW_Version;

// The maker's web site as "host[:port]"; the build's LATTISOR_MAKER_HOST unless changed.
QString& Maker_Host();
// A page of the maker's web site: "http://" + Maker_Host() + pathAndMore.
QString Maker_Url(const QString& pathAndMore);
// The download page of the newer version.
QString Update_Download_Link();
// A link-label caption: text as a link to the download page.
QString Update_Link_Caption(const QString& text);

// Longest wait for the update check's answer, in ms (10 s unless changed).
int& Update_Timeout_Ms();

// The four-digit number of a version text "d.ddd", read after the first blank ("VER. 1.234" gives
// 1234); -1 when it is not one.
int Conv_Version(const QString& text);

// Asks the maker's update endpoint; true when it announces a version newer than SW_Version. Any
// failure (no connection, time-out, error status, unreadable answer) counts as no newer version.
bool Check_Version();

// The main window's update timer: first tick a minute after it is switched on, then every two hours.
constexpr UINT Update_First_Interval = 60000;
constexpr UINT Update_Next_Interval = 7200000;
// On exactly when internet access and the update check are both allowed.
void Enable_Update_Timer(TTimer& timer);
// One tick: runs the check with the timer stopped, shows the link to the newer version (text 19) or
// hides it, and restarts the timer with the two-hour interval.
void Update_Timer_Tick(TTimer& timer, TLinkLabel& link);

class TFSoftOptions : public TDialog_Frame {
public:
    explicit TFSoftOptions(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TFSoftOptions"); }

    void FormShow(TObject* Sender);
    // Lists the language files of Path_Language, sorted, and shows page 1.
    void Create_Lang_List();
    void Update_Lang_Page(int page);
    // Handler of both Btn_Prev and Btn_Next.
    void Btn_NextClick(TObject* Sender);
    // Handler of every slot picture and label: asks, then switches the texts of every form.
    void LangClick(TObject* Sender);
    void Update_CheckBox();
    // Handler of the four check boxes.
    void CB_En_ConClick(TObject* Sender);
    void Btn_Check_UpdateClick(TObject* Sender);
    void LL_Check_UpdateLinkClick(TObject* Sender, const QString& Link);
    // Commits the language and the options into UComon and closes with OK.
    void Btn_OKClick(TObject* Sender);
    void Set_Lang() override;

    TPageControl* PC_Options;
    TTabSheet* TS_Language;
    TTabSheet* TS_Con_Options;
    TTabSheet* TS_Soft_Settings;
    TCheckBox* CB_En_Con;
    TCheckBox* CB_Update;
    TOdButton* Btn_Check_Update;
    TLinkLabel* LL_Check_Update;
    TLabel* L_Sel_Lang;
    TLabel* L_Page_Lang;
    TOdButton* Btn_Prev;
    TOdButton* Btn_Next;
    static constexpr int Slot_Count = 6;
    std::array<TImage*, Slot_Count> I_L;  // I_L1 .. I_L6
    std::array<TLabel*, Slot_Count> L_L;  // L_L1 .. L_L6
    TCheckBox* CB_Soft_Set_Jump_Table;
    TCheckBox* CB_DoubleClick_Auto_Size;

    int Show_Page = 1;
    TStringList SL_Languages;
    QString Language_In_Use;

private:
    int pageCount() const;
    void showPageLabel();
    void showSlot(int slot, const QString& name);
    TCheckBox* newCheckBox(TWinControl* parent, int top);
};

extern TFSoftOptions* FSoftOptions;
