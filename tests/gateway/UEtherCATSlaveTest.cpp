// The EtherCAT slave variables editor: layout and texts, positions and start bits, the type's length
// rule, load, check and save, the row buttons, and files it can't read whole.
#include "gateway/UEtherCATSlave.h"

#include "ProjectFixture.h"
#include "gateway/ProjectModel.h"
#include "grid/VoGrid/Editors/GridEditors.h"
#include "grid/VoGrid/Editors/VoInplaceEdit.h"
#include "grid/VoGrid/VoGrid.h"
#include "shell/ULanguage.h"
#include "support/TestSeams.h"

#include <QLocale>
#include <memory>

namespace {

class EtherCATSlaveForm : public ProjectFixture {
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        Load_Default_Language();
        form_ = std::make_unique<TFEtherCATSlave>(nullptr);
        form_->DoCreate();
    }
    TModalResult Run(const std::function<void(TFEtherCATSlave&)>& act)
    {
        const ModalRunGuard guard([&](TCustomForm&) {
            act(*form_);
            return form_->ModalResult();
        });
        return form_->ShowModal();
    }
    VOroDavoduRuzu& StM() { return *form_->VSG_SlaveMaster; }
    VOroDavoduRuzu& MtS() { return *form_->VSG_MasterSlave; }
    // Enable as "Y" / "N", then the texts of columns 2 on.
    static QStringList Row(VOroDavoduRuzu& grid, int r)
    {
        QStringList texts{grid.IsChecked(1, r) ? QStringLiteral("Y") : QStringLiteral("N")};
        for (int c = 2; c < grid.ColCount(); ++c)
            texts << grid.Cells(c, r);
        return texts;
    }
    // Type and Length, and whether the row is enabled.
    static void Set(VOroDavoduRuzu& grid, int r, const QString& type, const QString& length = QString(),
                    bool enabled = true)
    {
        grid.SetCheckBoxState(1, r, enabled);
        grid.SetCells(2, r, type);
        grid.SetCells(3, r, length);
    }
    // Position and Start Bit of a row.
    static QString At(VOroDavoduRuzu& grid, int r, bool slaveMaster = true)
    {
        const int c = slaveMaster ? 6 : 5;
        return grid.Cells(c, r) + u'.' + grid.Cells(c + 1, r);
    }
    std::unique_ptr<TFEtherCATSlave> form_;
};

}  // namespace

TEST_F(EtherCATSlaveForm, LaysOutBothGridsAndTheirTexts)
{
    TFEtherCATSlave& f = *form_;
    EXPECT_EQ(f.ClientWidth(), 1200);
    EXPECT_EQ(f.ClientHeight(), 337);
    EXPECT_EQ(f.Caption(), QStringLiteral("EtherCAT Slave Set Access"));
    EXPECT_EQ(f.PageControl1->ActivePage(), f.TS_SlaveToMaster);
    EXPECT_EQ(f.TS_MasterToSlave->Caption(), QStringLiteral("Master To Slave"));
    EXPECT_EQ(StM().RowCount(), 257);
    EXPECT_EQ(Row(StM(), 0).mid(1),
              (QStringList{"Type", "Length", "Name", "Init Value", "Position", "Start Bit", "Mnemonic"}));
    EXPECT_EQ(Row(MtS(), 0).mid(1), (QStringList{"Type", "Length", "Name", "Position", "Start Bit", "Mnemonic"}));
    EXPECT_EQ(StM().Cells(1, 0), QStringLiteral("Enable"));
    EXPECT_TRUE(StM().ReadOnly(6, 256));
    EXPECT_FALSE(StM().ReadOnly(5, 256));
    EXPECT_TRUE(MtS().ReadOnly(5, 1));
    EXPECT_EQ(StM().Colors(5, 1), RGB(168, 255, 168));
    EXPECT_EQ(f.VarType.Count(), 9);
    QString hint;
    f.GridHint(MtS(), 0, 5, hint);
    EXPECT_EQ(hint, QStringLiteral("Internal array Position of EtherCAT Slave Variable (read only)"));
    f.GridHint(StM(), 0, 5, hint);
    EXPECT_EQ(hint, QStringLiteral("Insert the Default Value of EtherCAT Slave Variable"));

    // After a language change each grid takes its own texts.
    Lang_Text.SetString(1041, QStringLiteral("Posizione"));
    Lang_Text.SetString(1021, QStringLiteral("Position!"));
    f.Set_Lang();
    EXPECT_EQ(MtS().Cells(5, 0), QStringLiteral("Posizione"));
    EXPECT_EQ(StM().Cells(6, 0), QStringLiteral("Position!"));
    Load_Default_Language();
}

