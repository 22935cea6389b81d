#pragma once
// Runs a test against a fresh program folder with the shared state initialised.
#include <gtest/gtest.h>
#include <QTemporaryDir>
#include "platform/ProgramFolder.h"
#include "shell/UComon.h"

class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SetProgramFolderOverride(dir.path());
        Init_Common();
    }
    void TearDown() override { SetProgramFolderOverride(QString()); }

    QTemporaryDir dir;
};
