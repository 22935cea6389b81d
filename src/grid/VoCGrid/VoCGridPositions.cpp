// Column positions of a column grid in an INI file ("CP<i>" keys) and the columns' settings as a stream.
#include "grid/VoCGrid/VoCGrid.h"

#include "platform/IniFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

QString Position_Key(int i)
{
    return QStringLiteral("CP%1").arg(i);
}

QJsonArray To_Json(const TStringList& list)
{
    QJsonArray array;
    for (int i = 0; i < list.Count(); ++i)
        array.append(list[i]);
    return array;
}

void From_Json(const QJsonValue& value, TStringList& list)
{
    list.Clear();
    for (const QJsonValue& v : value.toArray())
        list.Add(v.toString());
}

QJsonObject To_Json(TFont& font)
{
    return {{"Name", font.Name()}, {"Size", font.Size()}, {"Style", font.Style()}, {"Color", int(font.Color())}};
}

void From_Json(const QJsonValue& value, TFont& font)
{
    const QJsonObject o = value.toObject();
    font.SetName(o.value(QLatin1String("Name")).toString(font.Name()));
    font.SetSize(o.value(QLatin1String("Size")).toInt(font.Size()));
    font.SetStyle(TFontStyles(o.value(QLatin1String("Style")).toInt(font.Style())));
    font.SetColor(TColor(o.value(QLatin1String("Color")).toInt(int(font.Color()))));
}

// One setting of a column as a JSON value: how to write it and how to read it back.
struct TColumn_Field {
    const char* Name;
    QJsonValue (*Get)(TGridColumnItem&);
    void (*Set)(TGridColumnItem&, const QJsonValue&);
};

#define INT_FIELD(name, get, set)                                                                                    \
    {                                                                                                                \
        name, [](TGridColumnItem& c) { return QJsonValue(int(get)); }, [](TGridColumnItem& c, const QJsonValue& v) { \
            set;                                                                                                     \
            (void)c, (void)v;                                                                                        \
        }                                                                                                            \
    }
#define TEXT_FIELD(name, member)                                                     \
    {                                                                                \
        name, [](TGridColumnItem& c) { return QJsonValue(c.member); },               \
            [](TGridColumnItem& c, const QJsonValue& v) { c.member = v.toString(); } \
    }

const TColumn_Field Column_Fields[] = {
    INT_FIELD("Width", c.StoredWidth(), c.SetWidth(v.toInt())),
    INT_FIELD("Alignment", c.Alignment(), c.SetAlignment(TAlignment(v.toInt()))),
    {"Header", [](TGridColumnItem& c) { return QJsonValue(c.Header()); },
     [](TGridColumnItem& c, const QJsonValue& v) { c.SetHeader(v.toString()); }},
    INT_FIELD("SortStyle", c.SortStyle, c.SortStyle = TSortStyle(v.toInt())),
    TEXT_FIELD("SortPrefix", SortPrefix),
    TEXT_FIELD("SortSuffix", SortSuffix),
    TEXT_FIELD("EditMask", EditMask),
    INT_FIELD("EditLength", c.EditLength, c.EditLength = v.toInt()),
    {"Font", [](TGridColumnItem& c) { return QJsonValue(To_Json(c.Font())); },
     [](TGridColumnItem& c, const QJsonValue& v) { From_Json(v, c.Font()); }},
    INT_FIELD("Color", c.Color(), c.SetColor(TColor(v.toInt()))),
    INT_FIELD("Editor", c.Editor(), c.SetEditor(TEditorType(v.toInt()))),
    INT_FIELD("Fixed", c.Fixed(), c.SetFixed(v.toInt() != 0)),
    INT_FIELD("ReadOnly", c.ReadOnly, c.ReadOnly = v.toInt() != 0),
    {"ComboItems", [](TGridColumnItem& c) { return QJsonValue(To_Json(c.ComboItems())); },
     [](TGridColumnItem& c, const QJsonValue& v) { From_Json(v, c.ComboItems()); }},
    INT_FIELD("DropDownCount", c.DropDownCount, c.DropDownCount = v.toInt()),
    INT_FIELD("SpinMin", c.SpinMin, c.SpinMin = v.toInt()),
    INT_FIELD("SpinMax", c.SpinMax, c.SpinMax = v.toInt()),
    INT_FIELD("SpinStep", c.SpinStep, c.SpinStep = v.toInt()),
    INT_FIELD("Password", c.Password(), c.SetPassword(v.toInt() != 0)),
    INT_FIELD("PrintColor", c.PrintColor, c.PrintColor = TColor(v.toInt())),
    INT_FIELD("Borders", c.Borders(), c.SetBorders(TCellBorders(v.toInt()))),
    INT_FIELD("PrintBorders", c.PrintBorders, c.PrintBorders = TCellBorders(v.toInt())),
    INT_FIELD("Tag", c.Tag, c.Tag = v.toInt()),
    TEXT_FIELD("Name", Name),
    TEXT_FIELD("CheckFalse", CheckFalse),
    TEXT_FIELD("CheckTrue", CheckTrue),
    INT_FIELD("ShowBands", c.ShowBands(), c.SetShowBands(v.toInt() != 0)),
    {"Filter", [](TGridColumnItem& c) { return QJsonValue(To_Json(c.Filter())); },
     [](TGridColumnItem& c, const QJsonValue& v) { From_Json(v, c.Filter()); }},
    INT_FIELD("MaxSize", c.MaxSize, c.MaxSize = v.toInt()),
    INT_FIELD("MinSize", c.MinSize, c.MinSize = v.toInt()),
    INT_FIELD("AutoMinSize", c.AutoMinSize, c.AutoMinSize = v.toInt()),
    INT_FIELD("AutoMaxSize", c.AutoMaxSize, c.AutoMaxSize = v.toInt()),
    INT_FIELD("FilterCaseSensitive", c.FilterCaseSensitive, c.FilterCaseSensitive = v.toInt() != 0),
    {"FloatFormat", [](TGridColumnItem& c) { return QJsonValue(c.FloatFormat()); },
     [](TGridColumnItem& c, const QJsonValue& v) { c.SetFloatFormat(v.toString()); }},
    INT_FIELD("HeaderAlignment", c.HeaderAlignment(), c.SetHeaderAlignment(TAlignment(v.toInt()))),
    {"HeaderFont", [](TGridColumnItem& c) { return QJsonValue(To_Json(c.HeaderFont())); },
     [](TGridColumnItem& c, const QJsonValue& v) { From_Json(v, c.HeaderFont()); }},
};

