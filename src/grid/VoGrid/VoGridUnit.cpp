// Unit start-up and shut-down, unit services, listeners, dialog keys and the removal notification.
#include "grid/VoGrid/VoGridUnit.h"

#include <QLocale>
#include <algorithm>

#include "grid/VoGrid/VoGrid.h"

namespace {
// The version the platform's own common controls stand for.
constexpr int CommonControlsVersionMS = 6 << 16;
}  // namespace

TVoGridUnitState& VoGridUnit()
{
    static TVoGridUnitState state;
    return state;
}

void VoGridInitialize()
{
    TVoGridUnitState& unit = VoGridUnit();
    if (unit.Initialized)
        return;
    unit.Initialized = true;
    unit.ActiveGrid = nullptr;
    unit.DatePickerAvailable = DatePickerVersionOK(ReadFileVersionMS(QStringLiteral("comctl32.dll")));
    unit.ClipboardFormat = RegisterClipboardFormat(QStringLiteral("VOroDavoduRuzu Cells"));
    unit.GridEditDoneMsg = RegisterWindowMessage(QStringLiteral("GridEditDone"));
    unit.DTPShiftFocusMsg = RegisterWindowMessage(QStringLiteral("DTPShiftFocus"));
    unit.WindowPosHook = AddWindowPosHook([](TControl&) { FocusWindowCallWndHook(); });
}

void FocusWindowCallWndHook()
{
    if (VOroDavoduRuzu* grid = VoGridUnit().ActiveGrid)
        grid->PlaceFocusWindow();
}

void VoGridFinalize()
{
    TVoGridUnitState& unit = VoGridUnit();
    if (!unit.Initialized)
        return;
    unit.Initialized = false;
    unit.ActiveGrid = nullptr;
    RemoveWindowPosHook(unit.WindowPosHook);
    unit.WindowPosHook = 0;
    unit.HintFontName.clear();
}

int ReadFileVersionMS(const QString& FileName)
{
    if (FileName.compare(QStringLiteral("comctl32.dll"), Qt::CaseInsensitive) == 0)
        return CommonControlsVersionMS;
    return -1;
}

QChar LocaleTimeSeparator()
{
    const QString f = QLocale().timeFormat(QLocale::ShortFormat);
    const auto it = std::find_if(f.begin(), f.end(), [](QChar c) { return !c.isLetter(); });
    return it == f.end() ? QChar(u':') : *it;
}

QChar LocaleDateSeparator()
{
    return RegionalSettings().DateSeparator;
}

QChar LocaleThousandSeparator()
{
    return RegionalSettings().ThousandSeparator;
}

QChar LocaleDecimalSeparator()
{
    return RegionalSettings().DecimalSeparator;
}

QString LocaleShortDateFormat()
{
    return RegionalSettings().ShortDateFormat;
}

QString LocaleShortTimeFormat()
{
    return QLocale().timeFormat(QLocale::ShortFormat);
}

QString LocaleLongTimeFormat()
{
    return QLocale().timeFormat(QLocale::LongFormat);
}

// --- Listeners and notifications of a grid -------------------------------------------------------

void VOroDavoduRuzu::UnRegisterSelListener(IVOroDavoduRuzuSelect* AListener)
{
    (void)AListener;
    FISelect = nullptr;
}

void VOroDavoduRuzu::RegisterNotifier(TGridChangeNotifier* ANotifier)
{
    if (std::find(FNotifierList.begin(), FNotifierList.end(), ANotifier) == FNotifierList.end())
        FNotifierList.push_back(ANotifier);
}

void VOroDavoduRuzu::UnRegisterNotifier(TGridChangeNotifier* ANotifier)
{
    FNotifierList.erase(std::remove(FNotifierList.begin(), FNotifierList.end(), ANotifier), FNotifierList.end());
}

void VOroDavoduRuzu::CellsChangedNotify(const TGridRect& R)
{
    if (OnCellsChanged)
        OnCellsChanged(this, R);
    const std::vector<TGridChangeNotifier*> listeners = FNotifierList;
    for (TGridChangeNotifier* n : listeners)
        n->CellsChanged(R);
    CalcFooter(-1);
}

void VOroDavoduRuzu::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove) {
        for (TObject** link : {&PictureContainer, &CellChecker, &FixedDropDownMenu})
            if (*link == AComponent)
                *link = nullptr;
        if (!(ComponentState() & csDestroying) && FSyncGrid.Grid() == AComponent)
            FSyncGrid.SetGrid(nullptr);
    }
    TBaseGrid::Notification(AComponent, Operation);
}

QString FormatIntegers(const QString& Fmt, std::initializer_list<int> Values)
{
    QString out = Fmt;
    qsizetype from = 0;
    for (int v : Values) {
        const qsizetype at = out.indexOf(QStringLiteral("%d"), from);
        if (at < 0)
            break;
        const QString number = QString::number(v);
        out.replace(at, 2, number);
        from = at + number.size();
    }
    return out;
}
