#include "platform/FileUtils.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTemporaryFile>
#include <QUuid>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

QStringList entries(const QString& folder, const QStringList& patterns, QDir::Filters filters)
{
    QDir dir(folder);
    dir.setNameFilters(patterns);
    dir.setFilter(filters | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();
}

// Moves the file at path to backup; backup becomes empty when there is no such file. False (and
// nothing changed) when it can't be moved.
bool moveAside(const QString& path, QString& backup)
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(path).toStdString(), QFile::encodeName(backup).toStdString(), error);
    if (error == std::errc::no_such_file_or_directory)
        backup.clear();
    return !error || backup.isEmpty();
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

QString WriteFilesAtomic(const std::vector<std::pair<QString, QByteArray>>& files)
{
    std::vector<std::unique_ptr<QTemporaryFile>> temporaries;
    for (const auto& [path, bytes] : files) {
        const QFileInfo target(path);
        if (target.exists() && !target.isFile())
            return path;
        auto temporary = std::make_unique<QTemporaryFile>(path + QStringLiteral(".XXXXXX"));
        if (!temporary->open() || temporary->write(bytes) != bytes.size() || !temporary->flush())
            return path;
        temporary->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                  | QFileDevice::ReadOther);
        temporary->close();
        temporaries.push_back(std::move(temporary));
    }
    // Each old file is moved aside before its new one is linked under its name, so that a failure can
    // undo. No rename replaces an existing file: some file systems wait for the new file's data to
    // reach the disk on such a rename.
    struct Placed {
        QString Path;
        QString Backup; // empty when there was no old file
    };
    std::vector<Placed> placed;
    const auto undo = [&placed] {
        for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
            QFile::remove(it->Path);
            if (!it->Backup.isEmpty())
                QFile::rename(it->Backup, it->Path);
        }
    };
    for (size_t i = 0; i < files.size(); ++i) {
        const QString& path = files[i].first;
        QString backup = path + QStringLiteral(".") + QUuid::createUuid().toString(QUuid::Id128);
        if (!moveAside(path, backup)) {
            undo();
            return path;
        }
        // Linked straight under its name: the old file is out of the way.
        if (!temporaries[i]->rename(path)) {
            if (!backup.isEmpty())
                QFile::rename(backup, path);
            undo();
            return path;
        }
        temporaries[i]->setAutoRemove(false);
        placed.push_back({path, backup});
    }
    for (const Placed& file : placed)
        if (!file.Backup.isEmpty())
            QFile::remove(file.Backup);
    return {};
}
