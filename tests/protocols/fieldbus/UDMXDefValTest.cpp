// The DMX default values: the channel count of the general parameters, the value rule, and the file.
#include "protocols/fieldbus/UDMXDefVal.h"

#include "grid/VoCGrid/VoCGrid.h"
#include "shell/TableEditorFixture.h"

namespace {

using DmxEditor = TableEditorTest<TFDMXDefVal>;

void Write_Channels(const QString& count)
{
    QFile file(File_ParGen);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<Par_Gen><DMX_Num_Channels>" + count.toUtf8() + "</DMX_Num_Channels></Par_Gen>");
}

}  // namespace

TEST_F(DmxEditor, TakesTheChannelCountOfTheGeneralParametersWithinItsRange)
{
    const std::pair<QString, int> cases[] = {{"24", 24},  {"100", 100}, {"512", 512},         {"23", 512}, {"0", 512},
                                             {"-5", 512}, {"513", 512}, {"99999999999", 512}, {"abc", 512}};
    for (const auto& [text, channels] : cases) {
        Write_Channels(text);
        Show([&](TFDMXDefVal& f) { EXPECT_EQ(f.ACG_DMX_Def_Val->RowCount(), channels + 1) << text.toStdString(); });
    }
    QFile::remove(File_ParGen);
    EXPECT_EQ(TFDMXDefVal::Channel_Count(), 512);
}

TEST_F(DmxEditor, SavesEveryChannelAndLoadsAsManyAsTheCountHolds)
{
    Show([this](TFDMXDefVal& f) {
        EXPECT_EQ(f.ACG_DMX_Def_Val->Cells(1, 512), QStringLiteral("0"));
        f.ACG_DMX_Def_Val->SetCells(1, 30, QStringLiteral("200"));
        f.ACG_DMX_Def_Val->SetCells(2, 2, QStringLiteral("dim"));
        Press_OK(f);
    });
    const QByteArray full = Read(File_DMX_Default_Values);
    EXPECT_EQ(full.count("<Row "), 512);
    EXPECT_TRUE(
        full.startsWith("<DMX_Default_Values><Row Default_Value=\"0\" Mnemonic=\"\"/><Row "
                        "Default_Value=\"0\" Mnemonic=\"dim\"/>"));
    EXPECT_TRUE(full.endsWith("</DMX_Default_Values><!--SW_VERSION = 1.000-->"));
    Write_Channels(QStringLiteral("24"));
    Show([this](TFDMXDefVal& f) {
        EXPECT_EQ(f.ACG_DMX_Def_Val->Cells(2, 2), QStringLiteral("dim"));
        EXPECT_EQ(f.ACG_DMX_Def_Val->Cells(0, 24), QStringLiteral("24"));
        EXPECT_TRUE(Boxes.Shown.empty());
        Press_OK(f);
    });
    EXPECT_EQ(Read(File_DMX_Default_Values).count("<Row "), 24);
}

TEST_F(DmxEditor, GivesMissingAttributesTheirDefaults)
{
    Write(File_DMX_Default_Values, "<D><Row Mnemonic=\"a\"/><other Default_Value=\"7\"/></D>");
    Show([this](TFDMXDefVal& f) {
        EXPECT_EQ(f.ACG_DMX_Def_Val->Cells(1, 1), QStringLiteral("0"));
        EXPECT_EQ(f.ACG_DMX_Def_Val->Cells(2, 1), QStringLiteral("a"));
        EXPECT_EQ(f.ACG_DMX_Def_Val->Cells(1, 2), QStringLiteral("7"));
        EXPECT_EQ(f.ACG_DMX_Def_Val->Cells(2, 2), QString());
        EXPECT_TRUE(Boxes.Shown.empty());
    });
}

TEST_F(DmxEditor, ReportsTheFirstChannelOutsideZeroTo255)
{
    const std::pair<QString, bool> cases[] = {{"255", true}, {"$FF", true}, {"0x10", true}, {"256", false},
                                              {"-1", false}, {"", false},   {"1 ", false}};
    for (const auto& [text, passes] : cases)
        Show([&](TFDMXDefVal& f) {
            f.ACG_DMX_Def_Val->SetCells(1, 5, text);
            f.ACG_DMX_Def_Val->SetCells(1, 9, QStringLiteral("300"));
            EXPECT_EQ(Press_OK(f).value(0),
                      QStringLiteral("Error row %1!! Default Value must be between 0 and 255").arg(passes ? 9 : 5))
                << text.toStdString();
        });
}
