#include "platform/FileUtils.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QUuid>
#include <filesystem>
#include <system_error>
#include <utility>

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

// A new file written in full beside its target under a name of its own; removed again unless it is
// put in place.
class TNewFile {
public:
    explicit TNewFile(const QString& target)
        : path_(target + QStringLiteral(".") + QUuid::createUuid().toString(QUuid::Id128) + QStringLiteral(".new"))
    {
    }
    TNewFile(TNewFile&& other) noexcept : path_(std::move(other.path_)), pending_(std::exchange(other.pending_, false)) {}
    TNewFile(const TNewFile&) = delete;
    TNewFile& operator=(const TNewFile&) = delete;
    TNewFile& operator=(TNewFile&&) = delete;
    ~TNewFile()
    {
        if (pending_)
            QFile::remove(path_);
    }

    bool Write(const QByteArray& bytes)
    {
        QFile file(path_);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return false;
        pending_ = true;
        return file.write(bytes) == bytes.size();
    }
    // Renames it to target, where no file is.
    bool Place(const QString& target)
    {
        std::error_code error;
        std::filesystem::rename(QFile::encodeName(path_).toStdString(), QFile::encodeName(target).toStdString(), error);
        pending_ = pending_ && error;
        return !error;
    }

private:
    QString path_;
    bool pending_ = false; // written and not yet in place
};

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
    std::vector<TNewFile> written;
    written.reserve(files.size());
    for (const auto& [path, bytes] : files) {
        const QFileInfo target(path);
        if ((target.exists() && !target.isFile()) || !written.emplace_back(path).Write(bytes))
            return path;
    }
    // Each old file is moved aside before its new one is renamed to its name, so that a failure can
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
        if (!written[i].Place(path)) {
            if (!backup.isEmpty())
                QFile::rename(backup, path);
            undo();
            return path;
        }
        placed.push_back({path, backup});
    }
    for (const Placed& file : placed)
        if (!file.Backup.isEmpty())
            QFile::remove(file.Backup);
    return {};
}
