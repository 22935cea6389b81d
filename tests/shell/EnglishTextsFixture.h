#pragma once
// A fresh program folder with the built-in English texts loaded.
#include "ProgramFolderFixture.h"
#include "shell/ULanguage.h"

class EnglishTextsTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        Language_Name = QStringLiteral("English");
        Load_Default_Language();
    }
};
