// The Modbus master editors, serial and TCP: the row rules, the file they write and read back, and
// files they can't read whole.
#include "grid/VoCGrid/VoCGrid.h"
#include "protocols/fieldbus/UModbus_TCP_Master_Set_Access.h"
#include "protocols/fieldbus/USetAccess.h"
#include "shell/TableEditorFixture.h"

namespace {

// Cells from column 1 on of one row of a page.
struct TRow_Case {
    int Page;
    QStringList Cells;
    QString Error;  // the box shown by OK; empty when the check passes
};

template <class Editor>
void Set_Row(Editor& f, int page, int row, const QStringList& cells)
{
    for (int c = 0; c < cells.size(); ++c)
        f.Table(page).Grid->SetCells(c + 1, row, cells[c]);
}

template <class Editor>
QStringList Row_Of(Editor& f, int page, int row)
{
    VOroDavoduRuzu& grid = *f.Table(page).Grid;
    QStringList cells;
    for (int c = 1; c < grid.ColCount() + grid.NumHiddenColumns(); ++c)
        cells << grid.Cells(c, row);
    return cells;
}

using RtuEditor = TableEditorTest<TFSetAccess>;
using TcpEditor = TableEditorTest<TFModbus_TCP_Master_Set_Access>;

const QString Read_Prefix = QStringLiteral("Error row 1!! [Modbus Read] ");
const QString Write_Prefix = QStringLiteral("Error row 1!! [Modbus Write] ");

template <class Fixture>
void Expect_Checks(Fixture& test, const std::vector<TRow_Case>& cases)
{
    for (const TRow_Case& c : cases) {
        SCOPED_TRACE(c.Cells.join(u'|').toStdString());
        test.Show([&](auto& f) {
            Set_Row(f, c.Page, 1, c.Cells);
            const QStringList boxes = test.Press_OK(f);
            EXPECT_EQ(boxes.value(0), c.Error);
            EXPECT_EQ(f.ModalResult(), c.Error.isEmpty() ? mrOk : mrNone);
        });
    }
}

}  // namespace

TEST_F(RtuEditor, ChecksEachRowByTheRulesOfItsPage)
{
    const QString r = Read_Prefix, w = Write_Prefix;
    Expect_Checks(
        *this,
        {
            {0, {"Y", "1", "Input Register", "0", "125", "1000", "3", "1250", ""}, ""},
            {0,
             {"Y", "1", "Input Register", "0", "125", "1000", "3", "1251", ""},
             r + "Too many bytes to save starting from the Position indicate"},
            {0, {"Y", "1", "Input Status", "0", "2000", "1", "0", "1249", "0"}, ""},
            {0,
             {"Y", "1", "Input Status", "0", "2001", "1", "0", "1249", "0"},
             r + "NPoint must be between 1 and 2000"},
            {0, {"Y", "1", "Coil Status", "0", "8", "1", "0", "0", ""}, r + "Bit must be between 0 and 7"},
            // A huge start bit ends beyond the image, without overflowing.
            {0,
             {"Y", "1", "Coil Status", "0", "8", "1", "0", "0", "2147483647"},
             r + "Too many bytes to save starting from the Position indicate"},
            {0, {"Y", "248", "Coil Status", "0", "8", "1", "0", "0", "0"}, r + "Slave ID must be between 1 and 247"},
            {0,
             {"Y", "1", " ", "0", "8", "1", "0", "0", "0"},
             r + "Type must be Coil Status or Input Status or Holding Register or Input Register"},
            {0,
             {"Y", "1", "Holding Register", "65536", "8", "1", "0", "0", ""},
             r + "Address must be between 0 and 65535"},
            {0,
             {"Y", "1", "Holding Register", "0", "8", "0", "0", "0", ""},
             r + "Poll Time must be between 1 and 100000000"},
            {0,
             {"Y", "1", "Holding Register", "0", "8", "1", "x", "0", ""},
             r + "Max Error must be between 0 and 100000000"},
            {1,
             {"Y", "1", "Coil Status", "0", "1969", "0", "N", "N", "0", "0", "0"},
             w + "NPoint must be between 1 and 1968"},
            {1,
             {"Y", "1", "Holding Register", "0", "1", "0", "N", "N", "0", "1500", ""},
             w + "Position must be between 0 and 1499"},
            {1,
             {"Y", "1", "Holding Register", "0", "124", "0", "N", "N", "0", "0", ""},
             w + "NPoint must be between 1 and 123"},
            {1,
             {"Y", "1", "Holding Register", "0", "1", "0", "N", "N", "0", "1499", ""},
             w + "Too many bytes to read starting from the Position indicate"},
            {1, {"N", "1", "Holding Register", "0", "999", "-5", "N", "N", "0", "1500", ""}, ""},
            {1, {"Y", "1", "Coil Status", "0", "8", "0", "N", "N", "0", "0", " "}, w + "Bit must be between 0 and 7"},
        });
}

