#include "platform/IniFile.h"

#include "platform/FileUtils.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

template <typename List>
auto findNamed(List& list, const QString& name)
{
    return std::find_if(list.begin(), list.end(), [&](const auto& item) { return sameName(item.name, name); });
}

std::optional<int> parseInteger(QString text)
{
    bool negative = false;
    if (text.startsWith('-') || text.startsWith('+')) {
        negative = text.startsWith('-');
        text.remove(0, 1);
    }
    int base = 10;
    if (text.startsWith('$')) {
        text.remove(0, 1);
        base = 16;
    } else if (text.startsWith("0x", Qt::CaseInsensitive)) {
        text.remove(0, 2);
        base = 16;
    }
    if (text.isEmpty() || !text.at(0).isLetterOrNumber())
        return std::nullopt;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, base);
    const qint64 signedValue = negative ? -value : value;
    // Hexadecimal spans the full 32 bits, as "$FFFFFFFF" for -1.
    const qint64 low = base == 16 ? -qint64(0xFFFFFFFF) : INT32_MIN;
    const qint64 high = base == 16 ? qint64(0xFFFFFFFF) : INT32_MAX;
    if (!ok || signedValue < low || signedValue > high)
        return std::nullopt;
    return static_cast<int>(static_cast<quint32>(signedValue));
}

}  // namespace

std::optional<TMemIniFile> TMemIniFile::Open(const QString& fileName)
{
    TMemIniFile ini(fileName);
    QFile file(fileName);
    if (!file.exists())
        return ini;
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    ini.parse(DecodeText(file.readAll()));
    return ini;
}

void TMemIniFile::parse(const QString& text)
{
    Section* current = nullptr;
    for (const QString& raw : text.split(QRegularExpression("\r\n|\n|\r"))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            auto found = findNamed(sections_, name);
            current = found != sections_.end() ? &*found : &sections_.emplace_back(Section{name, {}});
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (current == nullptr || equals < 0)
            continue;
        const QString name = line.left(equals).trimmed();
        if (findNamed(current->values, name) == current->values.end())
            current->values.push_back({name, line.mid(equals + 1).trimmed()});
    }
}

const TMemIniFile::Value* TMemIniFile::find(const QString& section, const QString& name) const
{
    const auto found = findNamed(sections_, section);
    if (found == sections_.end())
        return nullptr;
    const auto value = findNamed(found->values, name);
    return value != found->values.end() ? &*value : nullptr;
}

QString TMemIniFile::ReadString(const QString& section, const QString& name, const QString& defaultValue) const
{
    const Value* value = find(section, name);
    return value ? value->text : defaultValue;
}

void TMemIniFile::WriteString(const QString& section, const QString& name, const QString& value)
{
    auto found = findNamed(sections_, section);
    Section& target = found != sections_.end() ? *found : sections_.emplace_back(Section{section, {}});
    auto existing = findNamed(target.values, name);
    if (existing != target.values.end())
        existing->text = value;
    else
        target.values.push_back({name, value});
}

int TMemIniFile::ReadInteger(const QString& section, const QString& name, int defaultValue) const
{
    const Value* value = find(section, name);
    return value ? parseInteger(value->text).value_or(defaultValue) : defaultValue;
}

void TMemIniFile::WriteInteger(const QString& section, const QString& name, int value)
{
    WriteString(section, name, QString::number(value));
}

bool TMemIniFile::ValueExists(const QString& section, const QString& name) const
{
    return find(section, name) != nullptr;
}

bool TMemIniFile::UpdateFile() const
{
    QString text;
    for (const Section& section : sections_) {
        if (!text.isEmpty())
            text += '\n';
        text += '[' + section.name + "]\n";
        for (const Value& value : section.values)
            text += value.name + '=' + value.text + '\n';
    }
    return WriteTextFileAtomic(fileName_, text);
}
