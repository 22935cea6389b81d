#include "platform/FileUtils.h"
#include "platform/IniFile.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(IniFile, ReadsNamesCaseBlindAndIntegersWithDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.ini");
    ASSERT_TRUE(WriteFileAtomic(path,
                                "; note\r\n[Print]\r\n  FontName = Arial Black \r\nColumnSpacing=12\r\n"
                                "Hex1=$1F\nHex2=0x10\nNeg=-7\nAllBits=$FFFFFFFF\nBad=12a\nBig=2147483648\n"
                                "noequals\n\n[print]\nFontName=second\n[Other]\nCol0=64\n"));
    auto ini = TMemIniFile::Open(path);
    ASSERT_TRUE(ini);
    EXPECT_EQ(ini->ReadString("PRINT", "fontname", "x"), "Arial Black");
    EXPECT_EQ(ini->ReadString("Print", "Missing", "dflt"), "dflt");
    EXPECT_EQ(ini->ReadString("None", "FontName", "dflt"), "dflt");
    EXPECT_TRUE(ini->ValueExists("other", "COL0"));
    EXPECT_FALSE(ini->ValueExists("Other", "Col1"));

    const std::pair<const char*, int> integers[] = {
        {"ColumnSpacing", 12}, {"Hex1", 31}, {"Hex2", 16},     {"Neg", -7},     {"AllBits", -1},
        {"Bad", 99},           {"Big", 99},  {"FontName", 99}, {"Missing", 99},
    };
    for (const auto& [name, expected] : integers)
        EXPECT_EQ(ini->ReadInteger("Print", name, 99), expected) << name;
}

TEST(IniFile, WritesBackWholeFileInOrder)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.ini");
    auto ini = TMemIniFile::Open(path);
    ASSERT_TRUE(ini);  // a missing file is an empty one
    ini->WriteInteger("Cols", "Col0", 64);
    ini->WriteString("Print", "Centered", "Y");
    ini->WriteInteger("cols", "COL0", 80);  // replaces, keeps the stored spelling
    ini->WriteInteger("Cols", "Col1", -5);
    ASSERT_TRUE(ini->UpdateFile());
    EXPECT_EQ(readAll(path), "[Cols]\nCol0=80\nCol1=-5\n\n[Print]\nCentered=Y\n");

    auto back = TMemIniFile::Open(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->ReadInteger("Cols", "Col1", 0), -5);

    auto empty = TMemIniFile::Open(dir.filePath("empty.ini"));
    ASSERT_TRUE(empty->UpdateFile());
    EXPECT_TRUE(QFile::exists(dir.filePath("empty.ini")));
    EXPECT_FALSE(TMemIniFile::Open(dir.filePath("no/folder.ini"))->UpdateFile());
}

TEST(IniFile, DecodesByteOrderMarkOrFallsBackToLatin1)
{
    QTemporaryDir dir;
    const std::pair<QByteArray, const char*> files[] = {
        {"[S]\nK=\xc3\xa9", "utf-8"},
        {"\xef\xbb\xbf[S]\nK=\xc3\xa9", "utf-8 bom"},
        {QByteArray("\xff\xfe[\0S\0]\0\n\0K\0=\0\xe9\0", 16), "utf-16 bom"},
        {"[S]\nK=\xe9", "latin-1"},
    };
    for (const auto& [bytes, label] : files) {
        const QString path = dir.filePath("f.ini");
        ASSERT_TRUE(WriteFileAtomic(path, bytes));
        EXPECT_EQ(TMemIniFile::Open(path)->ReadString("S", "K", ""), "\u00e9") << label;
    }
}

}  // namespace
