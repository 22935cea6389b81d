#include "shell/USettings.h"
#include <optional>
#include "platform/XmlDocument.h"
#include "shell/UComon.h"

namespace {

// The text of group/value under the root; nothing when either element is missing or the value
// element holds elements.
std::optional<QString> valueText(const XmlNode& group, const char* value)
{
    const XmlNode node = group.Child(QString::fromLatin1(value));
    if (!node || !node.IsTextElement())
        return std::nullopt;
    return node.Text();
}

std::optional<QString> valueText(const XmlNode& root, const char* group, const char* value)
{
    return valueText(root.Child(QString::fromLatin1(group)), value);
}

bool flag(const XmlNode& group, const char* value)
{
    return valueText(group, value).value_or(QString()) == QLatin1String("1");
}

// A name used as a folder or file name below a program folder.
bool staysInFolder(const QString& name)
{
    return !name.contains(u'/') && !name.contains(u'\\') && name != QLatin1String(".") && name != QLatin1String("..");
}

QString folderName(std::optional<QString> name, const QString& fallback)
{
    return name && staysInFolder(*name) ? *name : fallback;
}

void appendValue(XmlNode& group, const char* name, const QString& text)
{
    group.AppendElement(QString::fromLatin1(name)).SetText(text);
}

QString flagText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace

QString Settings_File_Name()
{
    return Path_Program + QLatin1String("/Lattisor.xml");
}

void Read_Setting(XmlDocument& XML1)
{
    const bool loaded = XML1.Load(Settings_File_Name());
    const XmlNode root = loaded ? XML1.Root() : XmlNode();
    Project_Name = folderName(valueText(root, "lastproj", "projectname"), QString());
    Path_Project.clear();
    Last_IP_Address = valueText(root, "lastipadd", "ipaddress").value_or(QStringLiteral("192.168.2.205"));
    Language_Name = folderName(valueText(root, "lastlang", "language"), QStringLiteral("English"));
    const XmlNode internet = root.Child(QStringLiteral("lastinternet"));
    Enable_Internet = flag(internet, "enable_internet");
    Enable_Update = flag(internet, "enable_update");
    Enable_Jump_Field_Tables = flag(internet, "enable_jump_field_tables");
    Enable_Double_Click_Auto_Size = flag(internet, "Double_Click_Auto_Size");
}

bool Save_Setting(XmlDocument& XML1)
{
    XML1.Clear();
    XmlNode root = XML1.Node().AppendElement(QStringLiteral("Conf_Settings"));
    XmlNode project = root.AppendElement(QStringLiteral("lastproj"));
    appendValue(project, "projectname", Project_Name);
    XmlNode address = root.AppendElement(QStringLiteral("lastipadd"));
    appendValue(address, "ipaddress", Last_IP_Address);
    XmlNode language = root.AppendElement(QStringLiteral("lastlang"));
    appendValue(language, "language", Language_Name);
    XmlNode internet = root.AppendElement(QStringLiteral("lastinternet"));
    appendValue(internet, "enable_internet", flagText(Enable_Internet));
    appendValue(internet, "enable_update", flagText(Enable_Update));
    appendValue(internet, "enable_jump_field_tables", flagText(Enable_Jump_Field_Tables));
    appendValue(internet, "Double_Click_Auto_Size", flagText(Enable_Double_Click_Auto_Size));
    return XML1.Save(Settings_File_Name());
}
