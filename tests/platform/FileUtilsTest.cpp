#include "platform/FileUtils.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(FileUtils, FoldersAndListings)
{
    QTemporaryDir dir;
    const QString base = dir.path();
    EXPECT_TRUE(ForceDirectories(base + "/PROJECTS/beta/bin"));
    EXPECT_TRUE(ForceDirectories(base + "/PROJECTS/beta/bin"));  // already there
    EXPECT_TRUE(ForceDirectories(base + "/PROJECTS/Alpha"));
    EXPECT_FALSE(ForceDirectories(""));
    ASSERT_TRUE(WriteFileAtomic(base + "/PROJECTS/file.lng", "x"));
    ASSERT_TRUE(WriteFileAtomic(base + "/PROJECTS/Deutsch.LNG", "x"));
    ASSERT_TRUE(WriteFileAtomic(base + "/PROJECTS/English.lng.bak", "x"));
    ASSERT_TRUE(ForceDirectories(base + "/PROJECTS/folder.lng"));

    EXPECT_TRUE(DirectoryExists(base + "/PROJECTS/beta"));
    EXPECT_FALSE(DirectoryExists(base + "/PROJECTS/file.lng"));
    EXPECT_TRUE(FileExists(base + "/PROJECTS/file.lng"));
    EXPECT_FALSE(FileExists(base + "/PROJECTS/beta"));
    EXPECT_FALSE(FileExists(base + "/PROJECTS/none"));

    EXPECT_EQ(ListFolders(base + "/PROJECTS"), QStringList({"Alpha", "beta", "folder.lng"}));
    EXPECT_EQ(ListFiles(base + "/PROJECTS", "*.lng"), QStringList({"Deutsch.LNG", "file.lng"}));
    EXPECT_TRUE(ListFolders(base + "/none").isEmpty());
}

TEST(FileUtils, AtomicWriteReplacesWholeOrNothing)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("bank1.bin");
    const QByteArray bytes("\x00\x01\xff", 3);
    ASSERT_TRUE(WriteFileAtomic(file, bytes));
    EXPECT_EQ(readAll(file), bytes);
    ASSERT_TRUE(WriteTextFileAtomic(file, "\u00e9\n"));
    EXPECT_EQ(readAll(file), "\xc3\xa9\n");
    EXPECT_FALSE(WriteFileAtomic(dir.filePath("bin/bank2.bin"), bytes));
    EXPECT_FALSE(WriteFileAtomic(dir.path(), bytes));  // a folder is never replaced
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"bank1.bin"}));
}

}  // namespace
