// Cell text and typed access over the two index spaces: Cells by real column and display row, the All...
// accessors by real column and real row, integers, floats, dates and times.
#include <QDate>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <limits>

#include "grid/VoGrid/VoGrid.h"
#include "grid/base/REdaReviZizod.h"
#include "grid/base/VsgHTMLE/VsgHTMLEControls.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"
#include "platform/RichText.h"
#include "platform/SysUtils.h"

namespace {
const QString NoIntegerMessage = QStringLiteral("Cell does not contain integer value");
const QString NoFloatMessage = QStringLiteral("Cell does not contain a float value");
const QString InvalidColumnMessage = QStringLiteral("Invalid column accessed");
const QString InvalidRowMessage = QStringLiteral("Invalid row accessed");

// A 32-bit integer literal: an optional sign, then decimal digits or hexadecimal digits after "$", "x"
// or "0x". False for anything else and for values out of range.
bool parseInt32(const QString& text, int& value)
{
    QStringView s(text);
    bool negative = false;
    if (!s.isEmpty() && (s.front() == u'+' || s.front() == u'-')) {
        negative = s.front() == u'-';
        s = s.mid(1);
    }
    int base = 10;
    if (s.startsWith(u'$') || s.startsWith(u'x', Qt::CaseInsensitive)) {
        base = 16;
        s = s.mid(1);
    } else if (s.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        base = 16;
        s = s.mid(2);
    }
    if (s.isEmpty())
        return false;
    long long v = 0;
    for (const QChar c : s) {
        const int digit = c.isDigit() ? c.digitValue()
                          : (base == 16 && c.toLower() >= u'a' && c.toLower() <= u'f')
                              ? c.toLower().unicode() - 'a' + 10
                              : -1;
        if (digit < 0)
            return false;
        v = v * base + digit;
        if (v > 0x100000000LL)
            return false;
    }
    if (negative)
        v = -v;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(v);
    return true;
}

const QDate DateOrigin(1899, 12, 30);

// The date in the regional short format's field order, numbers joined by the date separator, so that the
// regional date reader reads it back.
QString dateText(TDateTime value)
{
    const TRegionalSettings rs = RegionalSettings();
    const QDate date = DateOrigin.addDays(static_cast<qint64>(std::floor(value)));
    const QString format = rs.ShortDateFormat;
    struct Field {
        qsizetype pos;
        QString text;
    };
    const int yearDigits = format.contains(QStringLiteral("yyy")) || !format.contains(u'y') ? 4 : 2;
    Field fields[3] = {
        {format.indexOf(u'd', 0, Qt::CaseInsensitive),
         QString::number(date.day()).rightJustified(format.contains(QStringLiteral("dd")) ? 2 : 1, u'0')},
        {format.indexOf(u'M'),
         QString::number(date.month()).rightJustified(format.contains(QStringLiteral("MM")) ? 2 : 1, u'0')},
        {format.indexOf(u'y', 0, Qt::CaseInsensitive),
         QString::number(yearDigits == 4 ? date.year() : date.year() % 100).rightJustified(yearDigits, u'0')}};
    std::stable_sort(std::begin(fields), std::end(fields),
                     [](const Field& a, const Field& b) { return a.pos < b.pos; });
    return fields[0].text + rs.DateSeparator + fields[1].text + rs.DateSeparator + fields[2].text;
}

QString timeText(TDateTime value)
{
    const double fraction = value - std::floor(value);
    const int msecs = static_cast<int>(std::lround(fraction * 86400000.0)) % 86400000;
    const QChar sep = RegionalSettings().TimeSeparator;
    return QTime::fromMSecsSinceStartOfDay(msecs).toString(QStringLiteral("H%1mm%1ss").arg(sep));
}

TDateTime parseTime(const QString& text)
{
    const QChar sep = RegionalSettings().TimeSeparator;
    const QStringList parts = text.trimmed().split(sep);
    int fields[3] = {0, 0, 0};
    bool ok = parts.size() >= 2 && parts.size() <= 3;
    for (int i = 0; ok && i < parts.size(); ++i)
        fields[i] = parts[i].trimmed().toInt(&ok);
    TDateTime value = 0;
    if (!ok || !TryEncodeTime(fields[0], fields[1], fields[2], value))
        throw Exception(QStringLiteral("'%1' is not a valid time").arg(text));
    return value;
}
}  // namespace

void VOroDavoduRuzu::CheckCell(int ACol, int ARow) const
{
    if (ACol < 0 || ACol >= TotalColCount())
        throw REdaReviZizod(InvalidColumnMessage);
    if (ARow < 0 || ARow >= AllRowCount())
        throw REdaReviZizod(InvalidRowMessage);
}

void VOroDavoduRuzu::repaintDisplayCell(int ACol, int ARow)
{
    const int d = DisplColIndexOf(ACol);
    if (d != ACol)
        TBaseGrid::RepaintCell(d, ARow);
}

QString VOroDavoduRuzu::AllCells(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return QString();
    if (const TGridRowCells* items = GetHiddenRowItems(ARow)) {
        QString value = items->Text(ACol);
        QueryDisplText(ACol, ARow, value);
        return value;
    }
    return Cells(ACol, DisplRowIndex(ARow));
}