TEST_F(RtuEditor, ReportsTheGridRowOfTheFirstFailingRow)
{
    Show([this](TFSetAccess& f) {
        Set_Row(f, 0, 1, {"N", "999"});
        Set_Row(f, 0, 2, {"Y", "0", "Coil Status"});
        EXPECT_EQ(Press_OK(f), QStringList{"Error row 2!! [Modbus Read] Slave ID must be between 1 and 247"});
    });
}

TEST_F(RtuEditor, WritesTheRowsInUseAndReadsThemBack)
{
    const QStringList read = {"N", "5", "Holding Register", "10", "2", "1000", "3", "4", "", "Y", "N", "", " m "};
    const QStringList write = {"Y", "7", "Coil Status", "1", "9", "0", "Y", "N", "0", "12", "3", "N", "Y", "out"};
    EXPECT_EQ(Show([&](TFSetAccess& f) {
                  Set_Row(f, 0, 1, read);
                  // Below the first empty key: neither checked nor saved.
                  Set_Row(f, 0, 3, {"Y", "bad"});
                  Set_Row(f, 1, 1, write);
                  Press_OK(f);
              }),
              mrOk);
    EXPECT_EQ(Read(File_ModbusM_SetAccess),
              "<EtherNetIP_to_Modbus><Modbus_Read><row Enable=\"N\" Slave_ID=\"5\" Type=\"Holding Register\" "
              "Address=\"10\" NPoint=\"2\" PollTime=\"1000\" MaxError=\"3\" Position=\"4\" Bit=\"\" Swap=\"Y\" "
              "SwapWord=\"N\" Index_Topic=\"\" Mnemonic=\" m \"/></Modbus_Read><Modbus_Write><row Enable=\"Y\" "
              "Slave_ID=\"7\" Type=\"Coil Status\" Address=\"1\" NPoint=\"9\" PollTime=\"0\" OnChange=\"Y\" "
              "OnCMD=\"N\" MaxError=\"0\" Position=\"12\" Bit=\"3\" Swap=\"N\" SwapWord=\"Y\" Mnemonic=\"out\"/>"
              "</Modbus_Write></EtherNetIP_to_Modbus><!--SW_VERSION = 1.000-->");
    Show([&](TFSetAccess& f) {
        EXPECT_EQ(Row_Of(f, 0, 1), read);
        EXPECT_EQ(Row_Of(f, 0, 3)[1], QString());
        EXPECT_EQ(Row_Of(f, 1, 1), write);
        EXPECT_TRUE(f.ACG_Modbus_Read->IsHiddenColumn(12));
        // Edits dropped by Cancel leave the file as it was.
        Set_Row(f, 1, 1, {"Y", "8"});
    });
    Show([&](TFSetAccess& f) { EXPECT_EQ(Row_Of(f, 1, 1), write); });
}

