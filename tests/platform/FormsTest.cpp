#include "platform/QtAccess.h"
#include "platform/SysUtils.h"
#include "support/TestSeams.h"

#include <gtest/gtest.h>
#include <QTimer>
#include <QWidget>

TEST(FormsTest, ModalRunTakenOverByTheTest)
{
    TForm form(nullptr);
    std::vector<QString> events;
    form.OnShow = [&](TObject*) { events.push_back("show"); };
    form.OnClose = [&](TObject*, TCloseAction&) { events.push_back("close"); };
    form.OnHide = [&](TObject*) { events.push_back("hide"); };
    {
        ModalRunGuard run([&](TCustomForm& shown) {
            EXPECT_EQ(&shown, &form);
            EXPECT_TRUE(shown.Visible());
            EXPECT_TRUE(shown.Modal());
            shown.SetModalResult(mrOk);  // as a button with a modal result would
            return mrNone;
        });
        EXPECT_EQ(form.ShowModal(), mrOk);
    }
    EXPECT_EQ(events, (std::vector<QString>{"show", "close", "hide"}));
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Modal());

    ModalRunGuard run([](TCustomForm&) { return mrRetry; });
    EXPECT_EQ(form.ShowModal(), mrRetry);
}

TEST(FormsTest, RealModalLoopEndsWhenTheResultIsSetAndTheFormAgrees)
{
    TForm form(nullptr);
    int asked = 0;
    // The loop's first turn sets a result that OnCloseQuery refuses; the next one closes the form.
    form.OnShow = [&](TObject*) { QTimer::singleShot(0, QtAccess::Widget(form), [&] { form.SetModalResult(mrOk); }); };
    form.OnCloseQuery = [&](TObject*, bool& canClose) {
        canClose = ++asked > 1;
        if (!canClose)
            QTimer::singleShot(0, QtAccess::Widget(form), [&] { form.Close(); });
    };
    EXPECT_EQ(form.ShowModal(), mrCancel) << "Close on a modal form answers Cancel";
    EXPECT_EQ(asked, 2);
    form.OnShow = nullptr;
    EXPECT_THROW(
        {
            form.Show();
            form.ShowModal();
        },
        Exception);
    form.Hide();
}

TEST(FormsTest, AnExceptionInOnShowIsReportedAndTheFormIsShownAllTheSame)
{
    MessageBoxRecorder boxes;
    TForm form(nullptr);
    form.OnShow = [](TObject*) { throw std::runtime_error("bad file"); };
    ModalRunGuard run([](TCustomForm& shown) { return shown.Visible() ? mrOk : mrAbort; });
    EXPECT_EQ(form.ShowModal(), mrOk);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, QStringLiteral("bad file"));
}

TEST(FormsTest, CloseOfANonModalFormFollowsTheCloseAction)
{
    TForm form(nullptr);
    TCloseAction chosen = caHide;
    form.OnClose = [&](TObject*, TCloseAction& action) { action = chosen; };
    form.Show();
    chosen = caNone;
    form.Close();
    EXPECT_TRUE(form.Visible());
    chosen = caHide;
    form.Close();
    EXPECT_FALSE(form.Visible());
}

TEST(FormsTest, MessageBoxesAreRecordedAndAnswered)
{
    MessageBoxRecorder boxes({mrNo});
    EXPECT_EQ(
        MessageDlg(QStringLiteral("Row Already used. Do you want to overwrite the values?"), mtConfirmation, mbYesNo),
        mrNo);
    EXPECT_EQ(MessageDlg(QStringLiteral("Device Not Found!"), mtWarning, mbOK), mrOk);
    EXPECT_EQ(MessageDlg(QStringLiteral("Save?"), mtConfirmation, mbYesNoCancel), mrCancel) << "closed: Cancel";
    ASSERT_EQ(boxes.Shown.size(), 3u);
    EXPECT_EQ(boxes.Shown[0].Kind, mtConfirmation);
    EXPECT_EQ(boxes.Shown[0].Caption, QStringLiteral("Confirmation"));
    EXPECT_EQ(boxes.Shown[0].Buttons, mbYesNo);
    EXPECT_EQ(boxes.Shown[1].Caption, QStringLiteral("Warning"));
    EXPECT_EQ(boxes.Shown[1].Text, QStringLiteral("Device Not Found!"));
}

TEST(FormsTest, FileDialogsAnswerWithAPathOrCancel)
{
    TSaveDialog save(nullptr);
    save.Filter = QStringLiteral("EtherCAT ESI File (*.xml)|*.xml");
    save.DefaultExt = QStringLiteral("*.xml");
    save.InitialDir = QStringLiteral("/projects/p1");
    {
        FileDialogAnswer answer(QStringLiteral("/projects/p1/device"));
        EXPECT_TRUE(save.Execute());
        EXPECT_EQ(save.FileName, QStringLiteral("/projects/p1/device.xml"));
        ASSERT_EQ(answer.Shown.size(), 1u);
        EXPECT_TRUE(answer.Shown[0].Save);
        EXPECT_EQ(answer.Shown[0].InitialDir, QStringLiteral("/projects/p1"));
    }
    FileDialogAnswer cancel{QString()};
    TOpenDialog open(nullptr);
    open.FileName = QStringLiteral("keep.eds");
    EXPECT_FALSE(open.Execute());
    EXPECT_EQ(open.FileName, QStringLiteral("keep.eds"));
    EXPECT_FALSE(cancel.Shown[0].Save);

    // A description that already shows its patterns keeps them once.
    EXPECT_EQ(FilterToNameFilters(QStringLiteral("EDS (*.eds)|*.eds|All|*.eds;*.txt|Text (*.TXT; *.csv)|*.csv;*.txt|"
                                                 "Old (*.doc)|*.txt")),
              (QStringList{"EDS (*.eds)", "All (*.eds *.txt)", "Text (*.TXT; *.csv)", "Old (*.doc) (*.txt)"}));
    EXPECT_EQ(AddDefaultExt(QStringLiteral("a.txt"), QStringLiteral("xml")), QStringLiteral("a.txt"));
    EXPECT_EQ(AddDefaultExt(QStringLiteral("a"), QStringLiteral(".mib")), QStringLiteral("a.mib"));
}

TEST(FormsTest, ApplicationCreatesFormsInOrderAndRunsUntilTerminate)
{
    TApplication app;
    TForm* first = nullptr;
    TForm* second = nullptr;
    std::vector<QString> created;
    app.CreateForm(first);
    app.CreateForm(second);
    EXPECT_EQ(app.MainForm(), first);
    EXPECT_EQ(app.ComponentCount(), 2);
    QTimer::singleShot(0, [&] {
        created.push_back(first->Visible() ? "main shown" : "main hidden");
        app.Terminate();
    });
    app.Run();
    EXPECT_EQ(created, std::vector<QString>{"main shown"});
    EXPECT_TRUE(app.Terminated());
    EXPECT_EQ(app.ComponentCount(), 0) << "the forms are freed when the loop ends";
}
