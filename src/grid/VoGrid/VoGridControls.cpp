// Set-up of the controls a string grid owns.
#include "grid/VoGrid/VoGridControls.h"

namespace {
// A child the grid keeps out of sight until it uses it.
void hideAway(TControl& c)
{
    c.SetBounds(0, 0, 0, 0);
    c.Hide();
}
}  // namespace

TFooterPanel::TFooterPanel(TComponent* AOwner) : TPanel(AOwner)
{
    SetAlign(alBottom);
    SetHeight(0);
    SetBorderWidth(0);
}

TSearchPanel::TSearchPanel(TComponent* AOwner) : TPanel(AOwner)
{
    SetAlign(alBottom);
    SetHeight(0);
    SetBorderWidth(0);
}

TDropList::TDropList(TComponent* AOwner) : TListBox(AOwner)
{
    hideAway(*this);
}

THeaderDragButton::THeaderDragButton(TComponent* AOwner, VOroDavoduRuzu* grid) : TCustomControl(AOwner), FGrid(grid)
{
    SetEnabled(false);
    Hide();
}
