#include "shell/ULanguage.h"
#include <QDir>
#include <QFile>
#include <map>
#include "platform/FileUtils.h"
#include "shell/UComon.h"
#include "shell/UText.h"

TStringList Lang_Text;
int Max_Lang_Text = 0;

namespace {

constexpr int Lang_Text_Slots = 5300;
const QChar Pilcrow(0x00B6);
const QString CommentMark = QStringLiteral("/#/");

std::map<int, TSetLangProc>& setLangProcs()
{
    static std::map<int, TSetLangProc> procs;
    return procs;
}

// One "STR<n> = <text>" line; anything else is ignored.
void applyLine(const QString& rawLine)
{
    const QString line = UText::Trim(rawLine);
    if (!line.startsWith(QLatin1String("STR")))
        return;
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return;
    const auto number = UText::Str_To_Int(UText::Trim(line.mid(3, eq - 3)));
    if (!number || *number < 0 || *number >= Max_Lang_Text || *number >= Lang_Text.Count())
        return;
    QString text = UText::Trim(line.mid(eq + 1));
    const qsizetype comment = text.indexOf(CommentMark);
    if (comment >= 0)
        text = UText::Trim(text.left(comment));
    if (text.isEmpty())
        return;
    if (text.startsWith(Pilcrow))
        text.remove(0, 1);
    const qsizetype close = text.indexOf(Pilcrow);
    if (close >= 0)
        text.truncate(close);
    Lang_Text.SetString(*number, text);
}

}  // namespace

void Load_Default_Language()
{
    static const bool resourcesReady = [] {
        Q_INIT_RESOURCE(texts);
        return true;
    }();
    (void)resourcesReady;

    Lang_Text.BeginUpdate();
    Lang_Text.Clear();
    for (int n = 0; n < Lang_Text_Slots; ++n)
        Lang_Text.Add(QStringLiteral(" "));
    Max_Lang_Text = Lang_Text_Slots;
    const QDir builtIn(QStringLiteral(":/texts"));
    for (const QString& name : builtIn.entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name))
        Load_Language_File(builtIn.filePath(name));
    Lang_Text.EndUpdate();
}

void Load_Language_File(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    TStringList lines;
    lines.SetText(DecodeText(file.readAll()));
    for (int i = 0; i < lines.Count(); ++i)
        applyLine(lines[i]);
}

void Load_Language()
{
    Load_Default_Language();
    const QString file = Path_Language + QLatin1Char('/') + Language_Name + QLatin1String(".lng");
    if (FileExists(file)) {
        Load_Language_File(file);
        return;
    }
    Language_Name = QStringLiteral("English");
    const QString english = Path_Language + QLatin1String("/English.lng");
    if (FileExists(english))
        Load_Language_File(english);
}

int Register_Set_Lang(TSetLangProc setLang)
{
    static int nextId = 0;
    setLangProcs().emplace(++nextId, std::move(setLang));
    return nextId;
}

void Unregister_Set_Lang(int id)
{
    setLangProcs().erase(id);
}

void Change_Language()
{
    // A copy, so that a form may register or unregister while the texts are applied.
    const auto procs = setLangProcs();
    for (const auto& [id, setLang] : procs)
        setLang();
}
