#include "grid/io/GridRecords.h"

#include <array>
#include <cmath>
#include <cstring>
#include <limits>

#include "grid/base/REdaReviZizod.h"

namespace {
enum : std::uint8_t {
    vaNull = 0x00,
    vaList = 0x01,
    vaInt8 = 0x02,
    vaInt16 = 0x03,
    vaInt32 = 0x04,
    vaExtended = 0x05,
    vaString = 0x06,
    vaIdent = 0x07,
    vaFalse = 0x08,
    vaTrue = 0x09,
    vaBinary = 0x0A,
    vaSet = 0x0B,
    vaLString = 0x0C,
    vaInt64 = 0x13,
    vaWString = 0x12,
    vaUTF8String = 0x14,
};

constexpr char Signature[] = "TPF0";
// Nesting of lists and child records that a reader follows.
constexpr int MaxDepth = 16;

struct TNamedColor {
    const char* Name;
    std::uint32_t Value;
};
constexpr std::array<TNamedColor, 52> NamedColors{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", 0xFF00000A},
    {"clActiveCaption", 0xFF000002},
    {"clAppWorkSpace", 0xFF00000C},
    {"clBackground", 0xFF000001},
    {"clBtnFace", 0xFF00000F},
    {"clBtnHighlight", 0xFF000014},
    {"clBtnShadow", 0xFF000010},
    {"clBtnText", 0xFF000012},
    {"clCaptionText", 0xFF000009},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", 0xFF00001B},
    {"clGradientInactiveCaption", 0xFF00001C},
    {"clGrayText", 0xFF000011},
    {"clHighlight", 0xFF00000D},
    {"clHighlightText", 0xFF00000E},
    {"clHotLight", 0xFF00001A},
    {"clInactiveBorder", 0xFF00000B},
    {"clInactiveCaption", 0xFF000003},
    {"clInactiveCaptionText", 0xFF000013},
    {"clInfoBk", 0xFF000018},
    {"clInfoText", 0xFF000017},
    {"clMenu", 0xFF000004},
    {"clMenuBar", 0xFF00001E},
    {"clMenuHighlight", 0xFF00001D},
    {"clMenuText", 0xFF000007},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0xFF000000},
    {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016},
    {"clWindow", 0xFF000005},
    {"clWindowFrame", 0xFF000006},
    {"clWindowText", 0xFF000008},
}};

bool isAscii(const QString& s)
{
    for (QChar ch : s)
        if (ch.unicode() > 0x7F)
            return false;
    return true;
}
}  // namespace

const TRecordValue* TRecord::Find(const QString& Name) const
{
    for (const auto& [name, value] : Props)
        if (name.compare(Name, Qt::CaseInsensitive) == 0)
            return &value;
    return nullptr;
}

// ---- colours and floats ------------------------------------------------------------------------

QString ColorIdent(TColor Value)
{
    for (const TNamedColor& c : NamedColors)
        if (static_cast<std::uint32_t>(Value) == c.Value)
            return QString::fromLatin1(c.Name);
    return {};
}

bool ColorFromIdent(const QString& Name, TColor& Value)
{
    for (const TNamedColor& c : NamedColors)
        if (Name.compare(QLatin1String(c.Name), Qt::CaseInsensitive) == 0) {
            Value = static_cast<TColor>(c.Value);
            return true;
        }
    return false;
}

QByteArray ExtendedFromDouble(double Value)
{
    std::uint64_t mantissa = 0;
    std::uint16_t exponent = 0;
    const bool negative = std::signbit(Value);
    if (std::isnan(Value)) {
        exponent = 0x7FFF;
        mantissa = 0xC000000000000000ull;
    } else if (std::isinf(Value)) {
        exponent = 0x7FFF;
        mantissa = 0x8000000000000000ull;
    } else if (Value != 0) {
        int e = 0;
        const double fraction = std::frexp(std::fabs(Value), &e);  // 0.5 <= fraction < 1
        mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
        exponent = static_cast<std::uint16_t>(e - 1 + 16383);
    }
    if (negative)
        exponent |= 0x8000;
    QByteArray out(10, '\0');
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<char>((mantissa >> (8 * i)) & 0xFF);
    out[8] = static_cast<char>(exponent & 0xFF);
    out[9] = static_cast<char>(exponent >> 8);
    return out;
}

