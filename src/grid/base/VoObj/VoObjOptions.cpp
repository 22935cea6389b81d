#include "grid/base/VoObj/VoObjOptions.h"

void TNavigation::changed()
{
    if (OnChange)
        OnChange(this);
}

void TNavigation::Assign(const TPersistent& source)
{
    const auto* src = dynamic_cast<const TNavigation*>(&source);
    if (!src)
        return;
    const bool keepScrollOnSort = KeepScrollOnSort;
    TNotifyEvent onChange = std::move(OnChange);
    *this = *src;
    KeepScrollOnSort = keepScrollOnSort;
    OnChange = std::move(onChange);
}

void TNavigation::SetAdvanceAuto(bool value)
{
    if (FAdvanceAuto == value)
        return;
    FAdvanceAuto = value;
    if (value)
        AdvanceOnEnter = true;
}

void TNavigation::SetAdvanceDirection(TAdvanceDirection value)
{
    if (FAdvanceDirection == value)
        return;
    FAdvanceDirection = value;
    changed();
}

void TNavigation::SetAdvanceInsert(bool value)
{
    if (FAdvanceInsert == value)
        return;
    FAdvanceInsert = value;
    changed();
}

void TMouseActions::Assign(const TPersistent& source)
{
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

bool TMouseActions::designing()
{
    bool isDesigning = false;
    if (OnIsDesigning)
        OnIsDesigning(this, isDesigning);
    return isDesigning;
}

void TMouseActions::setDisjunct(bool& field, bool value)
{
    field = value;
    if (!value || !designing())
        return;
    for (bool* other : {&FDisjunctRowSelect, &FDisjunctColSelect, &FDisjunctCellSelect})
        if (other != &field)
            *other = false;
}

void TMouseActions::SetDisjunctRowSelect(bool value)
{
    setDisjunct(FDisjunctRowSelect, value);
}
void TMouseActions::SetDisjunctColSelect(bool value)
{
    setDisjunct(FDisjunctColSelect, value);
}
void TMouseActions::SetDisjunctCellSelect(bool value)
{
    setDisjunct(FDisjunctCellSelect, value);
}

void TMouseActions::SetHotmailRowSelect(bool value)
{
    FHotmailRowSelect = value;
    if (value) {
        FDisjunctRowSelect = true;
        CheckAllCheck = true;
    }
    if (OnInvalidate)
        OnInvalidate(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool value)
{
    FEditOnDblClickOnly = value;
    if (value && OnDisableEdit)
        OnDisableEdit(this);
}

void TMouseActions::SetWheelAction(TWheelAction value)
{
    if (FWheelAction == value)
        return;
    FWheelAction = value;
    if (OnChange)
        OnChange(this);
}

void TFocusHelper::Assign(const TPersistent& source)
{
    if (const auto* src = dynamic_cast<const TFocusHelper*>(&source))
        Enabled = src->Enabled;
}

TSearchFooter::TSearchFooter(bool initDesign)
{
    if (!initDesign)
        return;
    FFindPrevCaption = QStringLiteral("Find &previous");
    FFindNextCaption = QStringLiteral("Find &next");
    FMatchCaseCaption = QStringLiteral("Match case");
    FHighLightCaption = QStringLiteral("Highlight");
    FHintClose = QStringLiteral("Close");
    FHintFindNext = QStringLiteral("Find next occurrence");
    FHintFindPrev = QStringLiteral("Find previous occurrence");
    FHintHighlight = QStringLiteral("Highlight occurrences");
}

void TSearchFooter::changed()
{
    if (OnChange)
        OnChange(this);
}

void TSearchFooter::SetFont(const TFont& value)
{
    FFont.Assign(value);
    changed();
}

void TSearchFooter::Assign(const TPersistent& source)
{
    const auto* src = dynamic_cast<const TSearchFooter*>(&source);
    if (!src)
        return;
    const bool autoSearch = AutoSearch;
    const bool searchFixedCells = SearchFixedCells;
    const bool autoThemeAdapt = FAutoThemeAdapt;
    const QString lastSearch = LastSearch;
    TNotifyEvent onChange = std::move(OnChange);
    TNotifyEvent onFontChange = std::move(FFont.OnChange);
    *this = *src;
    AutoSearch = autoSearch;
    SearchFixedCells = searchFixedCells;
    FAutoThemeAdapt = autoThemeAdapt;
    LastSearch = lastSearch;
    OnChange = std::move(onChange);
    FFont.OnChange = std::move(onFontChange);
}

void TBands::Assign(const TPersistent& source)
{
    const auto* src = dynamic_cast<const TBands*>(&source);
    if (!src)
        return;
    TNotifyEvent onChange = std::move(OnChange);
    *this = *src;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    OnChange = std::move(onChange);
}

void TBands::changedWhileActive()
{
    if (FActive && OnChange)
        OnChange(this);
}

void TBands::SetActive(bool value)
{
    if (FActive == value)
        return;
    FActive = value;
    if (OnChange)
        OnChange(this);
}

void TBands::setLength(int& field, int value)
{
    if (field == value)
        return;
    field = value;
    FTotalLength = FPrimaryLength + FSecondaryLength;
    changedWhileActive();
}

void TBands::SetPrimaryLength(int value)
{
    setLength(FPrimaryLength, value);
}
void TBands::SetSecondaryLength(int value)
{
    setLength(FSecondaryLength, value);
}

void TBands::setColor(TColor& field, TColor value)
{
    if (field == value)
        return;
    field = value;
    changedWhileActive();
}

void TBands::SetPrimaryColor(TColor value)
{
    setColor(FPrimaryColor, value);
}
void TBands::SetSecondaryColor(TColor value)
{
    setColor(FSecondaryColor, value);
}
