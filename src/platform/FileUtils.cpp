#include "platform/FileUtils.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QUuid>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

namespace {

QStringList entries(const QString& folder, const QStringList& patterns, QDir::Filters filters)
{
    QDir dir(folder);
    dir.setNameFilters(patterns);
    dir.setFilter(filters | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();
}

std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// A new file written in full beside its target under a name of its own; removed again unless it is
// put in place.
class TNewFile {
public:
    explicit TNewFile(const QString& target)
        : path_(localPath(target + QStringLiteral(".") + QUuid::createUuid().toString(QUuid::Id128) +
                          QStringLiteral(".new")))
    {}
    TNewFile(TNewFile&& other) noexcept : path_(std::move(other.path_)), pending_(std::exchange(other.pending_, false))
    {}
    TNewFile(const TNewFile&) = delete;
    TNewFile& operator=(const TNewFile&) = delete;
    TNewFile& operator=(TNewFile&&) = delete;
    ~TNewFile()
    {
        if (pending_)
            std::remove(path_.c_str());
    }

    // Unbuffered, so that the bytes go to the file in one write.
    bool Write(const QByteArray& bytes)
    {
#ifdef Q_OS_LINUX
        std::FILE* file = std::fopen(path_.c_str(), "wbxe");  // and closed in child processes
#else
        std::FILE* file = std::fopen(path_.c_str(), "wbx");
#endif
        if (file == nullptr)
            return false;
        pending_ = true;
        std::setvbuf(file, nullptr, _IONBF, 0);
        const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), file) == size_t(bytes.size());
        return std::fclose(file) == 0 && written;
    }
    // Puts it in place of target. No rename replaces an existing file: some file systems wait for the
    // new file's data to reach the disk on such a rename. The old file's new name (empty when there
    // was none), or nothing when it can't be placed (then target is as it was).
    std::optional<std::string> Place(const std::string& target)
    {
#if defined(Q_OS_LINUX) && defined(RENAME_EXCHANGE)
        // Swapped in one step where the file system can.
        if (::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0) {
            pending_ = false;
            return path_;
        }
        if (errno == ENOENT)
            return placeAt(target) ? std::optional<std::string>(std::string()) : std::nullopt;
#endif
        std::string backup = target + "." + QUuid::createUuid().toString(QUuid::Id128).toStdString();
        std::error_code error;
        std::filesystem::rename(target, backup, error);
        if (error == std::errc::no_such_file_or_directory)
            backup.clear();
        else if (error)
            return std::nullopt;
        if (placeAt(target))
            return backup;
        if (!backup.empty())
            std::filesystem::rename(backup, target, error);
        return std::nullopt;
    }

private:
    bool placeAt(const std::string& target)
    {
        std::error_code error;
        std::filesystem::rename(path_, target, error);
        pending_ = pending_ && error;
        return !error;
    }

    std::string path_;
    bool pending_ = false;  // written and not yet in place
};

}  // namespace

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
        std::error_code error;
        const auto target = std::filesystem::status(localPath(path), error);
        if ((std::filesystem::exists(target) && !std::filesystem::is_regular_file(target)) ||
            !written.emplace_back(path).Write(bytes))
            return path;
    }
    // Each old file is kept until every new one is in place, so that a failure can undo.
    struct Placed {
        std::string Path;
        std::string Old;  // where the old file is now; empty when there was none
    };
    std::vector<Placed> placed;
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string path = localPath(files[i].first);
        std::optional<std::string> old = written[i].Place(path);
        if (!old) {
            for (auto it = placed.rbegin(); it != placed.rend(); ++it) {
                std::error_code error;
                if (it->Old.empty())
                    std::filesystem::remove(it->Path, error);
                else
                    std::filesystem::rename(it->Old, it->Path, error);
            }
            return files[i].first;
        }
        placed.push_back({path, std::move(*old)});
    }
    for (const Placed& file : placed)
        if (!file.Old.empty())
            std::remove(file.Old.c_str());
    return {};
}