void VOroDavoduRuzu::SetAllCells(int ACol, int ARow, const QString& Value)
{
    CheckCell(ACol, ARow);
    if (TGridRowCells* items = GetHiddenRowItems(ARow)) {
        items->SetText(ACol, Value);
        return;
    }
    SetCells(ACol, DisplRowIndex(ARow), Value);
    repaintDisplayCell(ACol, DisplRowIndex(ARow));
}

QString VOroDavoduRuzu::AllGridCells(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return QString();
    if (const TGridRowCells* items = GetHiddenRowItems(ARow))
        return items->Text(ACol);
    return GetGridCell(ACol, DisplRowIndex(ARow));
}

void VOroDavoduRuzu::SetAllGridCells(int ACol, int ARow, const QString& Value)
{
    CheckCell(ACol, ARow);
    if (TGridRowCells* items = GetHiddenRowItems(ARow)) {
        items->SetText(ACol, Value);
        return;
    }
    SetGridCell(ACol, DisplRowIndex(ARow), Value);
    repaintDisplayCell(ACol, DisplRowIndex(ARow));
}

TObject* VOroDavoduRuzu::GetAllGridObject(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    if (const TGridRowCells* items = GetHiddenRowItems(ARow))
        return items->Object(ACol);
    return GetGridObject(ACol, DisplRowIndex(ARow));
}

TObject* VOroDavoduRuzu::AllObjects(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    if (const TGridRowCells* items = GetHiddenRowItems(ARow)) {
        TObject* slot = items->Object(ACol);
        if (auto* props = dynamic_cast<TCellProperties*>(slot))
            return props->CellObject;
        return slot;
    }
    return GetObjectEx(ACol, DisplRowIndex(ARow));
}

void VOroDavoduRuzu::SetAllObjects(int ACol, int ARow, TObject* Value)
{
    CheckCell(ACol, ARow);
    if (TGridRowCells* items = GetHiddenRowItems(ARow)) {
        if (auto* props = dynamic_cast<TCellProperties*>(items->Object(ACol)))
            props->CellObject = Value;
        else
            items->SetObject(ACol, Value);
        return;
    }
    SetObjectEx(ACol, DisplRowIndex(ARow), Value);
}

QString VOroDavoduRuzu::OriginalCells(int ACol, int ARow)
{
    const int pos = ColumnPosition(ACol);
    return Cells(pos == -1 ? ACol : pos, ARow);
}

void VOroDavoduRuzu::SetOriginalCells(int ACol, int ARow, const QString& Value)
{
    const int pos = ColumnPosition(ACol);
    SetCells(pos == -1 ? ACol : pos, ARow, Value);
}

QString VOroDavoduRuzu::UnSortedCells(int ACol, int ARow)
{
    const int i = ARow > FSortRowXRef.Count() ? ARow : UnSortedRowIndex(ARow);
    return Cells(ACol, i);
}

void VOroDavoduRuzu::SetUnSortedCells(int ACol, int ARow, const QString& Value)
{
    const int i = ARow > FSortRowXRef.Count() ? ARow : UnSortedRowIndex(ARow);
    SetCells(ACol, i, Value);
}

QString VOroDavoduRuzu::StrippedCells(int ACol, int ARow)
{
    return StripHtmlTags(Cells(ACol, ARow));
}

int VOroDavoduRuzu::LinesInCell(int ACol, int ARow)
{
    return CountTextLines(Cells(ACol, ARow), true);
}

QString VOroDavoduRuzu::ControlValues(int ACol, int ARow, const QString& ID)
{
    QString value;
    return GetControlValueByID(Cells(ACol, ARow), ID, value) ? value : QString();
}

void VOroDavoduRuzu::SetControlValues(int ACol, int ARow, const QString& ID, const QString& Value)
{
    const TPoint base = BaseCell(ACol, ARow);
    QString text = GetGridCell(base.X, base.Y);
    if (SetControlValueByID(text, ID, Value))
        SetCells(ACol, ARow, text);
}

QString VOroDavoduRuzu::CurrentCell()
{
    const TPoint base = BaseCell(RealCol(), Row());
    return GetGridCell(base.X, base.Y);
}

void VOroDavoduRuzu::SetCurrentCell(const QString& Value)
{
    const TPoint base = BaseCell(RealCol(), Row());
    SetCells(base.X, base.Y, Value);
}

QString VOroDavoduRuzu::GetCurrentCellDisplText()
{
    const TPoint base = BaseCell(RealCol(), Row());
    return Cells(base.X, base.Y);
}

void VOroDavoduRuzu::SetCurrentCellEditText(const QString& Value)
{
    const TPoint base = BaseCell(Col(), Row());
    SetEditText(base.X, base.Y, Value);
}

int VOroDavoduRuzu::readInt(const QString& text) const
{
    const QString s = text.trimmed();
    if (s.isEmpty() || s == u'-')
        return 0;
    int value = 0;
    if (!parseInt32(s, value))
        throw REdaReviZizod(NoIntegerMessage);
    return value;
}

