#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

TEST(ProgramFolder, WritableExecutableFolderIsUsed)
{
    QTemporaryDir exe, data;
    EXPECT_EQ(ChooseProgramFolder(exe.path(), data.path() + "/lattisor"), exe.path() + "/");
}

TEST(ProgramFolder, ReadOnlyExecutableFolderFallsBackToUserData)
{
    QTemporaryDir exe, data;
    QFile::setPermissions(exe.path(), QFile::ReadOwner | QFile::ExeOwner);
    const QString user = data.path() + "/lattisor";
    // root may write anywhere; the fall-back is only observable as a normal user
    const bool writable = QFileInfo(exe.path()).isWritable();
    const QString chosen = ChooseProgramFolder(exe.path(), user);
    EXPECT_EQ(chosen, writable ? exe.path() + "/" : user + "/");
    QFile::setPermissions(exe.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(ProgramFolder, MissingExecutableFolderFallsBackAndCreatesUserData)
{
    QTemporaryDir data;
    const QString user = data.path() + "/x/lattisor";
    EXPECT_EQ(ChooseProgramFolder("/nonexistent/folder", user), user + "/");
    EXPECT_TRUE(QDir(user).exists());
}

TEST(ProgramFolder, OverrideWins)
{
    SetProgramFolderOverride("/tmp/abc");
    EXPECT_EQ(ProgramFolder(), "/tmp/abc/");
    SetProgramFolderOverride({});
}
