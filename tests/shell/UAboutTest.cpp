// The about box: fixed English texts and the link to the maker's home page.
#include <QFile>
#include "platform/Desktop.h"
#include "platform/QtAccess.h"
#include "shell/EnglishTextsFixture.h"
#include "shell/UAbout.h"
#include "shell/USoftOptions.h"
#include "support/TestSeams.h"

namespace {

using About = EnglishTextsTest;

QStringList shownTexts(TFAbout& about)
{
    QStringList texts{about.Caption()};
    for (TLabel* label : {about.Label1, about.Label2, about.Label3, about.Label6, about.Label8, about.Label9,
                          about.Label10, about.Label12})
        texts << label->Caption();
    return texts << about.OdButton1->Caption();
}

}  // namespace

TEST_F(About, KeepsItsEnglishTextsThroughALanguageSwitch)
{
    QFile file(Path_Language + "/Deutsch.lng");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBFSTR300 = Software-Optionen\nSTR312 = Gut\n");
    file.close();

    TFAbout about(nullptr);
    about.DoCreate();
    TFSoftOptions options(nullptr);
    options.DoCreate();
    options.FormShow(nullptr);
    {
        MessageBoxRecorder boxes({mrYes});
        options.LangClick(options.L_L[0]);
    }
    ASSERT_EQ(options.Caption(), "Software-Optionen");

    const ModalRunGuard run([&](TCustomForm&) {
        EXPECT_EQ(shownTexts(about),
                  QStringList({"About...", "Software Lattisor ", "EtherCAT Slave / DeviceNet Master - Converter",
                               "Version :", "Software Code : ", "Document Code :", "GXS59", "1.000", "GXM59", "OK"}));
        EXPECT_EQ(about.ClientWidth(), 425);
        EXPECT_EQ(about.ClientHeight(), 148);
        about.OdButton1->Click();
        return mrNone;
    });
    EXPECT_EQ(about.ShowModal(), mrOk);
}

TEST_F(About, MakersLinkStaysWholeInsideItsWindow)
{
    TFAbout about(nullptr);
    EXPECT_LE(about.Label4->Left() + about.Label4->Width(), about.ClientWidth());

    TLabel label(nullptr);
    label.SetCaption(QStringLiteral("www.x.com"));
    Place_Maker_Link(label, 316, 131, 417);
    EXPECT_EQ(label.Left(), 316);
    EXPECT_EQ(label.Top(), 131);
    label.SetCaption(QStringLiteral("www.a-much-longer-name-of-the-maker.com"));
    Place_Maker_Link(label, 316, 131, 417);
    EXPECT_LT(label.Left(), 316);
    EXPECT_EQ(label.Left() + label.Width(), 417);
}

TEST_F(About, AddressAndPictureOpenTheMakersHomePage)
{
    TFAbout about(nullptr);
    EXPECT_EQ(about.Label4->Caption(), Maker_Host());
    EXPECT_FALSE(QtAccess::Image(about.Image2->Picture().Bitmap()).isNull());
    QStringList opened;
    const ScopedHook<TShellOpenHook> open(ShellOpenHook(), [&](const QString& target) {
        opened << target;
        return true;
    });
    about.Label4->Click();
    about.Image2->Click();
    const QString home = "http://" + Maker_Host() + "/HOME/default.asp?frompg=GXS59";
    EXPECT_EQ(opened, QStringList({home, home}));
}
