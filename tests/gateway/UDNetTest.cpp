// The DeviceNet network editor: load, check and save, row buttons, and files it can't read whole.
#include "gateway/UDNet.h"

#include "ProjectFixture.h"
#include "gateway/ProjectModel.h"
#include "grid/VoCGrid/VoCGrid.h"
#include "platform/QtAccess.h"
#include "shell/ULanguage.h"
#include "support/TestSeams.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <memory>

namespace {

class DNetForm : public ProjectFixture {
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        Load_Default_Language();
        form_ = std::make_unique<TFDNet>(nullptr);
        form_->DoCreate();
    }
    TModalResult Run(const std::function<void(TFDNet&)>& act)
    {
        const ModalRunGuard guard([&](TCustomForm&) {
            act(*form_);
            return form_->ModalResult();
        });
        return form_->ShowModal();
    }
    QStringList Row(int r) const
    {
        QStringList texts;
        for (int c = 0; c < 5; ++c)
            texts << form_->VSG->Cells(c, r);
        return texts;
    }
    void SetRow(int r, const QStringList& texts)
    {
        for (int c = 1; c < 5; ++c)
            form_->VSG->SetCells(c, r, texts[c - 1]);
    }
    std::unique_ptr<TFDNet> form_;
};

}  // namespace

TEST_F(DNetForm, LaysOutItsTableAndTexts)
{
    TFDNet& f = *form_;
    EXPECT_EQ(f.ClientWidth(), 745);
    EXPECT_EQ(f.ClientHeight(), 337);
    EXPECT_EQ(f.Caption(), QStringLiteral("DeviceNet Network"));
    EXPECT_EQ(f.VSG->RowCount(), 65);
    EXPECT_EQ(Row(0), (QStringList{"N", "ID Slave", "Num Byte In", "Num Byte Out", "Mnemonic"}));
    EXPECT_EQ(f.Btn_PasteRow->Caption(), QStringLiteral("Paste Row"));
    EXPECT_EQ(f.Btn_OK->Hint, QStringLiteral("Confirm and save the DeviceNet Slaves List"));
    QString hint;
    f.GridHint(*f.VSG, 0, 2, hint);
    EXPECT_EQ(hint, QStringLiteral("Insert the Input Number of Bytes of DeviceNet Slave"));
    f.GridHint(*f.VSG, 1, 2, hint);
    EXPECT_TRUE(hint.isEmpty());
}

TEST_F(DNetForm, RestingOnAHeaderShowsItsColumnsHint)
{
    Run([](TFDNet& f) {
        const auto hintAt = [&](int c, int r) {
            const TRect cell = f.VSG->CellRect(c, r);
            const QPoint at(cell.Left + 5, cell.Top + 5);
            QHelpEvent event(QEvent::ToolTip, at, QtAccess::Widget(*f.VSG)->mapToGlobal(at));
            QApplication::sendEvent(QtAccess::Widget(*f.VSG), &event);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        EXPECT_EQ(hintAt(1, 0), QStringLiteral("Insert the ID of DeviceNet Slave"));
        EXPECT_EQ(hintAt(4, 0), QStringLiteral("Insert a description of DeviceNet Slave"));
        QToolTip::hideText();
        f.Btn_Cancel->Click();
    });
}

TEST_F(DNetForm, LoadsEditsAndSavesTheRowsAsTheyStand)
{
    Write(File_DNETM_Net, QStringLiteral("<DNET_Net><row ID=\"3\" NB_IN=\"2\" NB_OUT=\"1\" Mnemonic=\" valve \"/>"
                                         "<row ID=\"7\" NB_IN=\"0\" NB_OUT=\"4\" Mnemonic=\"\"/></DNET_Net>"));
    const TModalResult result = Run([this](TFDNet& f) {
        EXPECT_EQ(Row(1), (QStringList{"1", "3", "2", "1", " valve "}));
        EXPECT_EQ(Row(2), (QStringList{"2", "7", "0", "4", ""}));
        EXPECT_EQ(Row(3), (QStringList{"3", "", "", "", ""}));
        // Rows below the first empty ID are neither checked nor saved; the totals may reach 65535.
        SetRow(3, {"9", "$10", "65530", "same"});
        SetRow(5, {"99", "x", "x", "below"});
        f.Btn_OK->Click();
    });
    EXPECT_EQ(result, mrOk);
    const std::optional<TDNet_File> file = Read_DNet_File(File_DNETM_Net);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->Rows.size(), 3u);
    EXPECT_EQ(file->Rows[0], (TDNet_Row{"3", "2", "1", " valve ", std::nullopt, std::nullopt}));
    EXPECT_EQ(file->Rows[2], (TDNet_Row{"9", "$10", "65530", "same", std::nullopt, std::nullopt}));
    const QString text = QString::fromUtf8(Read(File_DNETM_Net));
    EXPECT_FALSE(text.contains(QLatin1String("<?xml")));
    EXPECT_TRUE(text.contains(QLatin1String("</DNET_Net><!--SW_VERSION = 1.000-->"))) << text.toStdString();
}

