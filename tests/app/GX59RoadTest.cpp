// The whole GX59 road from the main window as a user takes it: a new project, the general parameters,
// the EtherCAT variables, the DeviceNet network and offsets typed into their grids, then the ESI file
// and the compile. The banks and the ESI equal those compiled from the same files written by hand.
#include "app/UCreate_Forms.h"
#include "app/ULattisoreFirmWare.h"
#include "gateway/ProjectModel.h"
#include "gateway/UBoot.h"
#include "gateway/UDNet.h"
#include "gateway/UDefOffset.h"
#include "gateway/UEtherCATSlave.h"
#include "gateway/UParGen.h"
#include "grid/VoCGrid/VoCGrid.h"
#include "grid/VoGrid/Editors/GridEditors.h"
#include "grid/VoGrid/Editors/VoInplaceEdit.h"
#include "platform/ProgramFolder.h"
#include "shell/UComon.h"
#include "shell/UNew_Project.h"
#include "support/TestSeams.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

class GX59Road : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SetProgramFolderOverride(dir.path());
        Create_Forms();
    }
    void TearDown() override
    {
        Application->DestroyForms();
        SetProgramFolderOverride(QString());
    }

    // Runs a step button with the form's work done by act, which ends by pressing OK.
    template <typename Form>
    static void Step(TOdButton* button, Form*& form, const std::function<void(Form&)>& act)
    {
        const ModalRunGuard run([&](TCustomForm& shown) {
            EXPECT_EQ(&shown, form);
            act(*form);
            EXPECT_EQ(form->ModalResult(), mrOk) << form->ClassName().toStdString();
            return form->ModalResult();
        });
        button->Click();
    }
    // Types a text into a cell: F2 opens the editor, Enter ends it.
    static void Type(VOroDavoduRuzu& grid, int col, int row, const QString& text)
    {
        grid.SetFocus();
        grid.SetCol(col);
        grid.SetRow(row);
        SendKey(grid, VK_F2);
        ASSERT_TRUE(grid.IsEditing());
        TypeText(*grid.InplaceEdit(), text);
        SendKey(*grid.InplaceEdit(), VK_RETURN);
        EXPECT_EQ(grid.Cells(grid.RealColIndex(col), row), text);
    }
    // Chooses item index of a cell's list through the arrow keys.
    static void Choose(VOroDavoduRuzu& grid, int col, int row, int index)
    {
        grid.SetFocus();
        grid.SetCol(col);
        grid.SetRow(row);
        SendKey(grid, VK_F2);
        TGridCombo& combo = *grid.Combobox();
        ASSERT_TRUE(combo.Visible());
        while (combo.ItemIndex() < index)
            SendKey(combo, VK_DOWN);
        while (combo.ItemIndex() > index)
            SendKey(combo, VK_UP);
        const QString chosen = combo.Items()[index];
        SendKey(combo, VK_RETURN);
        EXPECT_EQ(grid.Cells(grid.RealColIndex(col), row), chosen);
    }
    static void Click_Cell(VOroDavoduRuzu& grid, int col, int row)
    {
        const TRect r = grid.CellRect(col, row);
        SendClick(grid, TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    }

    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void Write(const QString& path, const QString& xml)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(xml.toUtf8());
    }
    // The ESI step into the project folder, then the compile; returns the ESI file and the two banks.
    std::array<QByteArray, 3> Build()
    {
        const QString esi = Path_Project + QStringLiteral("/gx59.xml");
        {
            const FileDialogAnswer answer(esi);
            MessageBoxRecorder overwrite({mrYes});
            FLattisoreFirmWare->Btn_EtherCAT_ESI_File->Click();
        }
        const ModalRunGuard boot([](TCustomForm& form) {
            EXPECT_EQ(&form, FBoot);
            return mrCancel;
        });
        FLattisoreFirmWare->Btn_CreateBin->Click();
        return {Read(esi), Read(Path_Project + QStringLiteral("/bin/bank1.bin")),
                Read(Path_Project + QStringLiteral("/bin/bank2.bin"))};
    }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(GX59Road, FormsFilledByHandCompileAsTheFilesWrittenByHand)
{
    TFLattisoreFirmWare& w = *FLattisoreFirmWare;
    Step<TFNew_Project>(w.Btn_New, FNew_Project, [](TFNew_Project& f) {
        f.E_New_Proj->SetText(QStringLiteral("Road"));
        f.Btn_OK->Click();
    });
    ASSERT_TRUE(File_EtherCAT_Slave.endsWith(QStringLiteral("PROJECTS/Road/EtherCAT_Slave.xml")));
    ASSERT_TRUE(QDir().mkpath(Path_Project + QStringLiteral("/bin")));
    Step<TFParGen>(w.Btn_Prm_Gen, FParGen, [](TFParGen& f) { f.Btn_OK->Click(); });

    Step<TFEtherCATSlave>(w.Btn_EtherCAT_Set_Access, FEtherCATSlave, [](TFEtherCATSlave& f) {
        VOroDavoduRuzu& stm = *f.VSG_SlaveMaster;
        Choose(stm, 2, 1, 0);  // Bool
        Type(stm, 4, 1, QStringLiteral("start"));
        Choose(stm, 2, 2, 0);
        Type(stm, 4, 2, QStringLiteral("stop"));
        Choose(stm, 2, 3, 2);  // Int16
        Type(stm, 4, 3, QStringLiteral("speed"));
        Type(stm, 5, 3, QStringLiteral("-7"));
        Choose(stm, 2, 4, 8);  // String
        Type(stm, 3, 4, QStringLiteral("4"));
        Type(stm, 4, 4, QStringLiteral("tag"));
        Type(stm, 5, 4, QStringLiteral("ab"));
        EXPECT_EQ(stm.Cells(6, 4), QStringLiteral("3"));
        f.PageControl1->SetActivePage(f.TS_MasterToSlave);
        VOroDavoduRuzu& mts = *f.VSG_MasterSlave;
        Choose(mts, 2, 1, 4);  // UInt8
        Type(mts, 4, 1, QStringLiteral("mode"));
        Choose(mts, 2, 2, 7);  // Float32
        Type(mts, 4, 2, QStringLiteral("setpoint"));
        EXPECT_EQ(mts.Cells(5, 2), QStringLiteral("1"));
        f.Btn_OK->Click();
    });

    Step<TFDNet>(w.Btn_DNet_Net, FDNet, [](TFDNet& f) {
        const QStringList slaves[] = {{"5", "2", "1", "valve"}, {"9", "1", "2", "pump"}};
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 4; ++c)
                Type(*f.VSG, c + 1, r + 1, slaves[r][c]);
        f.Btn_OK->Click();
    });

    Step<TFDefOffset>(w.Btn_DNet_Offset, FDefOffset, [](TFDefOffset& f) {
        ASSERT_EQ(f.List_Slaves_DN.size(), 2u);
        // Items: "None", then "0", "1", ...
        Choose(*f.ACG_ByteIN, 1, 1, 1);
        Type(*f.ACG_ByteIN, 2, 1, QStringLiteral("first"));
        f.PageControl1->SetActivePage(f.TabSheet2);
        Choose(*f.ACG_ByteOUT, 1, 1, 3);
        Click_Cell(*f.ACG_DN_Slaves, 0, 2);
        ASSERT_EQ(f.Slave_Before_Select, 1);
        Choose(*f.ACG_ByteOUT, 1, 2, 5);
        f.PageControl1->SetActivePage(f.TabSheet1);
        Choose(*f.ACG_ByteIN, 1, 1, 2);
        f.Btn_OK->Click();
    });

    const TProject_Model typed = Read_Project_Model();
    const std::array<QByteArray, 3> fromForms = Build();

    // The same project written by hand.
    Write(
        File_EtherCAT_Slave,
        QStringLiteral(
            "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
            "<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"start\" InitValue=\"\" Position=\"0\" BitStart=\"0\" "
            "Mnemonic=\"\"/>"
            "<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"stop\" InitValue=\"\" Position=\"0\" BitStart=\"1\" "
            "Mnemonic=\"\"/>"
            "<row Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"speed\" InitValue=\"-7\" Position=\"1\" "
            "BitStart=\"0\" Mnemonic=\"\"/>"
            "<row Enable=\"Y\" Type=\"String\" Length=\"4\" Name=\"tag\" InitValue=\"ab\" Position=\"3\" "
            "BitStart=\"0\" Mnemonic=\"\"/>"
            "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>"
            "<row Enable=\"Y\" Type=\"UInt8\" Length=\"1\" Name=\"mode\" Position=\"0\" BitStart=\"0\" Mnemonic=\"\"/>"
            "<row Enable=\"Y\" Type=\"Float32\" Length=\"4\" Name=\"setpoint\" Position=\"1\" BitStart=\"0\" "
            "Mnemonic=\"\"/>"
            "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave><!--SW_VERSION = 1.000-->"));
    Write(File_DNETM_Net, QStringLiteral("<DNET_Net><row ID=\"5\" NB_IN=\"2\" NB_OUT=\"1\" Mnemonic=\"valve\"/>"
                                         "<row ID=\"9\" NB_IN=\"1\" NB_OUT=\"2\" Mnemonic=\"pump\"/></DNET_Net>"));
    Write(File_DNETM_DefOff,
          QStringLiteral("<Define_Offset>"
                         "<Nodo_DNET><ByteIN><row Offset=\"0\" Mnemonic=\"first\"/><row Offset=\"None\" Mnemonic=\"\"/>"
                         "</ByteIN><ByteOUT><row Offset=\"2\" Mnemonic=\"\"/></ByteOUT></Nodo_DNET>"
                         "<Nodo_DNET><ByteIN><row Offset=\"1\" Mnemonic=\"\"/></ByteIN><ByteOUT>"
                         "<row Offset=\"None\" Mnemonic=\"\"/><row Offset=\"4\" Mnemonic=\"\"/></ByteOUT></Nodo_DNET>"
                         "</Define_Offset>"));
    const TProject_Model byHand = Read_Project_Model();
    EXPECT_EQ(typed.EtherCAT_Slave, byHand.EtherCAT_Slave);
    EXPECT_EQ(typed.DNet, byHand.DNet);
    EXPECT_EQ(typed.DefOff, byHand.DefOff);

    const std::array<QByteArray, 3> fromFiles = Build();
    for (const QByteArray& file : fromFiles)
        ASSERT_FALSE(file.isEmpty());
    EXPECT_EQ(fromForms[0], fromFiles[0]);
    EXPECT_EQ(fromForms[1], fromFiles[1]);
    EXPECT_EQ(fromForms[2], fromFiles[2]);
    EXPECT_TRUE(fromForms[0].contains("<Name>tag</Name>"));

    QProcess xmllint;
    xmllint.start(QStringLiteral("xmllint"),
                  {QStringLiteral("--noout"), QStringLiteral("--schema"),
                   QStringLiteral(LATTISOR_SOURCE_DIR "/tests/gateway/esi-schema/EtherCATInfo.xsd"),
                   Path_Project + QStringLiteral("/gx59.xml")});
    ASSERT_TRUE(xmllint.waitForStarted()) << "xmllint is needed (libxml2-utils)";
    ASSERT_TRUE(xmllint.waitForFinished(60000));
    EXPECT_EQ(xmllint.exitCode(), 0) << xmllint.readAllStandardError().toStdString();
}