TEST_F(RtuEditor, GivesMissingAttributesTheirDefaultsAndStopsAtOneWithout)
{
    Write(File_ModbusM_SetAccess,
          "<X><Modbus_Read><row Slave_ID=\"1\" Type=\"T\" Address=\"0\" NPoint=\"1\" PollTime=\"1\" MaxError=\"0\" "
          "Position=\"0\" Bit=\"0\" Index_Topic=\"x\" Mnemonic=\"a\"/></Modbus_Read>"
          "<Modbus_Write><row Enable=\"N\" Slave_ID=\"2\"/><row Slave_ID=\"3\"/></Modbus_Write></X>");
    Boxes.Answers = {mrNone, mrNo};
    Show([this](TFSetAccess& f) {
        EXPECT_EQ(Row_Of(f, 0, 1), (QStringList{"Y", "1", "T", "0", "1", "1", "0", "0", "0", "N", "N", "", "a"}));
        EXPECT_EQ(f.ComboItem_Topic[0], -1);
        ASSERT_EQ(Boxes.Shown.size(), 1u);
        EXPECT_TRUE(Boxes.Shown[0].Text.contains(QStringLiteral("Type")));
        EXPECT_EQ(Row_Of(f, 1, 1).mid(0, 3), (QStringList{"N", "2", ""}));
        EXPECT_EQ(Row_Of(f, 1, 2)[1], QString());
        // OK asks before the rows not read are lost; No keeps the file.
        Press_OK(f);
        EXPECT_EQ(f.ModalResult(), mrNone);
    });
    EXPECT_TRUE(Read(File_ModbusM_SetAccess).startsWith("<X>"));
}

TEST_F(RtuEditor, ReadsAFileWithoutATableOrWithMoreRowsThanTheGrid)
{
    QByteArray rows;
    for (int i = 0; i < 514; ++i)
        rows += "<row Enable=\"Y\" Slave_ID=\"" + QByteArray::number(i + 1) +
                "\" Type=\"Coil Status\" Address=\"0\" NPoint=\"1\" PollTime=\"0\" OnChange=\"N\" MaxError=\"0\" "
                "Position=\"0\" Bit=\"0\" Mnemonic=\"\"/>";
    Write(File_ModbusM_SetAccess, "<R><Modbus_Write>" + rows + "</Modbus_Write></R>");
    Show([this](TFSetAccess& f) {
        EXPECT_EQ(f.Table(0).Grid->Cells(2, 1), QString());
        EXPECT_EQ(f.Table(1).Grid->Cells(2, 512), QStringLiteral("512"));
        EXPECT_EQ(Boxes.Shown.size(), 1u);
    });
}

TEST_F(RtuEditor, RowButtonsAskAndRefuseAsTheTablesRequire)
{
    Boxes.Answers = {mrYes};
    Show([this](TFSetAccess& f) {
        Set_Row(f, 0, 1, {"Y", "1"});
        Set_Row(f, 0, 2, {"N", "2"});
        f.ACG_Modbus_Read->SetRow(1);
        f.Btn_DelRowClick(nullptr);
        EXPECT_EQ(Boxes.Shown.back().Text, QStringLiteral("Are you sure to delete the Row number 1"));
        EXPECT_EQ(Row_Of(f, 0, 1).mid(0, 2), (QStringList{"N", "2"}));
        f.Btn_CopyRowClick(nullptr);
        f.PageControl1->SetActivePageIndex(1);
        f.Btn_PasteRowClick(nullptr);
        EXPECT_EQ(Boxes.Shown.back().Text, QStringLiteral("Error!!! Copy a valid row before Paste it"));
    });
}

TEST_F(RtuEditor, HintsFollowTheRealColumnPastTheHiddenTopic)
{
    Show([](TFSetAccess& f) {
        TStringList& hints = f.Table(0).Hints;
        ASSERT_EQ(hints.Count(), 13);
        hints.Clear();
        for (int i = 0; i < 13; ++i)
            hints.Add(QString::number(i + 1));
        QString hint;
        // Shown column 12 is the Mnemonic, real column 13.
        f.GridHint(*f.ACG_Modbus_Read, 0, 12, hint);
        EXPECT_EQ(hint, QStringLiteral("13"));
    });
}