TEST_F(EtherCATSlaveForm, PositionsPackBoolsAndFollowSizes)
{
    struct Case {
        const char* name;
        std::vector<std::pair<QString, QString>> rows;  // type, length; a "-" type is a disabled Bool
        std::vector<const char*> at;
    };
    const std::vector<Case> cases = {
        {"ten Bools then an Int16",
         {{"Bool", ""},
          {"Bool", ""},
          {"Bool", ""},
          {"Bool", ""},
          {"Bool", ""},
          {"Bool", ""},
          {"Bool", ""},
          {"Bool", ""},
          {"Bool", ""},
          {"Bool", ""},
          {"Int16", ""},
          {"UInt8", ""}},
         {"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "1.0", "1.1", "2.0", "4.0"}},
        {"eight Bools then a UInt8",
         {{"Bool", ""},
          {"Bool", ""},
          {"Bool", ""},
          {"Bool", ""},
          {"Bool", ""},
          {"Bool", ""},
          {"Bool", ""},
          {"Bool", ""},
          {"UInt8", ""}},
         {"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "1.0"}},
        {"a disabled row inside a run",
         {{"Int32", ""}, {"Bool", ""}, {"-", ""}, {"Bool", ""}},
         {"0.0", "4.0", "0.0", "4.1"}},
        {"a String's length", {{"String", "20"}, {"Float32", ""}, {"Int8", ""}}, {"0.0", "20.0", "24.0"}},
        {"a length that is no number", {{"UInt16", ""}, {"String", "abc"}, {"Float32", ""}}, {"0.0", "2.0", "2.0"}},
        {"a negative length", {{"String", "-5"}, {"UInt32", ""}}, {"0.0", "0.0"}},
        {"lengths that would overflow",
         {{"String", "2147483647"}, {"String", "2147483647"}, {"Bool", ""}},
         {"0.0", "2147483647.0", "4294967294.0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form_->FormShow(nullptr);
        for (size_t i = 0; i < c.rows.size(); ++i) {
            const bool disabled = c.rows[i].first == u"-";
            Set(MtS(), int(i) + 1, disabled ? QStringLiteral("Bool") : c.rows[i].first, c.rows[i].second, !disabled);
        }
        MtS().SetCells(5, 200, QStringLiteral("untouched"));
        form_->Calc_Position_Bit(MtS(), false);
        for (size_t i = 0; i < c.at.size(); ++i)
            EXPECT_EQ(At(MtS(), int(i) + 1, false), QString::fromLatin1(c.at[i])) << "row " << i + 1;
        // Rows below the first empty Type are not touched.
        EXPECT_EQ(MtS().Cells(5, 200), QStringLiteral("untouched"));
    }
}

TEST_F(EtherCATSlaveForm, ChosenTypesSetTheLengthAndThePositions)
{
    Run([this](TFEtherCATSlave& f) {
        VOroDavoduRuzu& grid = StM();
        grid.SetFocus();
        // Picks an item of the Type list: F2 opens it, then a click in the dropped list, or arrows and Enter.
        const auto pick = [&grid](int r, int index, bool click) {
            grid.SetCol(2);
            grid.SetRow(r);
            SendKey(grid, VK_F2);
            TGridCombo& combo = *grid.Combobox();
            ASSERT_TRUE(combo.Visible());
            if (click) {
                combo.SetDroppedDown(true);
                SendComboListClick(combo, index);
            } else {
                while (combo.ItemIndex() < index)
                    SendKey(combo, VK_DOWN);
                while (combo.ItemIndex() > index)
                    SendKey(combo, VK_UP);
            }
            if (grid.IsEditing())
                SendKey(combo, VK_RETURN);
        };
        pick(1, 2, false);  // Int16
        EXPECT_EQ(Row(grid, 1).mid(0, 3), (QStringList{"Y", "Int16", "2"}));
        EXPECT_TRUE(grid.ReadOnly(3, 1));
        pick(1, 8, true);  // String
        EXPECT_EQ(Row(grid, 1).mid(0, 3), (QStringList{"Y", "String", "10"}));
        EXPECT_FALSE(grid.ReadOnly(3, 1));
        pick(2, 0, true);  // Bool
        EXPECT_EQ(At(grid, 2), QStringLiteral("10.0"));
        // Ending an edit of the Length recomputes with the new text.
        grid.SetCol(3);
        grid.SetRow(1);
        SendKey(grid, VK_F2);
        TypeText(*grid.InplaceEdit(), QStringLiteral("20"));
        SendKey(*grid.InplaceEdit(), VK_RETURN);
        EXPECT_EQ(grid.Cells(3, 1), QStringLiteral("20"));
        EXPECT_EQ(At(grid, 2), QStringLiteral("20.0"));
        // Unchecking the String moves the Bool to its place.
        grid.ToggleCheckBoxCell(1, 1, true);
        EXPECT_EQ(At(grid, 1), QStringLiteral("0.0"));
        EXPECT_EQ(At(grid, 2), QStringLiteral("0.0"));
        EXPECT_EQ(f.ModalResult(), mrNone);
        f.Btn_Cancel->Click();
    });
}

TEST_F(EtherCATSlaveForm, NewProjectSavesTheEmptyTables)
{
    const TModalResult result = Run([this](TFEtherCATSlave& f) {
        for (int r : {1, 256}) {
            EXPECT_EQ(Row(StM(), r), (QStringList{"Y", "", "", "", "", "", "", ""})) << r;
            EXPECT_EQ(MtS().Cells(0, r), QString::number(r));
        }
        f.Btn_OK->Click();
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Read(File_EtherCAT_Slave).replace(" />", "/>"),
              QByteArray("<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/>"
                         "<EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables></EtherCAT_Slave>"
                         "<!--SW_VERSION = 1.000-->"));
}

TEST_F(EtherCATSlaveForm, LoadsWithDefaultsRecomputesAndSavesAsTheGridHoldsIt)
{
    Write(
        File_EtherCAT_Slave,
        QStringLiteral("<Any><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
                       "<row Enable=\"y\" Type=\"Int16\" Length=\"7\" Name=\" speed \" InitValue=\"5\" Position=\"99\" "
                       "BitStart=\"3\" Mnemonic=\"m\"/>"
                       "<row Type=\"String\"/>"
                       "<row Enable=\"N\" Type=\"Bool\" Name=\"off\"/>"
                       "<x Type=\"Bool\" Access=\"RO\"/>"
                       "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>"
                       "<row Enable=\"Y\" Type=\"UInt8\" Length=\"1\" Name=\"a\" InitValue=\"9\"/>"
                       "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></Any>"));
    MessageBoxRecorder boxes;
    const TModalResult result = Run([this](TFEtherCATSlave& f) {
        // Any Enable but exactly "N" checks; the file's Length replaces the type's; positions are recomputed.
        EXPECT_EQ(Row(StM(), 1), (QStringList{"Y", "Int16", "7", " speed ", "5", "0", "0", "m"}));
        // A String without Length keeps it empty: no space is taken.
        EXPECT_EQ(Row(StM(), 2), (QStringList{"Y", "String", "", "", "", "2", "0", ""}));
        EXPECT_EQ(Row(StM(), 3), (QStringList{"N", "Bool", "", "off", "", "0", "0", ""}));
        EXPECT_EQ(Row(StM(), 4), (QStringList{"Y", "Bool", "", "", "", "2", "0", ""}));
        EXPECT_EQ(Row(MtS(), 1), (QStringList{"Y", "UInt8", "1", "a", "0", "0", ""}));
        StM().SetCells(3, 2, QStringLiteral("12"));
        // Below the first empty Type nothing is saved.
        Set(StM(), 6, QStringLiteral("Int8"));
        f.Btn_OK->Click();
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(boxes.Shown.empty());
    const std::optional<TEtherCAT_Slave_File> file = Read_EtherCAT_Slave_File(File_EtherCAT_Slave);
    ASSERT_TRUE(file && file->Variables && file->Variables->Slave_To_Master && file->Variables->Master_To_Slave);
    const TEtherCAT_Slave_Table& stm = *file->Variables->Slave_To_Master;
    ASSERT_EQ(stm.size(), 4u);
    EXPECT_EQ(stm[0], (TEtherCAT_Slave_Row{"Y", "Int16", "7", " speed ", "5", "0", "0", "m"}));
    EXPECT_EQ(stm[2], (TEtherCAT_Slave_Row{"N", "Bool", "", "off", "", "0", "0", ""}));
    // Position and BitStart as last computed, Length as typed.
    EXPECT_EQ(stm[1].Length, QStringLiteral("12"));
    EXPECT_EQ(stm[3].Position, QStringLiteral("2"));
    ASSERT_EQ(file->Variables->Master_To_Slave->size(), 1u);
    // The master-to-slave rows carry no InitValue.
    EXPECT_EQ(file->Variables->Master_To_Slave->front(),
              (TEtherCAT_Slave_Row{"Y", "UInt8", "1", "a", std::nullopt, "0", "0", ""}));
}

TEST_F(EtherCATSlaveForm, CheckRefusesStringLengthsOutsideAByte)
{
    struct Case {
        const char* length;
        bool enabled;
        bool passes;
    };
    const Case cases[] = {{"1", true, true},    {"255", true, true}, {"$FF", true, true},  {"0", true, false},
                          {"256", true, false}, {"", true, false},   {"ten", true, false}, {"0", false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        form_->FormShow(nullptr);
        Set(MtS(), 1, QStringLiteral("Int32"));
        Set(MtS(), 2, QStringLiteral("ByteString"), QString::fromLatin1(c.length), c.enabled);
        MessageBoxRecorder boxes;
        EXPECT_EQ(form_->Controllo_dati(), c.passes);
        if (!c.passes) {
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown[0].Kind, mtError);
            EXPECT_EQ(
                boxes.Shown[0].Text,
                QStringLiteral("Error row 2!! [Master To Slave] The Length of a String must be between 1 and 255"));
        }
    }
    // OK with a bad String writes nothing and keeps the form open.
    MessageBoxRecorder boxes;
    const TModalResult result = Run([this](TFEtherCATSlave& f) {
        Set(StM(), 1, QStringLiteral("String"), QStringLiteral("300"));
        f.Btn_OK->Click();
        EXPECT_EQ(f.ModalResult(), mrNone);
        f.Btn_Cancel->Click();
    });
    EXPECT_EQ(result, mrCancel);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_TRUE(boxes.Shown[0].Text.contains(QLatin1String("[Slave To Master]")));
    EXPECT_FALSE(QFile::exists(File_EtherCAT_Slave));
}

TEST_F(EtherCATSlaveForm, CheckRefusesInitValuesTheTypeCantHold)
{
    struct Case {
        const char* type;
        const char* value;
        bool passes;
    };
    const Case cases[] = {
        {"Int8", "", true},
        {"Int8", "-128", true},
        {"Int8", "$FF", true},
        {"Int8", "999", false},
        {"Int8", "-129", false},
        {"Int16", "70000", false},
        {"Int16", "-32768", true},
        {"UInt16", "65535", true},
        {"UInt16", "-1", false},
        {"Int32", "2147483648", false},
        {"UInt32", "4294967295", true},
        {"UInt32", "0x1FFFFFFFF", false},
        {"Bool", "1", true},
        {"Bool", "2", false},
        {"UInt8", "ten", false},
        {"Float32", "1.5", true},
        {"Float32", "-2.5e3", true},
        {"Float32", "1,5", false},
        {"Float32", "1e39", false},
        {"String", "any text", true},
    };
    // Reals follow the user's decimal separator: a point here.
    const QLocale previous;
    QLocale::setDefault(QLocale::c());
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(QLatin1String(c.type), QLatin1String(c.value)).toStdString());
        form_->FormShow(nullptr);
        Set(StM(), 1, QStringLiteral("Bool"));
        Set(StM(), 2, QString::fromLatin1(c.type), QStringLiteral("4"));
        StM().SetCells(5, 2, QString::fromLatin1(c.value));
        MessageBoxRecorder boxes;
        EXPECT_EQ(form_->Controllo_dati(), c.passes);
        if (!c.passes) {
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown[0].Text, QStringLiteral("Error row 2!! [Slave To Master] The Init Value must be a "
                                                          "number of the variable's Type and lie in its range"));
        }
    }
    // A disabled row is not checked.
    form_->FormShow(nullptr);
    Set(StM(), 1, QStringLiteral("Int8"), QString(), false);
    StM().SetCells(5, 1, QStringLiteral("999"));
    EXPECT_TRUE(form_->Controllo_dati());
    QLocale::setDefault(previous);
}

TEST_F(EtherCATSlaveForm, RowButtonsMoveChecksAndReadOnlyFlags)
{
    MessageBoxRecorder boxes({mrOk, mrNo, mrYes});
    Run([this](TFEtherCATSlave& f) {
        f.PageControl1->SetActivePage(f.TS_MasterToSlave);
        VOroDavoduRuzu& grid = MtS();
        Set(grid, 1, QStringLiteral("Bool"), QStringLiteral("1"));
        Set(grid, 2, QStringLiteral("String"), QStringLiteral("33"), false);
        grid.SetReadOnly(3, 1, true);
        f.Calc_Position_Bit(grid, false);
        grid.SetRow(2);
        f.Btn_PasteRow->Click();  // no copy in this opening
        f.Btn_CopyRow->Click();
        EXPECT_TRUE(f.Table(1).Do_Copy);
        EXPECT_FALSE(f.Table(0).Do_Copy);
        // A String keeps its pasted length, editable; the positions follow.
        grid.SetRow(4);
        f.Btn_PasteRow->Click();
        EXPECT_EQ(Row(grid, 4).mid(0, 3), (QStringList{"N", "String", "33"}));
        // Insert at row 1: the rows move down with their checks and flags; the new row is enabled and editable.
        grid.SetRow(1);
        f.Btn_InsRow->Click();
        EXPECT_EQ(Row(grid, 1).mid(0, 3), (QStringList{"Y", "", ""}));
        EXPECT_FALSE(grid.ReadOnly(3, 1));
        EXPECT_TRUE(grid.ReadOnly(3, 2));
        EXPECT_EQ(Row(grid, 3).mid(0, 3), (QStringList{"N", "String", "33"}));
        f.Btn_DelRow->Click();  // No
        EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("Bool"));
        f.Btn_DelRow->Click();  // Yes
        EXPECT_EQ(Row(grid, 1).mid(0, 3), (QStringList{"Y", "Bool", "1"}));
        EXPECT_TRUE(grid.ReadOnly(3, 1));
        EXPECT_EQ(Row(grid, 4).mid(0, 3), (QStringList{"N", "String", "33"}));
        EXPECT_EQ(Row(grid, 256).mid(0, 3), (QStringList{"Y", "", ""}));
        EXPECT_TRUE(grid.ReadOnly(2, 256));
        // The Slave To Master grid was not touched.
        EXPECT_EQ(StM().Cells(2, 1), QString());
        f.Btn_Cancel->Click();
    });
    ASSERT_EQ(boxes.Shown.size(), 3u);
    EXPECT_EQ(boxes.Shown[0].Text, Lang_Text[1102]);
    EXPECT_EQ(boxes.Shown[1].Text, QStringLiteral("Are you sure to delete the Row number 1"));

    // The next opening stays on the page last chosen, forgets the copy and frees the row Delete left read-only.
    Run([this](TFEtherCATSlave& f) {
        EXPECT_EQ(f.PageControl1->ActivePage(), f.TS_MasterToSlave);
        EXPECT_FALSE(f.Table(1).Do_Copy);
        EXPECT_FALSE(MtS().ReadOnly(2, 256));
        EXPECT_FALSE(MtS().ReadOnly(3, 256));
        EXPECT_TRUE(MtS().ReadOnly(5, 256));
        EXPECT_TRUE(MtS().ReadOnly(6, 256));
        f.Btn_Cancel->Click();
    });
}

TEST_F(EtherCATSlaveForm, MalformedFilesShowTheirMessageAndStayOnDisk)
{
    QString rows;
    for (int i = 0; i < 258; ++i)
        rows += QStringLiteral("<row Type=\"UInt8\"/>");
    const QByteArray tooMany = ("<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + rows +
                                "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables>"
                                "</EtherCAT_Slave>")
                                   .toUtf8();
    struct Case {
        QByteArray xml;
        QString row1;  // the Type of row 1 as loaded
        const char* message;
    };
    const Case cases[] = {
        {"<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master><row Type=\"Int8\"/>"
         "</EtherCAT_Slave_To_Master></EtherCAT_Slave_Variables></EtherCAT_Slave>",
         "Int8", "the element EtherCAT_Master_To_Slave is missing"},
        {"<EtherCAT_Slave><Other/></EtherCAT_Slave>", "", "the element EtherCAT_Slave_Variables is missing"},
        {"<EtherCAT_Slave><EtherCAT_Slave", "", "EtherCAT_Slave.xml"},
        {tooMany, "UInt8", "Rows not read: 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        QFile::remove(File_EtherCAT_Slave);
        Write(File_EtherCAT_Slave, QString::fromUtf8(c.xml));
        MessageBoxRecorder boxes({mrOk, mrNo});
        const TModalResult result = Run([&](TFEtherCATSlave& f) {
            EXPECT_EQ(StM().Cells(2, 1), c.row1);
            f.Btn_OK->Click();
            if (f.ModalResult() == mrNone)
                f.Btn_Cancel->Click();
        });
        ASSERT_FALSE(boxes.Shown.empty());
        EXPECT_TRUE(boxes.Shown[0].Text.contains(QLatin1String(c.message))) << boxes.Shown[0].Text.toStdString();
        if (c.xml != tooMany) {
            ASSERT_EQ(boxes.Shown.size(), 2u);
            EXPECT_EQ(boxes.Shown[1].Text, Lang_Text[1106]);
            EXPECT_EQ(result, mrCancel);
            EXPECT_EQ(Read(File_EtherCAT_Slave), c.xml);
        } else {
            EXPECT_EQ(result, mrOk);
            EXPECT_EQ(QString::fromUtf8(Read(File_EtherCAT_Slave)).count(QLatin1String("<row ")), 256);
        }
    }
}

TEST_F(EtherCATSlaveForm, AFileThatCantBeWrittenKeepsTheFormOpen)
{
    MessageBoxRecorder boxes;
    const TModalResult result = Run([this](TFEtherCATSlave& f) {
        Set(StM(), 1, QStringLiteral("Int8"));
        ASSERT_TRUE(QDir(dir_.path()).removeRecursively());
        f.Btn_OK->Click();
        EXPECT_EQ(f.ModalResult(), mrNone);
        EXPECT_EQ(StM().Cells(2, 1), QStringLiteral("Int8"));
        f.Btn_Cancel->Click();
    });
    EXPECT_EQ(result, mrCancel);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_TRUE(boxes.Shown[0].Text.contains(QLatin1String("EtherCAT_Slave.xml"))) << boxes.Shown[0].Text.toStdString();
}