TEST_F(DNetForm, CheckStopsAtTheFirstBadCell)
{
    struct Case {
        QStringList row;
        int textReason;  // 0: passes
    };
    const Case cases[] = {
        {{"63", "0", "65535", ""}, 0}, {{"64", "0", "0", ""}, 2924},       {{"-1", "0", "0", ""}, 2924},
        {{"ab", "0", "0", ""}, 2924},  {{" ", "0", "0", ""}, 2924},        {{"1", "65536", "0", ""}, 2925},
        {{"1", "0", "", ""}, 2926},    {{"0x3F", "$FFFF", "x10", "m"}, 0},
    };
    for (const Case& c : cases) {
        MessageBoxRecorder boxes;
        SetRow(64, {"", "", "", ""});
        for (int r = 1; r < 64; ++r)
            SetRow(r, {QString::number(r - 1), "0", "0", ""});
        SetRow(64, c.row);
        EXPECT_EQ(form_->Controllo_dati(), c.textReason == 0) << c.row.join(u'|').toStdString();
        if (c.textReason) {
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown[0].Kind, mtError);
            EXPECT_EQ(boxes.Shown[0].Text, QStringLiteral("Error in row 64") + Lang_Text[c.textReason]);
        }
    }
}

TEST_F(DNetForm, CheckRefusesAnIdTwiceAndByteTotalsTheBankCantPlace)
{
    struct Case {
        QList<QStringList> rows;
        QString message;  // empty: passes
    };
    const Case cases[] = {
        {{{"5", "1", "1"}, {"6", "1", "1"}, {"5", "1", "1"}}, "Error in row 3!! ID already used in row 1"},
        {{{"5", "65535", "0"}, {"6", "0", "65535"}}, ""},
        {{{"5", "65535", "0"}, {"6", "1", "0"}},
         "Error in row 2!! The Input Bytes of all Slaves together must not be more than 65535"},
        {{{"5", "30000", "40000"}, {"6", "30000", "30000"}},
         "Error in row 2!! The Output Bytes of all Slaves together must not be more than 65535"},
    };
    for (const Case& c : cases) {
        form_->FormShow(nullptr);
        for (int r = 0; r < c.rows.size(); ++r)
            SetRow(r + 1, c.rows[r] + QStringList{""});
        MessageBoxRecorder boxes;
        EXPECT_EQ(form_->Controllo_dati(), c.message.isEmpty()) << c.message.toStdString();
        ASSERT_EQ(boxes.Shown.size(), c.message.isEmpty() ? 0u : 1u);
        if (!c.message.isEmpty()) {
            EXPECT_EQ(boxes.Shown[0].Text, c.message);
        }
    }
}

