#pragma once
// A drop-down edit for a multi-line text: the pop-up edits it in a memo, the edit shows its first line
// with "..." (the whole text while the editor is enabled, and typing there replaces the text).
#include "controls/dropdown/VoDropDown.h"
#include "platform/StdCtrls.h"

class TVoMemoDropDown : public TVoCustomDropDown {
public:
    explicit TVoMemoDropDown(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoMemoDropDown"); }

    const TStringList& MemoText() const { return FMemoText; }
    void SetMemoText(const TStringList& Value);
    TMemo* Memo() const { return FMemo; }
    bool MemoReadOnly() const { return FMemoReadOnly; }
    void SetMemoReadOnly(bool Value);
    void DoHideDropDown(bool CancelChanges) override;
    // Rebuilds the edit text from MemoText.
    void UpdateEditText();

    TNotifyEvent OnMemoChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DropDownFormHide() override;
    void Change() override;

private:
    QString summary() const;
    TStringList FMemoText;
    TMemo* FMemo = nullptr;
    bool FMemoReadOnly = false;
};
