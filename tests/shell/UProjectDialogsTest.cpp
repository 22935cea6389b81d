// The new and open project dialogs against a temporary program folder.
#include <QDir>
#include <memory>
#include "platform/FileUtils.h"
#include "shell/ProgramFolderFixture.h"
#include "shell/ULanguage.h"
#include "shell/UNew_Project.h"
#include "shell/UOpenConf.h"
#include "support/TestSeams.h"

namespace {

class ProjectDialogs : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        Load_Default_Language();
        Set_Files();
    }
    void MakeProject(const QString& name) { ASSERT_TRUE(QDir(Path_Projects).mkdir(name)); }
    QStringList Projects() const { return QDir(Path_Projects).entryList(QDir::Dirs | QDir::NoDotAndDotDot); }
};

TEST_F(ProjectDialogs, NewProjectRefusesNamesWithTheirMessage)
{
    MakeProject(QStringLiteral("Alpha"));
    const struct {
        QString name;
        int text;
    } cases[] = {
        {QString(), 107},
        {QStringLiteral("alpha"), 106},
        {QStringLiteral("ALPHA"), 106},
        {QStringLiteral("a/b"), 105},
        {QStringLiteral("a\\b"), 105},
        {QStringLiteral(".."), 105},
        {QStringLiteral("."), 105},
        {QStringLiteral("x:y"), 105},
        {QStringLiteral("what?"), 105},
        {QStringLiteral("tab\there"), 105},
        {QStringLiteral("bell\x07"), 105},
    };
    TFNew_Project form(nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        MessageBoxRecorder boxes;
        form.E_New_Proj->SetText(c.name);
        form.Btn_OKClick(nullptr);
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].Kind, mtError);
        EXPECT_EQ(boxes.Shown[0].Text, Lang_Text[c.text]);
        EXPECT_EQ(form.ModalResult(), mrNone);
    }
    EXPECT_EQ(Projects(), QStringList{QStringLiteral("Alpha")});
    EXPECT_TRUE(Path_Project.isEmpty());
}

TEST_F(ProjectDialogs, NewProjectWithoutProjectsFolderIsRefused)
{
    ASSERT_TRUE(QDir(Path_Projects).removeRecursively());
    TFNew_Project form(nullptr);
    MessageBoxRecorder boxes;
    form.E_New_Proj->SetText(QStringLiteral("Plant"));
    form.Btn_OKClick(nullptr);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, Lang_Text[105]);
    EXPECT_TRUE(Path_Project.isEmpty());
}

TEST_F(ProjectDialogs, NewProjectTypedAndConfirmedWithEnterMakesOnlyTheFolders)
{
    TFNew_Project form(nullptr);
    form.DoCreate();
    form.E_New_Proj->SetText(QStringLiteral("left over"));
    MessageBoxRecorder boxes;
    const ModalRunGuard run([](TCustomForm& shown) {
        auto& dialog = static_cast<TFNew_Project&>(shown);
        EXPECT_TRUE(dialog.E_New_Proj->Text().isEmpty());
        TypeText(*dialog.E_New_Proj, QStringLiteral(" Plant 1"));
        SendKey(*dialog.E_New_Proj, VK_RETURN);
        return mrNone;
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_TRUE(boxes.Shown.empty());
    const QString folder = Path_Projects + QStringLiteral("/ Plant 1");
    EXPECT_EQ(Project_Name, QStringLiteral(" Plant 1"));
    EXPECT_EQ(Path_Project, folder);
    EXPECT_EQ(File_ParGen, folder + QStringLiteral("/ParGen.xml"));
    EXPECT_EQ(File_S7_Protocol, folder + QStringLiteral("/S7_Protocol.xml"));
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("bin")});
    EXPECT_TRUE(QDir(folder + QStringLiteral("/bin")).isEmpty());
}

TEST_F(ProjectDialogs, OpenDialogListsProjectsAndPreselectsTheOpenOneInAnyCase)
{
    MakeProject(QStringLiteral("Alpha"));
    MakeProject(QStringLiteral("beta"));
    TFOpenConf form(nullptr);
    form.DoCreate();

    Path_Project = Path_Projects + QStringLiteral("/BETA");
    form.FormShow(nullptr);
    EXPECT_EQ(form.ListBox1->Items().Count(), 2);
    EXPECT_EQ(form.ListBox1->Items()[form.ListBox1->ItemIndex()], QStringLiteral("beta"));
    EXPECT_EQ(form.Name_Conf, QStringLiteral("beta"));

    Path_Project.clear();
    form.FormShow(nullptr);
    EXPECT_EQ(form.ListBox1->ItemIndex(), 0);
    EXPECT_EQ(form.Name_Conf, form.SL[0]);

    form.ListBox1->SetItemIndex(1);
    form.ListBox1Click(nullptr);
    EXPECT_EQ(form.Name_Conf, form.SL[1]);
    EXPECT_EQ(form.Search_Open_Conf(QStringLiteral("ALPHA")), form.SL.IndexOf(QStringLiteral("Alpha")));
    EXPECT_EQ(form.Search_Open_Conf(QStringLiteral("gamma")), -1);
}

TEST_F(ProjectDialogs, OpenDialogWithNoProjectsKeepsTheLastChoice)
{
    TFOpenConf form(nullptr);
    form.DoCreate();
    form.Name_Conf = QStringLiteral("Earlier");
    form.FormShow(nullptr);
    EXPECT_EQ(form.ListBox1->Items().Count(), 0);
    EXPECT_EQ(form.Name_Conf, QStringLiteral("Earlier"));
}

TEST_F(ProjectDialogs, DialogTextsFollowTheLanguage)
{
    TFNew_Project newProject(nullptr);
    TFOpenConf openConf(nullptr);
    newProject.DoCreate();
    openConf.DoCreate();
    EXPECT_EQ(newProject.Caption(), QStringLiteral("Create New Configuration"));
    EXPECT_EQ(openConf.Label1->Caption(), QStringLiteral("List of Avaliable Configurations"));
    EXPECT_EQ(openConf.Btn_Cancel->Hint, QStringLiteral("Cancel open of Configuration"));

    Lang_Text.SetString(102, QStringLiteral("Name"));
    Lang_Text.SetString(206, QStringLiteral("Open it"));
    Change_Language();
    EXPECT_EQ(newProject.Label1->Caption(), QStringLiteral("Name"));
    EXPECT_EQ(openConf.Btn_OK->Hint, QStringLiteral("Open it"));
}

}  // namespace
