#include "platform/FileUtils.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

QStringList entries(const QString& folder, const QStringList& patterns, QDir::Filters filters)
{
    QDir dir(folder);
    dir.setNameFilters(patterns);
    dir.setFilter(filters | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();
}

} // namespace

bool FileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool DirectoryExists(const QString& path)
{
    return QFileInfo(path).isDir();
}

bool ForceDirectories(const QString& path)
{
    return !path.isEmpty() && QDir().mkpath(path);
}

QStringList ListFolders(const QString& folder)
{
    return entries(folder, {}, QDir::Dirs);
}

QStringList ListFiles(const QString& folder, const QString& pattern)
{
    return entries(folder, {pattern}, QDir::Files);
}

QString DecodeText(const QByteArray& bytes)
{
    const auto bom = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(bom.value_or(QStringConverter::Utf8), QStringConverter::Flag::Stateless);
    const QString text = decoder(bytes);
    return bom || !decoder.hasError() ? text : QString::fromLatin1(bytes);
}

bool WriteFileAtomic(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool WriteTextFileAtomic(const QString& path, const QString& text)
{
    return WriteFileAtomic(path, text.toUtf8());
}
