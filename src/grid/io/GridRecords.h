#pragma once
// Component records, the unit of the binary cell stream: "TPF0", class name, record name, property
// entries (name and tagged value) and two end marks. The writer picks each value's tag; the reader
// checks every tag, count and length against the bytes left.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/Graphics.h"

// One property value as read.
struct TRecordValue {
    enum TKind { vkInt, vkBool, vkIdent, vkString, vkFloat, vkBinary, vkList, vkSet };
    TKind Kind = vkInt;
    std::int64_t Int = 0;
    bool Bool = false;
    double Float = 0;
    QString Text;       // string or identifier
    QByteArray Bytes;   // binary data
    QStringList Items;  // list of strings, members of a set
};

struct TRecord {
    QString ClassName;
    std::vector<std::pair<QString, TRecordValue>> Props;
    const TRecordValue* Find(const QString& Name) const;
};

class TRecordWriter {
public:
    explicit TRecordWriter(QByteArray& Out) : out_(Out) {}
    void Begin(const QString& ClassName);
    void End();
    void Int(const QString& Name, std::int64_t Value);
    void Bool(const QString& Name, bool Value);
    void Ident(const QString& Name, const QString& Value);
    // An empty string is written too; callers leave out what they don't store.
    void String(const QString& Name, const QString& Value);
    void Float(const QString& Name, double Value);
    void Color(const QString& Name, TColor Value);
    void Set(const QString& Name, const QStringList& Members);
    void Binary(const QString& Name, const QByteArray& Data);
    void Strings(const QString& Name, const QStringList& Lines);

private:
    void shortString(const QString& Text);
    void name(const QString& Name) { shortString(Name); }
    void intValue(std::int64_t Value);
    void stringValue(const QString& Value);
    void u32(std::uint32_t Value);
    QByteArray& out_;
};

// Reads records from Data starting at Pos. Anything malformed, truncated or out of range raises
// REdaReviZizod "Invalid stream format"; nothing is read beyond the data.
class TRecordReader {
public:
    TRecordReader(const QByteArray& Data, qsizetype Pos) : data_(Data), pos_(Pos) {}
    TRecord Read();
    qsizetype Pos() const { return pos_; }
    qsizetype Remaining() const { return data_.size() - pos_; }

private:
    void readRecord(TRecord* Into, int Depth);
    TRecordValue readValue(int Depth);
    std::uint8_t u8();
    std::uint32_t u32();
    QByteArray bytes(std::uint64_t Count);
    QString shortString();
    [[noreturn]] static void fail();

    const QByteArray& data_;
    qsizetype pos_;
};

// Colour names of the stream: the named colours as identifiers, all others as numbers.
QString ColorIdent(TColor Value);
bool ColorFromIdent(const QString& Name, TColor& Value);

// 80-bit extended floats as the stream stores them.
QByteArray ExtendedFromDouble(double Value);
double DoubleFromExtended(const QByteArray& Ten);