double VOroDavoduRuzu::readFloat(const QString& text) const
{
    const QString s = CleanFloatText(text.trimmed());
    if (s.isEmpty() || s == u'-')
        return 0;
    bool ok = false;
    const double value = QLocale::c().toDouble(s, &ok);
    if (!ok)
        throw REdaReviZizod(NoFloatMessage);
    return value;
}

int VOroDavoduRuzu::Ints(int ACol, int ARow)
{
    return readInt(StrippedCells(ACol, ARow));
}

void VOroDavoduRuzu::SetInts(int ACol, int ARow, int Value)
{
    SetCells(ACol, ARow, QString::number(Value));
    repaintDisplayCell(ACol, ARow);
}

int VOroDavoduRuzu::AllInts(int ACol, int ARow)
{
    return readInt(AllCells(ACol, ARow));
}

void VOroDavoduRuzu::SetAllInts(int ACol, int ARow, int Value)
{
    SetAllCells(ACol, ARow, QString::number(Value));
}

double VOroDavoduRuzu::Floats(int ACol, int ARow)
{
    return readFloat(StrippedCells(ACol, ARow));
}

QString VOroDavoduRuzu::QueryFloatFormat(int ACol, int ARow)
{
    (void)ACol;
    (void)ARow;
    return FloatFormat;
}

void VOroDavoduRuzu::SetFloats(int ACol, int ARow, double Value)
{
    SetCells(ACol, ARow, FormatFloatText(QueryFloatFormat(ACol, ARow), Value));
}

double VOroDavoduRuzu::AllFloats(int ACol, int ARow)
{
    return readFloat(AllCells(ACol, ARow));
}

void VOroDavoduRuzu::SetAllFloats(int ACol, int ARow, double Value)
{
    SetAllCells(ACol, ARow, FormatFloatText(FloatFormat, Value));
}

TDateTime VOroDavoduRuzu::Dates(int ACol, int ARow)
{
    const QString text = Cells(ACol, ARow);
    TDateTime value = 0;
    if (!StrToDateByFormat(text.trimmed(), value))
        throw Exception(QStringLiteral("'%1' is not a valid date").arg(text));
    return value;
}

void VOroDavoduRuzu::SetDates(int ACol, int ARow, TDateTime Value)
{
    SetCells(ACol, ARow, Value > 0 || ShowNullDates ? dateText(Value) : QString());
}

TDateTime VOroDavoduRuzu::Times(int ACol, int ARow)
{
    return parseTime(Cells(ACol, ARow));
}

void VOroDavoduRuzu::SetTimes(int ACol, int ARow, TDateTime Value)
{
    SetCells(ACol, ARow, timeText(Value));
}

QString VOroDavoduRuzu::CellTextForSave(int ACol, int ARow)
{
    QString value = SaveVirtCells ? Cells(ACol, ARow) : GetGridCell(ACol, ARow);
    const TCellType type = value.isEmpty() ? GetCellType(ACol, ARow) : ctEmpty;  // only an empty text asks
    if (type == ctCheckBox || type == ctTriStateCheckBox) {
        const TCellGraphic* g = GetCellGraphic(ACol, ARow);
        const bool checked = type == ctCheckBox ? g->CellBoolean : g->CellCheckBoxState == cbChecked;
        if (checked)
            QueryCheckTrueText(ACol, ARow, value);
        else
            QueryCheckFalseText(ACol, ARow, value);
    }
    const int kind = CellTextKind(value, EnableHTML);
    if (kind == ctkHtml && !SaveWithHTML)
        value = StripHtmlTags(value);
    else if (kind == ctkRtf)
        value = SaveWithRTF ? value.remove(u'\r').remove(u'\n') : RichTextToPlainText(value);
    if (OnSaveCell)
        OnSaveCell(this, ACol, ARow, value);
    return value;
}

void VOroDavoduRuzu::StoreLoadedCellText(int ACol, int ARow, const QString& Text)
{
    QString value = Text;
    if (OnLoadCell)
        OnLoadCell(this, ACol, ARow, value);
    SetGridCell(ACol, ARow, value);
}

void VOroDavoduRuzu::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    const int c1 = std::max(ACol1, 0);
    const int r1 = std::max(ARow1, 0);
    const int c2 = std::min(ACol2, TotalColCount() - 1);
    const int r2 = std::min(ARow2, RowCount() - 1);
    if (c1 > c2 || r1 > r2)
        return;
    if (!ClearTextOnly)
        FreeCellPropsRect(c1, r1, c2, r2);
    ClearCellTexts(c1, r1, c2, r2);
    CellsChangedNotify({c1, r1, c2, r2});
}

// An automatic-range cell scroll bar pages by the row and ranges over the wrapped text's height.
void VOroDavoduRuzu::CellTextChanged(int ACol, int ARow)
{
    TBaseGrid::CellTextChanged(ACol, ARow);
    if (HasAutoRangeScrollBar(ACol, ARow))
        SetScrollProp(ACol, ARow, {RowHeights(ARow), GetCellTextSize(ACol, ARow, false, true).cy});
}
