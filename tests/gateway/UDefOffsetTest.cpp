// The DeviceNet offsets editor: slaves from the network file, positions per byte, the check and the file.
#include "gateway/UDefOffset.h"

#include "ProjectFixture.h"
#include "gateway/ProjectModel.h"
#include "grid/VoCGrid/VoCGrid.h"
#include "platform/ExtCtrls.h"
#include "shell/ULanguage.h"
#include "support/TestSeams.h"

#include <memory>

namespace {

class DefOffsetForm : public ProjectFixture {
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        Load_Default_Language();
        form_ = std::make_unique<TFDefOffset>(nullptr);
        form_->DoCreate();
        // Slave 5: 2 input and 1 output bytes; slave 7: no input and 3 output bytes.
        Write(File_DNETM_Net, QStringLiteral("<DNET_Net><row ID=\"5\" NB_IN=\"2\" NB_OUT=\"1\" Mnemonic=\"a\"/>"
                                             "<row ID=\"7\" NB_IN=\"0\" NB_OUT=\"3\" Mnemonic=\"b\"/></DNET_Net>"));
    }
    TModalResult Run(const std::function<void(TFDefOffset&)>& act)
    {
        const ModalRunGuard guard([&](TCustomForm&) {
            act(*form_);
            return form_->ModalResult();
        });
        return form_->ShowModal();
    }
    static void Select(TFDefOffset& f, int row)
    {
        f.ACG_DN_Slaves->SetRow(row);
        f.ACG_DN_SlavesClick(f.ACG_DN_Slaves);
    }
    static QStringList Column(TVoColumnGrid& grid, int col)
    {
        QStringList texts;
        for (int r = 1; r < grid.RowCount(); ++r)
            texts << grid.Cells(col, r);
        return texts;
    }
    std::unique_ptr<TFDefOffset> form_;
};

std::vector<QString> Offsets(const std::optional<std::vector<TDefOff_Byte>>& bytes)
{
    std::vector<QString> offsets;
    for (const TDefOff_Byte& b : bytes.value())
        offsets.push_back(b.Offset.value_or(QStringLiteral("?")) + u'/' + b.Mnemonic.value_or(QStringLiteral("?")));
    return offsets;
}

}  // namespace

TEST_F(DefOffsetForm, WithoutOffsetsEveryByteIsUnplaced)
{
    EXPECT_EQ(form_->ClientWidth(), 482);
    EXPECT_EQ(form_->Label3->Caption(),
              QStringLiteral("Select \"None\" if the byte must not pass from DeviceNet to EtherCAT."));
    const TModalResult result = Run([](TFDefOffset& f) {
        EXPECT_EQ(Column(*f.ACG_DN_Slaves, 0), (QStringList{"5", "7"}));
        EXPECT_EQ(Column(*f.ACG_ByteIN, 1), (QStringList{"None", "None"}));
        EXPECT_EQ(Column(*f.ACG_ByteIN, 0), (QStringList{"0", "1"}));
        EXPECT_EQ(f.ACG_ByteIN->Columns().Items(1)->ComboItems().Count(), 1441);
        EXPECT_EQ(f.ACG_ByteIN->Columns().Items(1)->ComboItems()[1440], QStringLiteral("1439"));
        f.Btn_OK->Click();
    });
    EXPECT_EQ(result, mrOk);
    const std::optional<TDefOff_File> file = Read_DefOff_File(File_DNETM_DefOff);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->Nodes.size(), 2u);
    EXPECT_EQ(Offsets(file->Nodes[0].Byte_In), (std::vector<QString>{"None/", "None/"}));
    EXPECT_EQ(Offsets(file->Nodes[0].Byte_Out), (std::vector<QString>{"None/"}));
    EXPECT_EQ(Offsets(file->Nodes[1].Byte_In), (std::vector<QString>{}));
    EXPECT_EQ(Offsets(file->Nodes[1].Byte_Out), (std::vector<QString>{"None/", "None/", "None/"}));
    EXPECT_TRUE(QString::fromUtf8(Read(File_DNETM_DefOff))
                    .contains(QLatin1String("</Define_Offset><!--SW_VERSION = 1.000-->")));
}