TEST_F(RtuEditor, AFailedSaveLeavesTheOldFileAndTheEditorOpen)
{
    Write(File_ModbusM_SetAccess, "<EtherNetIP_to_Modbus/>");
    const QString saved = File_ModbusM_SetAccess;
    Show([&](TFSetAccess& f) {
        File_ModbusM_SetAccess = dir_.path() + QStringLiteral("/gone/ModbusM_SetAccess.xml");
        Set_Row(f, 0, 1, {"Y", "1", "Holding Register", "0", "1", "1", "0", "0", ""});
        EXPECT_EQ(Press_OK(f).size(), 1);
        EXPECT_EQ(f.ModalResult(), mrNone);
    });
    File_ModbusM_SetAccess = saved;
    EXPECT_EQ(Read(saved), "<EtherNetIP_to_Modbus/>");
}

TEST_F(TcpEditor, ChecksTheSlaveAddressAndPortFirst)
{
    const QString r = Read_Prefix, w = Write_Prefix;
    const QStringList good = {"Y", "192.168.1.1", "502", "1", "Holding Register", "0", "1", "1", "0", "0", ""};
    const auto with = [&good](int column, const QString& text) {
        QStringList cells = good;
        cells[column - 1] = text;
        return cells;
    };
    const QString address = QStringLiteral("Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)");
    Expect_Checks(*this,
                  {
                      {0, good, ""},
                      {0, with(2, " 192.168.1.1"), ""},
                      {0, with(2, "192.168.1.1 "), r + address},
                      {0, with(2, "192.168.1"), r + address},
                      {0, with(2, "192.168.1.1.5"), r + address},
                      {0, with(2, "192.168.1.256"), r + address},
                      {0, with(3, "65536"), r + "Port must be between 0 and 65535"},
                      {0, with(8, "0"), r + "Poll Time must be between 1 and 100000000"},
                      {0, with(4, "0"), r + "Slave ID must be between 1 and 247"},
                      {1,
                       {"Y", "10.0.0.1", "502", "1", "Holding Register", "0", "124", "0"},
                       w + "NPoint must be between 1 and 123"},
                      {1, {"Y", "10.0.0.1", "502", "1", "Coil Status", "0", "1968", "0", "N", "N", "0", "0", "0"}, ""},
                      {1, {"N", "10.0.0.1", "70000"}, ""},
                      {1, {"Y", "10.0.0.1", "70000"}, w + "Port must be between 0 and 65535"},
                  });
}

TEST_F(TcpEditor, SavesTheTopicIndexAndLaysOutItsTexts)
{
    EXPECT_EQ(form_->Caption(), QStringLiteral("Set Modbus TCP Master Access"));
    EXPECT_EQ(form_->Btn_CopyRow->Caption(), QStringLiteral("Copy Row"));
    EXPECT_EQ(form_->ACG_Modbus_Read->Cells(13, 0), QStringLiteral("Swap Word"));
    Show([this](TFModbus_TCP_Master_Set_Access& f) {
        EXPECT_EQ(f.Table(0).Hints.Count(), 14);
        Set_Row(f, 0, 1, {"Y", "1.2.3.4", "502", "1", "Coil Status", "0", "8", "1", "0", "0", "0", "N", "N"});
        f.ACG_Modbus_Read->SetCells(14, 1, QStringLiteral("stale"));
        Press_OK(f);
    });
    EXPECT_TRUE(Read(File_ModbusTCPM_SetAccess)
                    .startsWith("<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read><row Enable=\"Y\" "
                                "IP_Address=\"1.2.3.4\" Port=\"502\""));
    EXPECT_TRUE(Read(File_ModbusTCPM_SetAccess).contains("Index_Topic=\"-1\" Mnemonic=\"\""));
    Show([](TFModbus_TCP_Master_Set_Access& f) { EXPECT_EQ(f.ACG_Modbus_Read->Cells(14, 1), QString()); });
}
