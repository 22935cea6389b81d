#pragma once
// File and folder helpers.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// True for an existing file that is not a folder.
bool FileExists(const QString& path);
bool DirectoryExists(const QString& path);
// Creates the folder with any missing parents; true when it exists afterwards.
bool ForceDirectories(const QString& path);

// Names (not paths) of the sub-folders of a folder, sorted case-blind; empty for a missing folder.
QStringList ListFolders(const QString& folder);
// Names of the files of a folder that match a wildcard such as "*.lng" (case-blind), sorted case-blind.
QStringList ListFiles(const QString& folder, const QString& pattern);

// A text file's content: UTF-8 or UTF-16 by its byte-order mark; without one UTF-8 when the bytes are
// valid UTF-8, else Latin-1.
QString DecodeText(const QByteArray& bytes);

// Writes the bytes to a temporary file beside the target and renames it into place, so a failed write
// leaves the old file (or none) untouched. False on any failure.
bool WriteFileAtomic(const QString& path, const QByteArray& bytes);
// The same for a text, written as UTF-8 without byte-order mark.
bool WriteTextFileAtomic(const QString& path, const QString& text);
// Replaces several files as one: each is written in full to a temporary file beside it, then all are
// put in place. On any failure every target keeps its old content (or stays absent) and the path that
// failed is returned; an empty text on success. A folder where a file should be is a failure.
QString WriteFilesAtomic(const std::vector<std::pair<QString, QByteArray>>& files);
