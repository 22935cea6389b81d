#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString& overrideFolder()
{
    static QString folder;
    return folder;
}

QString withSeparator(const QString& folder)
{
    return folder.endsWith('/') ? folder : folder + '/';
}

}  // namespace

QString UserDataFolder()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + "/.local/share";
    return withSeparator(base + "/lattisor");
}

QString ChooseProgramFolder(const QString& executableFolder, const QString& userDataFolder)
{
    const QFileInfo info(executableFolder);
    if (info.isDir() && info.isWritable())
        return withSeparator(executableFolder);
    QDir().mkpath(userDataFolder);
    return withSeparator(userDataFolder);
}

QString ProgramFolder()
{
    if (!overrideFolder().isEmpty())
        return withSeparator(overrideFolder());
    static const QString folder = ChooseProgramFolder(QCoreApplication::applicationDirPath(), UserDataFolder());
    return folder;
}

void SetProgramFolderOverride(const QString& folder)
{
    overrideFolder() = folder;
}