double DoubleFromExtended(const QByteArray& Ten)
{
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | static_cast<std::uint8_t>(Ten[i]);
    const auto word =
        static_cast<std::uint16_t>(static_cast<std::uint8_t>(Ten[8]) | (static_cast<std::uint8_t>(Ten[9]) << 8));
    const int exponent = word & 0x7FFF;
    double value = 0;
    if (exponent == 0x7FFF)
        value =
            (mantissa << 1) != 0 ? std::numeric_limits<double>::quiet_NaN() : std::numeric_limits<double>::infinity();
    else if (mantissa != 0)
        value = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
    return (word & 0x8000) ? -value : value;
}

// ---- writer -------------------------------------------------------------------------------------

void TRecordWriter::u32(std::uint32_t Value)
{
    for (int i = 0; i < 4; ++i)
        out_.append(static_cast<char>((Value >> (8 * i)) & 0xFF));
}

void TRecordWriter::shortString(const QString& Text)
{
    const QByteArray utf8 = Text.toUtf8().left(255);
    out_.append(static_cast<char>(utf8.size()));
    out_.append(utf8);
}

void TRecordWriter::Begin(const QString& ClassName)
{
    out_.append(Signature, 4);
    shortString(ClassName);
    out_.append('\0');  // no record name
}

void TRecordWriter::End()
{
    out_.append('\0');  // end of the properties
    out_.append('\0');  // no child records
}

void TRecordWriter::intValue(std::int64_t Value)
{
    if (Value >= -128 && Value <= 127) {
        out_.append(static_cast<char>(vaInt8));
        out_.append(static_cast<char>(Value));
    } else if (Value >= -32768 && Value <= 32767) {
        out_.append(static_cast<char>(vaInt16));
        out_.append(static_cast<char>(Value & 0xFF));
        out_.append(static_cast<char>((Value >> 8) & 0xFF));
    } else {
        out_.append(static_cast<char>(vaInt32));
        u32(static_cast<std::uint32_t>(Value));
    }
}

void TRecordWriter::stringValue(const QString& Value)
{
    if (Value.isEmpty()) {
        out_.append(static_cast<char>(vaWString));
        u32(0);
        return;
    }
    if (isAscii(Value)) {
        const QByteArray ascii = Value.toLatin1();
        if (ascii.size() < 256) {
            out_.append(static_cast<char>(vaString));
            out_.append(static_cast<char>(ascii.size()));
        } else {
            out_.append(static_cast<char>(vaLString));
            u32(static_cast<std::uint32_t>(ascii.size()));
        }
        out_.append(ascii);
        return;
    }
    const QByteArray utf8 = Value.toUtf8();
    if (utf8.size() < Value.size() * 2) {
        out_.append(static_cast<char>(vaUTF8String));
        u32(static_cast<std::uint32_t>(utf8.size()));
        out_.append(utf8);
        return;
    }
    out_.append(static_cast<char>(vaWString));
    u32(static_cast<std::uint32_t>(Value.size()));
    for (QChar ch : Value) {
        out_.append(static_cast<char>(ch.unicode() & 0xFF));
        out_.append(static_cast<char>(ch.unicode() >> 8));
    }
}

void TRecordWriter::Int(const QString& Name, std::int64_t Value)
{
    name(Name);
    intValue(static_cast<std::int32_t>(Value));
}

void TRecordWriter::Bool(const QString& Name, bool Value)
{
    name(Name);
    out_.append(static_cast<char>(Value ? vaTrue : vaFalse));
}

void TRecordWriter::Ident(const QString& Name, const QString& Value)
{
    name(Name);
    out_.append(static_cast<char>(vaIdent));
    shortString(Value);
}

void TRecordWriter::String(const QString& Name, const QString& Value)
{
    name(Name);
    stringValue(Value);
}

void TRecordWriter::Float(const QString& Name, double Value)
{
    name(Name);
    out_.append(static_cast<char>(vaExtended));
    out_.append(ExtendedFromDouble(Value));
}

void TRecordWriter::Color(const QString& Name, TColor Value)
{
    const QString ident = ColorIdent(Value);
    if (ident.isEmpty())
        Int(Name, Value);
    else
        Ident(Name, ident);
}

void TRecordWriter::Set(const QString& Name, const QStringList& Members)
{
    name(Name);
    out_.append(static_cast<char>(vaSet));
    for (const QString& m : Members)
        shortString(m);
    out_.append('\0');
}

void TRecordWriter::Binary(const QString& Name, const QByteArray& Data)
{
    name(Name);
    out_.append(static_cast<char>(vaBinary));
    u32(static_cast<std::uint32_t>(Data.size()));
    out_.append(Data);
}

void TRecordWriter::Strings(const QString& Name, const QStringList& Lines)
{
    name(Name);
    out_.append(static_cast<char>(vaList));
    for (const QString& line : Lines)
        stringValue(line);
    out_.append('\0');
}

