#pragma once
// The grid's rich edit: the in-place editor of edRichEdit cells and the renderer of rich cell text.
#include "platform/RichEdit.h"

class VOroDavoduRuzu;

class TVoRichEdit : public TCustomRichEdit {
public:
    // The owner must be a string grid.
    explicit TVoRichEdit(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoRichEdit"); }

    void SelNormal() { SetSelOffset(0); }
    void SelSubscript() { SetSelOffset(-40); }
    void SelSuperscript() { SetSelOffset(40); }
    bool IsSelNormal() const { return SelOffset() == 0; }
    bool IsSelSubscript() const { return SelOffset() == -40; }
    bool IsSelSuperscript() const { return SelOffset() == 40; }
    int ReqWidth = 0;
    int ReqHeight = 0;
    bool FLocked = false;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void DoExit() override;

private:
    VOroDavoduRuzu* FGrid;
};
