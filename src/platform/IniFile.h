#pragma once
// An INI file held in memory: read whole when opened, written back whole by UpdateFile.
// "[Section]" lines open a section; "Name=Value" lines hold values (name and value trimmed); blank lines
// and lines starting with ";" are skipped. Section and value names compare case-blind. Order is kept.
// Values are single lines: a caller that stores line breaks encodes them first.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TMemIniFile {
public:
    // Reads the file (a missing file gives an empty one); no value when the file exists but can't be read.
    static std::optional<TMemIniFile> Open(const QString& fileName);

    const QString& FileName() const { return fileName_; }

    QString ReadString(const QString& section, const QString& name, const QString& defaultValue) const;
    void WriteString(const QString& section, const QString& name, const QString& value);
    // Decimal, or hexadecimal after "$" or "0x", with an optional sign; the default when missing or malformed.
    int ReadInteger(const QString& section, const QString& name, int defaultValue) const;
    void WriteInteger(const QString& section, const QString& name, int value);
    bool ValueExists(const QString& section, const QString& name) const;

    // Writes the whole file (created when missing) through a temporary file; false on failure.
    bool UpdateFile() const;

private:
    explicit TMemIniFile(const QString& fileName) : fileName_(fileName) {}
    struct Value {
        QString name;
        QString text;
    };
    struct Section {
        QString name;
        std::vector<Value> values;
    };
    void parse(const QString& text);
    const Value* find(const QString& section, const QString& name) const;

    QString fileName_;
    std::vector<Section> sections_;
};