TEST_F(DNetForm, MalformedFilesShowTheirMessageAndStayOnDisk)
{
    struct Case {
        const char* xml;
        QStringList row2;  // what the table shows
        const char* message;
    };
    QString rows;
    for (int i = 0; i < 66; ++i)
        rows += QStringLiteral("<row ID=\"%1\" NB_IN=\"1\" NB_OUT=\"1\" Mnemonic=\"m\"/>").arg(i % 64);
    const QByteArray tooMany = ("<DNET_Net>" + rows + "</DNET_Net>").toUtf8();
    const Case cases[] = {
        {"<DNET_Net><row ID=\"1\" NB_IN=\"1\" NB_OUT=\"1\" Mnemonic=\"a\"/><row ID=\"2\" NB_IN=\"5\" "
         "NB_OUT=\"6\"/></DNET_Net>",
         {"2", "2", "5", "6", ""},
         "DNETM_Net.xml: a row has no attribute Mnemonic"},
        {"<DNET_Net><row ID=", {"2", "", "", "", ""}, "DNETM_Net.xml"},
        {tooMany.constData(), {"2", "1", "1", "1", "m"}, "Rows not read: 2"},
    };
    for (const Case& c : cases) {
        Write(File_DNETM_Net, QString::fromUtf8(c.xml));
        MessageBoxRecorder boxes({mrOk, mrNo});
        const TModalResult result = Run([&](TFDNet& f) {
            EXPECT_EQ(Row(2), c.row2) << c.xml;
            f.Btn_OK->Click();
            if (f.ModalResult() == mrNone)
                f.Btn_Cancel->Click();
        });
        ASSERT_FALSE(boxes.Shown.empty()) << c.xml;
        EXPECT_TRUE(boxes.Shown[0].Text.contains(QLatin1String(c.message))) << boxes.Shown[0].Text.toStdString();
        if (QByteArray(c.xml) != tooMany) {
            // OK after a stopped load asks first; No keeps the file as it was.
            ASSERT_EQ(boxes.Shown.size(), 2u);
            EXPECT_EQ(boxes.Shown[1].Text, Lang_Text[1106]);
            EXPECT_EQ(result, mrCancel);
            EXPECT_EQ(Read(File_DNETM_Net), QByteArray(c.xml));
        } else {
            // The rows that fit were read; OK writes them.
            EXPECT_EQ(result, mrOk);
            EXPECT_EQ(QString::fromUtf8(Read(File_DNETM_Net)).count(QLatin1String("<row ")), 64);
        }
    }
}

TEST_F(DNetForm, RowButtonsActOnTheCurrentRow)
{
    MessageBoxRecorder boxes({mrOk, mrNo, mrYes});
    Run([this](TFDNet& f) {
        SetRow(1, {"1", "1", "1", "a"});
        SetRow(2, {"2", "2", "2", "b"});
        f.VSG->SetRow(1);
        f.Btn_PasteRow->Click();  // no copy yet in this opening
        f.Btn_CopyRow->Click();
        f.VSG->SetRow(3);
        f.Btn_PasteRow->Click();
        EXPECT_EQ(Row(3), (QStringList{"3", "1", "1", "1", "a"}));
        f.VSG->SetRow(1);
        f.Btn_InsRow->Click();
        EXPECT_EQ(Row(1), (QStringList{"1", "", "", "", ""}));
        EXPECT_EQ(Row(2), (QStringList{"2", "1", "1", "1", "a"}));
        f.Btn_DelRow->Click();  // No
        EXPECT_EQ(Row(1), (QStringList{"1", "", "", "", ""}));
        f.Btn_DelRow->Click();  // Yes
        EXPECT_EQ(Row(1), (QStringList{"1", "1", "1", "1", "a"}));
        f.Btn_Cancel->Click();
    });
    ASSERT_EQ(boxes.Shown.size(), 3u);
    EXPECT_EQ(boxes.Shown[0].Text, Lang_Text[1102]);
    EXPECT_EQ(boxes.Shown[1].Text, QStringLiteral("Are you sure to delete the Row number 1"));
    EXPECT_EQ(boxes.Shown[1].Kind, mtConfirmation);
    // The copy of an earlier opening does not paste.
    MessageBoxRecorder again;
    Run([](TFDNet& f) {
        f.VSG->SetRow(5);
        f.Btn_PasteRow->Click();
        f.Btn_Cancel->Click();
    });
    ASSERT_EQ(again.Shown.size(), 1u);
    EXPECT_EQ(again.Shown[0].Text, Lang_Text[1102]);
    EXPECT_FALSE(QFile::exists(File_DNETM_Net));
}
