#include "grid/base/VoObj/VoObjOptions.h"

void TNavigation::changed() {
    if (OnChange)
        OnChange(this);
}

void TNavigation::Assign(const TPersistent& source) {
    const auto* src = dynamic_cast<const TNavigation*>(&source);
    if (!src)
        return;
    const bool keepScrollOnSort = KeepScrollOnSort;
    TNotifyEvent onChange = std::move(OnChange);
    *this = *src;
    KeepScrollOnSort = keepScrollOnSort;
    OnChange = std::move(onChange);
}

void TNavigation::SetAdvanceAuto(bool value) {
    if (FAdvanceAuto == value)
        return;
    FAdvanceAuto = value;
    if (value)
        AdvanceOnEnter = true;
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection value) {
    if (FAdvanceDirection == value)
        return;
    FAdvanceDirection = value;
    changed();
}

void TNavigation::SetAdvanceInsert(bool value) {
    if (FAdvanceInsert == value)
        return;
    FAdvanceInsert = value;
    changed();
}

void TMouseActions::Assign(const TPersistent& source) {
    const auto* src = dynamic_cast<const TMouseActions*>(&source);
    if (!src)
        return;
    const bool sizeFixedRow = SizeFixedRow;
    const bool hotmail = FHotmailRowSelect;
    const bool dblClickOnly = FEditOnDblClickOnly;
    TStringList fixedComboValues = std::move(FFixedComboValues);
    TNotifyEvent onChange = std::move(OnChange);
    TNotifyEvent onInvalidate = std::move(OnInvalidate);
    TIsDesigningEvent onIsDesigning = std::move(OnIsDesigning);
    TNotifyEvent onDisableEdit = std::move(OnDisableEdit);
    *this = *src;
    SizeFixedRow = sizeFixedRow;
    FHotmailRowSelect = hotmail;
    FEditOnDblClickOnly = dblClickOnly;
    FFixedComboValues = std::move(fixedComboValues);
    OnChange = std::move(onChange);
    OnInvalidate = std::move(onInvalidate);
    OnIsDesigning = std::move(onIsDesigning);
    OnDisableEdit = std::move(onDisableEdit);
}

bool TMouseActions::designing() {
    bool isDesigning = false;
    if (OnIsDesigning)
        OnIsDesigning(this, isDesigning);
    return isDesigning;
}

void TMouseActions::setDisjunct(bool& field, bool value) {
    field = value;
    if (!value || !designing())
        return;
    for (bool* other : {&FDisjunctRowSelect, &FDisjunctColSelect, &FDisjunctCellSelect})
        if (other != &field)
            *other = false;
}

void TMouseActions::SetDisjunctRowSelect(bool value) { setDisjunct(FDisjunctRowSelect, value); }
void TMouseActions::SetDisjunctColSelect(bool value) { setDisjunct(FDisjunctColSelect, value); }
void TMouseActions::SetDisjunctCellSelect(bool value) { setDisjunct(FDisjunctCellSelect, value); }

void TMouseActions::SetHotmailRowSelect(bool value) {
    FHotmailRowSelect = value;
    if (value) {
        FDisjunctRowSelect = true;
        CheckAllCheck = true;
    }
    if (OnInvalidate)
        OnInvalidate(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool value) {
    FEditOnDblClickOnly = value;
    if (value && OnDisableEdit)
        OnDisableEdit(this);
}

void TMouseActions::SetWheelAction(TWheelAction value) {
    if (FWheelAction == value)
        return;
    FWheelAction = value;
    if (OnChange)
        OnChange(this);
}

void TFocusHelper::Assign(const TPersistent& source) {
    if (const auto* src = dynamic_cast<const TFocusHelper*>(&source))
        Enabled = src->Enabled;
}