TEST_F(DefOffsetForm, EditsFollowTheSlaveAndOldOffsetsFitTheNewCounts)
{
    // Saved when slave 5 had one input byte and slave 7 four output bytes.
    Write(File_DNETM_DefOff,
          QStringLiteral("<Define_Offset><Nodo_DNET><ByteIN><row Offset=\"12\" Mnemonic=\"t\"/></ByteIN>"
                         "<ByteOUT><row Offset=\"3\" Mnemonic=\"o\"/></ByteOUT></Nodo_DNET>"
                         "<Nodo_DNET><ByteIN/><ByteOUT><row Offset=\"1\" Mnemonic=\"\"/>"
                         "<row Offset=\"2\" Mnemonic=\"\"/><row Offset=\"4\" Mnemonic=\"\"/>"
                         "<row Offset=\"9\" Mnemonic=\"gone\"/></ByteOUT></Nodo_DNET></Define_Offset>"));
    Run([](TFDefOffset& f) {
        EXPECT_EQ(Column(*f.ACG_ByteIN, 1), (QStringList{"12", "None"}));
        EXPECT_EQ(Column(*f.ACG_ByteIN, 2), (QStringList{"t", ""}));
        f.ACG_ByteIN->SetCells(1, 2, QStringLiteral("100"));
        Select(f, 2);
        EXPECT_EQ(Column(*f.ACG_ByteOUT, 1), (QStringList{"1", "2", "4"}));
        EXPECT_EQ(Column(*f.ACG_ByteIN, 1), (QStringList{""}));
        f.ACG_ByteOUT->SetCells(2, 3, QStringLiteral("m"));
        Select(f, 1);
        EXPECT_EQ(Column(*f.ACG_ByteIN, 1), (QStringList{"12", "100"}));
        f.Btn_OK->Click();
    });
    const std::optional<TDefOff_File> file = Read_DefOff_File(File_DNETM_DefOff);
    ASSERT_TRUE(file);
    EXPECT_EQ(Offsets(file->Nodes[0].Byte_In), (std::vector<QString>{"12/t", "100/"}));
    EXPECT_EQ(Offsets(file->Nodes[1].Byte_Out), (std::vector<QString>{"1/", "2/", "4/m"}));
}

TEST_F(DefOffsetForm, CheckRefusesAnOutputPositionUsedTwiceAndPositionsOutsideTheImage)
{
    struct Case {
        int slaveRow;
        TVoColumnGrid* TFDefOffset::*grid;
        int byteRow;
        const char* position;
        QString message;  // empty: passes
    };
    const QString twice = Lang_Text[3021] + QStringLiteral("\n\r( First ID = 5 Byte = 0, Second ID = 7 Byte = 2)");
    const Case cases[] = {
        {2, &TFDefOffset::ACG_ByteOUT, 3, "10", twice},
        {1, &TFDefOffset::ACG_ByteIN, 1, "10", QString()},  // inputs may share a position
        {1, &TFDefOffset::ACG_ByteIN, 2, "1440", Lang_Text[3026] + QStringLiteral("\n\r( ID = 5 Byte = 1)")},
        {2, &TFDefOffset::ACG_ByteOUT, 2, "1500", Lang_Text[3027] + QStringLiteral("\n\r( ID = 7 Byte = 1)")},
        {2, &TFDefOffset::ACG_ByteOUT, 2, "1439", QString()},
    };
    for (const Case& c : cases) {
        MessageBoxRecorder boxes;
        const TModalResult result = Run([&c](TFDefOffset& f) {
            f.ACG_ByteOUT->SetCells(1, 1, QStringLiteral("10"));  // slave 5, output byte 0
            Select(f, c.slaveRow);
            (f.*c.grid)->SetCells(1, c.byteRow, QString::fromLatin1(c.position));
            f.Btn_OK->Click();
            if (f.ModalResult() == mrNone)
                f.Btn_Cancel->Click();
        });
        if (c.message.isEmpty()) {
            EXPECT_EQ(result, mrOk) << c.position;
            EXPECT_TRUE(boxes.Shown.empty());
        } else {
            EXPECT_EQ(result, mrCancel) << c.position;
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown[0].Kind, mtError);
            EXPECT_EQ(boxes.Shown[0].Text, c.message);
        }
        QFile::remove(File_DNETM_DefOff);
    }
}

