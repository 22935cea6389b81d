#include "shell/UComonHelpers.h"
#include <QLocale>
#include <QProcess>
#include <array>
#include <cmath>
#include <span>
#include "platform/Locale.h"
#include "platform/SerialPorts.h"
#include "shell/UComon.h"
#include "shell/UText.h"

namespace {

// Text up to the first dot (the whole text when there is none) and what follows it.
struct Cut {
    QString part;
    QString rest;
    bool found;
};

Cut cutAt(const QString& text, QChar mark)
{
    const qsizetype at = text.indexOf(mark);
    if (at < 0)
        return {text, text, false};
    return {text.left(at), text.mid(at + 1), true};
}

int numberOr(const QString& text, int fallback)
{
    return UText::Str_To_Int(text).value_or(fallback);
}

bool isOctet(int value)
{
    return value >= 0 && value <= 255;
}

struct CodeText {
    int code;
    const char* text;
};

// The last entry stands for every code and text not in the table.
QString codeToText(std::span<const CodeText> table, int code)
{
    for (const CodeText& entry : table)
        if (entry.code == code)
            return QString::fromLatin1(entry.text);
    return QString::fromLatin1(table.back().text);
}

int textToCode(std::span<const CodeText> table, const QString& text)
{
    for (const CodeText& entry : table)
        if (text == QLatin1String(entry.text))
            return entry.code;
    return table.back().code;
}

constexpr CodeText Auth[] = {{0, "Anonymous"}, {1, "Username and Password"}, {2, "Certificate"}};
constexpr CodeText Security_Mode[] = {{0, "None"}, {1, "Sign"}, {2, "Sign and Encrypt"}};
constexpr CodeText Security_Policy[] = {{0, "None"},
                                        {1, "Basic 128 RSA 15"},
                                        {2, "Basic 256"},
                                        {3, "Basic 256 SHA 256"},
                                        {4, "AES 128 SHA 256 RSA OAEP"},
                                        {5, "AES 256 SHA 256 RSA PSS"}};
constexpr CodeText IdType[] = {{0, "Numeric"}, {3, "String"}, {4, "Guid"}, {5, "ByteString"}};

QString fromCString(const char* text)
{
    return text ? QString::fromLocal8Bit(text) : QString();
}

QString hex(unsigned value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

bool Split_IP_Address(const QString& text, QString& a, QString& b, QString& c, QString& d)
{
    QString rest = UText::Trim(text);
    QString* parts[] = {&a, &b, &c};
    for (QString* part : parts) {
        const Cut cut = cutAt(rest, u'.');
        if (!cut.found)
            return false;
        *part = UText::Trim(cut.part);
        rest = UText::Trim(cut.rest);
    }
    d = rest;
    bool valid = true;
    for (const QString* part : {&a, &b, &c, &d})
        valid = isOctet(numberOr(*part, 1000)) && valid;
    return valid;
}

bool IP_To_Bytes(const QString& text, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3, std::uint8_t& b4)
{
    if (text.isEmpty())
        return true;
    bool error = false;
    QString rest = text;
    std::uint8_t* bytes[] = {&b1, &b2, &b3, &b4};
    for (int i = 0; i < 4; ++i) {
        const Cut cut = cutAt(rest, u'.');
        const QString part = i == 3 ? rest : (cut.found ? cut.part : QString());
        rest = cut.rest;
        const int value = numberOr(part, -1);
        const bool valid = isOctet(value);
        *bytes[i] = valid ? static_cast<std::uint8_t>(value) : 0;
        error = error || !valid;
    }
    return error;
}

bool IP_Port_To_Bytes(const QString& text, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3, std::uint8_t& b4,
                      std::uint16_t& port)
{
    b1 = b2 = b3 = b4 = 0;
    port = 0;
    std::array<int, 4> octets{};
    QString rest = text;
    for (int i = 0; i < 3; ++i) {
        const Cut cut = cutAt(rest, u'.');
        if (!cut.found)
            return false;
        octets[i] = numberOr(UText::Trim(cut.part), -1);
        if (!isOctet(octets[i]))
            return false;
        rest = UText::Trim(cut.rest);
    }
    const Cut cut = cutAt(rest, u':');
    if (!cut.found)
        return false;
    octets[3] = numberOr(UText::Trim(cut.part), -1);
    const int portValue = numberOr(UText::Trim(cut.rest), -1);
    if (!isOctet(octets[3]) || portValue < 0 || portValue > 65535)
        return false;
    b1 = static_cast<std::uint8_t>(octets[0]);
    b2 = static_cast<std::uint8_t>(octets[1]);
    b3 = static_cast<std::uint8_t>(octets[2]);
    b4 = static_cast<std::uint8_t>(octets[3]);
    port = static_cast<std::uint16_t>(portValue);
    return true;
}

QChar Get_Decimal_Separator()
{
    const QChar separator = DecimalSeparator();
    return separator == u'.' ? separator : QChar(u',');
}

bool Str_To_Float_Sep(const QString& text, QChar sep, float& value)
{
    QString number = UText::Trim(text);
    if (sep == u'.')
        number.replace(u',', u'.');
    else
        number.replace(u'.', u',');
    const QChar system = Get_Decimal_Separator();
    bool ok = !number.contains(system == u'.' ? u',' : u'.');
    if (ok) {
        number.replace(system, u'.');
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        value = c.toFloat(number, &ok);
        ok = ok && std::isfinite(value);
    }
    if (!ok)
        value = 1.0f;
    return ok;
}

std::unique_ptr<TStringList> Get_COM_Ports()
{
    auto ports = std::make_unique<TStringList>();
    ports->SetFrom(SerialPorts());
    return ports;
}

QString OPC_UA_IdType_To_Str(int code)
{
    for (const CodeText& entry : IdType)
        if (entry.code == code)
            return QString::fromLatin1(entry.text);
    return QString();
}

int Str_To_OPC_UA_IdType(const QString& text)
{
    for (const CodeText& entry : IdType)
        if (text.toUpper() == QString::fromLatin1(entry.text).toUpper())
            return entry.code;
    return 0;
}

QString OPC_UA_NodeId_To_Str(const opcua_structure& node)
{
    switch (node.identifierType) {
    case 0:
        return QString::number(node.numeric);
    case 3:
        return fromCString(node.stringname);
    case 4: {
        QString tail;
        for (int i = 2; i < 8; ++i)
            tail += hex(node.guide4[i], 2);
        return hex(node.guide1, 8) + u'-' + hex(node.guide2, 4) + u'-' + hex(node.guide3, 4) + u'-' +
               hex(node.guide4[0], 2) + hex(node.guide4[1], 2) + u'-' + tail;
    }
    case 5:
        return fromCString(node.byteString);
    default:
        return QString();
    }
}

QString OPC_UA_DataType_To_Str(int code)
{
    static const char* const names[] = {"Boolean", "Int8",   "UInt8",    "Int16",  "UInt16",
                                        "Int32",   "UInt32", "Int64",    "UInt64", "Float",
                                        "Double",  "String", "DateTime", "Guid",   "ByteString"};
    if (code < 0 || code >= static_cast<int>(std::size(names)))
        return QString();
    return QString::fromLatin1(names[code]);
}

QString OPC_UA_Auth_To_Str(int code)
{
    return codeToText(Auth, code);
}
int Str_To_OPC_UA_Auth(const QString& text)
{
    return textToCode(Auth, text);
}
QString OPC_UA_Security_Mode_To_Str(int code)
{
    return codeToText(Security_Mode, code);
}
int Str_To_OPC_UA_Security_Mode(const QString& text)
{
    return textToCode(Security_Mode, text);
}
QString OPC_UA_Security_Policy_To_Str(int code)
{
    return codeToText(Security_Policy, code);
}
int Str_To_OPC_UA_Security_Policy(const QString& text)
{
    return textToCode(Security_Policy, text);
}

int Check_OID(const QString& text)
{
    if (text.size() > 61)
        return 1;
    if (text.isEmpty())
        return 2;
    for (const QChar ch : text)
        if (ch != u'.' && (ch < u'0' || ch > u'9'))
            return 2;
    if (text.front() == u'.')
        return 3;
    if (text.back() == u'.')
        return 4;
    if (text.contains(QLatin1String("..")))
        return 5;
    for (const QString& arc : text.split(u'.')) {
        bool ok = false;
        const qulonglong value = arc.toULongLong(&ok);
        if (!ok || value > 0xFFFFFFFFull)
            return 6;
    }
    return 0;
}

int Check_SNMP_V3_String(const QString& text, bool isUser)
{
    if (text.size() > 15)
        return 1;
    if (text.size() < (isUser ? 1 : 8))
        return 2;
    for (const QChar ch : text) {
        const bool asciiLetterOrDigit =
            (ch >= u'0' && ch <= u'9') || (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z');
        if (!asciiLetterOrDigit)
            return 3;
    }
    return 0;
}

std::int8_t Str_To_SNMP_Security_Level(const QString& text)
{
    const QString level = UText::Trim(text.toUpper());
    if (level == QLatin1String("AUTH NOPRIV"))
        return 1;
    if (level == QLatin1String("AUTH PRIV"))
        return 3;
    if (level.isEmpty())
        return -1;
    return 0;
}

int Get_WiFi_IP_Protocols(QString& first, QString& second)
{
    first = QStringLiteral("MQTT");
    second.clear();
    return 1;
}

ProcessOutcome Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo)
{
    (void)tipo;
    constexpr int Wait_Limit_Ms = 150000;
    return StartProgramAndWait(NomeSW, QProcess::splitCommand(Parameter), Wait_Limit_Ms).Outcome;
}