// ---- reader -------------------------------------------------------------------------------------

void TRecordReader::fail()
{
    throw REdaReviZizod(QStringLiteral("Invalid stream format"));
}

std::uint8_t TRecordReader::u8()
{
    if (Remaining() < 1)
        fail();
    return static_cast<std::uint8_t>(data_[pos_++]);
}

std::uint32_t TRecordReader::u32()
{
    if (Remaining() < 4)
        fail();
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(data_[pos_ + i]);
    pos_ += 4;
    return v;
}

QByteArray TRecordReader::bytes(std::uint64_t Count)
{
    if (Count > static_cast<std::uint64_t>(Remaining()))
        fail();
    QByteArray out = data_.mid(pos_, static_cast<qsizetype>(Count));
    pos_ += static_cast<qsizetype>(Count);
    return out;
}

QString TRecordReader::shortString()
{
    return QString::fromUtf8(bytes(u8()));
}

TRecordValue TRecordReader::readValue(int Depth)
{
    if (Depth > MaxDepth)
        fail();
    TRecordValue v;
    const std::uint8_t tag = u8();
    switch (tag) {
    case vaInt8:
        v.Int = static_cast<std::int8_t>(u8());
        break;
    case vaInt16: {
        const std::uint16_t lo = u8();
        v.Int = static_cast<std::int16_t>(lo | (u8() << 8));
        break;
    }
    case vaInt32:
        v.Int = static_cast<std::int32_t>(u32());
        break;
    case vaInt64: {
        const std::uint64_t lo = u32();
        v.Int = static_cast<std::int64_t>(lo | (static_cast<std::uint64_t>(u32()) << 32));
        break;
    }
    case vaExtended:
        v.Kind = TRecordValue::vkFloat;
        v.Float = DoubleFromExtended(bytes(10));
        break;
    case vaFalse:
    case vaTrue:
        v.Kind = TRecordValue::vkBool;
        v.Bool = tag == vaTrue;
        break;
    case vaIdent:
        v.Kind = TRecordValue::vkIdent;
        v.Text = shortString();
        break;
    case vaString:
        v.Kind = TRecordValue::vkString;
        v.Text = QString::fromLatin1(bytes(u8()));
        break;
    case vaLString:
        v.Kind = TRecordValue::vkString;
        v.Text = QString::fromLatin1(bytes(u32()));
        break;
    case vaUTF8String:
        v.Kind = TRecordValue::vkString;
        v.Text = QString::fromUtf8(bytes(u32()));
        break;
    case vaWString: {
        v.Kind = TRecordValue::vkString;
        const QByteArray raw = bytes(std::uint64_t{u32()} * 2);
        v.Text = QString(reinterpret_cast<const QChar*>(raw.constData()), raw.size() / 2);
        break;
    }
    case vaBinary:
        v.Kind = TRecordValue::vkBinary;
        v.Bytes = bytes(u32());
        break;
    case vaSet:
        v.Kind = TRecordValue::vkSet;
        for (QString m = shortString(); !m.isEmpty(); m = shortString())
            v.Items.append(m);
        break;
    case vaList:
        v.Kind = TRecordValue::vkList;
        while (Remaining() > 0 && data_[pos_] != vaNull) {
            const TRecordValue item = readValue(Depth + 1);
            if (item.Kind != TRecordValue::vkString)
                fail();
            v.Items.append(item.Text);
        }
        u8();  // the list's end
        break;
    default:
        fail();
    }
    return v;
}

void TRecordReader::readRecord(TRecord* Into, int Depth)
{
    if (Depth > MaxDepth || bytes(4) != QByteArray(Signature, 4))
        fail();
    if (Remaining() > 0 && (static_cast<std::uint8_t>(data_[pos_]) & 0xF0) == 0xF0) {
        const std::uint8_t flags = u8();
        if (flags & 0x02)
            readValue(Depth + 1);  // the child position
    }
    const QString className = shortString();
    shortString();  // record name
    for (QString name = shortString(); !name.isEmpty(); name = shortString()) {
        TRecordValue value = readValue(Depth + 1);
        if (Into)
            Into->Props.emplace_back(name, std::move(value));
    }
    while (u8() != vaNull) {
        --pos_;
        readRecord(nullptr, Depth + 1);  // child records are skipped
    }
    if (Into)
        Into->ClassName = className;
}

TRecord TRecordReader::Read()
{
    TRecord record;
    readRecord(&record, 0);
    return record;
}