#undef INT_FIELD
#undef TEXT_FIELD

const QLatin1String Stream_Class("TVoColumnGridIO");

}  // namespace

void TVoColumnGrid::SaveColumnPositions(const QString& Key, const QString& Section)
{
    std::optional<TMemIniFile> ini = TMemIniFile::Open(Key);
    if (!ini)
        return;
    for (int i = 0; i < FColumns->Count(); ++i)
        ini->WriteInteger(Section, Position_Key(i), FColumns->Items(i)->DefIdx);
    ini->UpdateFile();
}

void TVoColumnGrid::LoadColumnPositions(const QString& Key, const QString& Section)
{
    const std::optional<TMemIniFile> ini = TMemIniFile::Open(Key);
    if (!ini)
        return;
    const int count = FColumns->Count();
    std::vector<int> positions;
    std::vector<bool> seen(static_cast<size_t>(count), false);
    for (int j = 0; j < count; ++j) {
        const int v = ini->ReadInteger(Section, Position_Key(j), -1);
        // A missing key, a value out of range or one used twice leaves the columns as they are.
        if (v < 0 || v >= count || seen[static_cast<size_t>(v)])
            return;
        seen[static_cast<size_t>(v)] = true;
        positions.push_back(v);
    }
    for (int j = 0; j < count; ++j)
        FColumns->Items(positions[static_cast<size_t>(j)])->DefIdx = j;
    FColumns->ResetOrganization();
    for (int i = 0; i < count; ++i)
        FColumns->Items(i)->DefIdx = positions[static_cast<size_t>(i)];
}

void TVoColumnGrid::SaveColPositions()
{
    if (ColumnSize().Location == clIniFile)
        SaveColumnPositions(ColumnSize().Key, ColumnSize().Section);
}

void TVoColumnGrid::LoadColPositions()
{
    if (ColumnSize().Location == clIniFile)
        LoadColumnPositions(ColumnSize().Key, ColumnSize().Section);
}

QString TVoColumnGrid::SaveColumnsToStream()
{
    QJsonArray items;
    for (int i = 0; i < FColumns->Count(); ++i) {
        QJsonObject column;
        for (const TColumn_Field& field : Column_Fields)
            column.insert(QLatin1String(field.Name), field.Get(*FColumns->Items(i)));
        items.append(column);
    }
    const QJsonObject stream{{Stream_Class, items}};
    return QString::fromUtf8(QJsonDocument(stream).toJson(QJsonDocument::Compact));
}

bool TVoColumnGrid::LoadColumnsFromStream(const QString& Stream)
{
    const QJsonDocument doc = QJsonDocument::fromJson(Stream.toUtf8());
    const QJsonValue items = doc.object().value(Stream_Class);
    if (!items.isArray())
        return false;
    // Read into a copy, so that a stream that breaks off changes nothing.
    TGridColumnCollection read(nullptr);
    for (const QJsonValue& value : items.toArray()) {
        TGridColumnItem* c = read.Add();
        const QJsonObject column = value.toObject();
        for (const TColumn_Field& field : Column_Fields)
            if (const QJsonValue v = column.value(QLatin1String(field.Name)); !v.isUndefined())
                field.Set(*c, v);
    }
    FColumns->FNoRecursiveUpdate = true;
    FColumns->Assign(read);
    FColumns->FNoRecursiveUpdate = false;
    // The stored widths size the grid's columns.
    for (int i = 0; i < FColumns->Count(); ++i)
        FColumns->Items(i)->SetWidth(FColumns->Items(i)->StoredWidth());
    Invalidate();
    return true;
}