TEST_F(DefOffsetForm, MalformedFilesShowTheirMessageAndStayOnDisk)
{
    const char* const files[] = {
        "<Define_Offset><Nodo_DNET><ByteIN><row Offset=\"1\" Mnemonic=\"\"/><row Offset=\"2\" Mnemonic=\"\"/></ByteIN>"
        "</Nodo_DNET></Define_Offset>",
        "<Define_Offset><Nodo_DNET><ByteIN><row Mnemonic=\"\"/></ByteIN><ByteOUT/></Nodo_DNET></Define_Offset>",
        "<Define_Offset><Nodo_DNET>",
    };
    for (const char* xml : files) {
        Write(File_DNETM_DefOff, QString::fromLatin1(xml));
        MessageBoxRecorder boxes({mrOk, mrNo});
        Run([](TFDefOffset& f) {
            f.Btn_OK->Click();
            if (f.ModalResult() == mrNone)
                f.Btn_Cancel->Click();
        });
        ASSERT_EQ(boxes.Shown.size(), 2u) << xml;
        EXPECT_TRUE(boxes.Shown[0].Text.contains(QLatin1String("DNETM_DefOff.xml")))
            << boxes.Shown[0].Text.toStdString();
        EXPECT_EQ(boxes.Shown[1].Text, Lang_Text[1106]);
        EXPECT_EQ(Read(File_DNETM_DefOff), QByteArray(xml));
    }
    // A network file whose byte count is not a number.
    Write(File_DNETM_Net,
          QStringLiteral("<DNET_Net><row ID=\"5\" NB_IN=\"two\" NB_OUT=\"1\" Mnemonic=\"a\"/></DNET_Net>"));
    MessageBoxRecorder boxes;
    Run([](TFDefOffset& f) {
        EXPECT_EQ(f.List_Slaves_DN.size(), 0u);
        f.Btn_Cancel->Click();
    });
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_TRUE(boxes.Shown[0].Text.contains(QLatin1String("NB_IN")));
}

TEST_F(DefOffsetForm, NumbersTheNetworkCheckAcceptsAreRead)
{
    // Hexadecimal and leading blanks pass the network editor's check, so the slaves load with them.
    Write(File_DNETM_Net, QStringLiteral("<DNET_Net><row ID=\"$05\" NB_IN=\" 2\" NB_OUT=\"0x1\" Mnemonic=\"a\"/>"
                                         "<row ID=\"x7\" NB_IN=\"+0\" NB_OUT=\"3\" Mnemonic=\"b\"/></DNET_Net>"));
    MessageBoxRecorder boxes;
    Run([](TFDefOffset& f) {
        ASSERT_EQ(f.List_Slaves_DN.size(), 2u);
        EXPECT_EQ(f.List_Slaves_DN[0].ID, 5);
        EXPECT_EQ(f.List_Slaves_DN[0].ByteIN, 2);
        EXPECT_EQ(f.List_Slaves_DN[0].ByteOUT, 1);
        EXPECT_EQ(f.List_Slaves_DN[1].ID, 7);
        EXPECT_EQ(Column(*f.ACG_ByteIN, 1), (QStringList{"None", "None"}));
        f.Btn_Cancel->Click();
    });
    EXPECT_TRUE(boxes.Shown.empty()) << boxes.Shown[0].Text.toStdString();
}

TEST_F(DefOffsetForm, ArrowKeysAndTheMouseSelectTheSlave)
{
    Run([](TFDefOffset& f) {
        TVoColumnGrid& slaves = *f.ACG_DN_Slaves;
        slaves.SetFocus();
        f.ACG_ByteIN->SetCells(1, 1, QStringLiteral("7"));
        SendKey(slaves, VK_DOWN);
        EXPECT_EQ(slaves.Row(), 2);
        EXPECT_EQ(f.Slave_Before_Select, 1);
        EXPECT_EQ(f.ACG_ByteOUT->RowCount(), 4);
        SendKey(slaves, VK_UP);
        EXPECT_EQ(f.Slave_Before_Select, 0);
        EXPECT_EQ(Column(*f.ACG_ByteIN, 1), (QStringList{"7", "None"}));
        const TRect second = slaves.CellRect(1, 2);
        SendClick(slaves, {second.Left + 4, second.Top + 4});
        EXPECT_EQ(f.Slave_Before_Select, 1);
        EXPECT_EQ(Column(*f.ACG_ByteOUT, 1).size(), 3);
        f.Btn_Cancel->Click();
    });
}

TEST_F(DefOffsetForm, ByteGridsFillTheSpaceUnderTheSplitter)
{
    Run([](TFDefOffset& f) {
        EXPECT_EQ(f.Splitter1->Height(), 3);
        EXPECT_EQ(f.P_Bytes->Top(), f.P_Slaves->Top() + f.P_Slaves->Height() + 3);
        EXPECT_EQ(f.P_Bytes->Top() + f.P_Bytes->Height(), f.P_Button->Top());
        EXPECT_GT(f.ACG_ByteIN->Height(), 150);
        EXPECT_LE(f.PageControl1->Top() + f.PageControl1->Height(), f.P_Bytes->Height());
        f.Btn_Cancel->Click();
    });
}
