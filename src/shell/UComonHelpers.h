#pragma once
// Conversion and check routines of the table editors and dialogs: dotted IPv4 addresses, numbers,
// OPC UA codes, SNMP identifiers and credentials. They keep no state and show no messages.
#include <QString>
#include <cstdint>
#include <memory>
#include "platform/Classes.h"
#include "platform/Process.h"

struct opcua_structure;

// True when the trimmed text is four dot-separated integers 0..255; the parts come out trimmed
// (those found before a missing dot stay set).
bool Split_IP_Address(const QString& text, QString& a, QString& b, QString& c, QString& d);
// True on ERROR: an empty text (bytes unchanged) or a part that is not exactly a number 0..255
// (its byte becomes 0). Parts are not trimmed.
bool IP_To_Bytes(const QString& text, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3, std::uint8_t& b4);
// True when the text is "a.b.c.d:port"; all outputs are 0 unless it is.
bool IP_Port_To_Bytes(const QString& text, std::uint8_t& b1, std::uint8_t& b2, std::uint8_t& b3, std::uint8_t& b4,
                      std::uint16_t& port);

// The system's decimal separator when it is "," or "."; "," otherwise. Read at every call.
QChar Get_Decimal_Separator();
// Turns every "," and "." of the text into sep, then reads it as a number with the system's decimal
// separator. False and value 1.0 when it is not a number.
bool Str_To_Float_Sep(const QString& text, QChar sep, float& value);

// The serial ports present, by device name (e.g. "ttyUSB0"); the caller owns the list.
std::unique_ptr<TStringList> Get_COM_Ports();

QString OPC_UA_IdType_To_Str(int code);
int Str_To_OPC_UA_IdType(const QString& text);
// The node's identifier: number, string, GUID (8-4-4-4-12 upper-case hexadecimal) or byte string.
QString OPC_UA_NodeId_To_Str(const opcua_structure& node);
QString OPC_UA_DataType_To_Str(int code);
QString OPC_UA_Auth_To_Str(int code);
int Str_To_OPC_UA_Auth(const QString& text);
QString OPC_UA_Security_Mode_To_Str(int code);
int Str_To_OPC_UA_Security_Mode(const QString& text);
QString OPC_UA_Security_Policy_To_Str(int code);
int Str_To_OPC_UA_Security_Policy(const QString& text);

// 0 for a valid SNMP object identifier; else 1 too long, 2 a character other than digits and dots
// (also an empty text), 3 a leading dot, 4 a trailing dot, 5 two dots together, 6 an arc above 2^32-1.
int Check_OID(const QString& text);
// 0 when valid; 1 longer than 15, 2 too short (user name empty, pass phrase under 8), 3 a character
// other than digits and ASCII letters.
int Check_SNMP_V3_String(const QString& text, bool isUser);
// "AUTH NOPRIV" 1, "AUTH PRIV" 3 (any case, trimmed), empty -1, anything else 0.
std::int8_t Str_To_SNMP_Security_Level(const QString& text);

// The IP protocols this model runs over its WiFi link: their count and names.
int Get_WiFi_IP_Protocols(QString& first, QString& second);

// Starts the program with the parameter text (split like a command line) and waits until it ends or
// 150 s have passed; a program still running then keeps running. The window flag has no meaning here.
ProcessOutcome Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo);
