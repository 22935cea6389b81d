#include "platform/QtAccess.h"
#include "platform/StdCtrls.h"
#include "support/TestSeams.h"

#include <gtest/gtest.h>
#include <QLineEdit>

namespace {

// A form with one control of type C on it.
template <typename C>
struct OnForm {
    TForm form{nullptr};
    C* control = new C(&form);
    OnForm() { control->SetParent(&form); }
};

int countPixels(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

}  // namespace

TEST(StdCtrlsTest, EditFiltersTypedKeysBySettingThemToZero)
{
    OnForm<TEdit> f;
    TEdit& edit = *f.control;
    int changes = 0;
    edit.OnChange = [&](TObject*) { ++changes; };
    edit.OnKeyPress = [](TObject*, char16_t& key) {
        if (key == u'x')
            key = u'X';
        else if (key != 8 && (key < u'0' || key > u'9') && key != u'X')
            key = 0;
    };
    TypeText(edit, QStringLiteral("1a2x"));
    EXPECT_EQ(edit.Text(), QStringLiteral("12X"));
    SendKey(edit, VK_BACK);
    EXPECT_EQ(edit.Text(), QStringLiteral("12"));
    EXPECT_EQ(changes, 4);
    edit.SetText(QStringLiteral("7"));
    EXPECT_EQ(changes, 5) << "a text set by code changes too";
}

TEST(StdCtrlsTest, EditMaxLengthLimitsTypingOnly)
{
    OnForm<TEdit> f;
    TEdit& edit = *f.control;
    edit.SetMaxLength(3);
    TypeText(edit, QStringLiteral("abcd"));
    EXPECT_EQ(edit.Text(), QStringLiteral("abc"));
    edit.SetText(QStringLiteral("longer than three"));
    EXPECT_EQ(edit.Text(), QStringLiteral("longer than three")) << "a loaded value is not cut";
    edit.SetSelStart(static_cast<int>(edit.Text().size()));
    SendKey(edit, VK_BACK);
    EXPECT_EQ(edit.Text(), QStringLiteral("longer than thre")) << "deleting is still possible";
}

TEST(StdCtrlsTest, EditSelectionAndEditMessages)
{
    TEdit edit(nullptr);
    edit.SetText(QStringLiteral("192.168"));
    edit.Perform(EM_SETSEL, 4, -1);
    EXPECT_EQ(edit.SelStart(), 4);
    EXPECT_EQ(edit.SelLength(), 3);
    EXPECT_EQ(edit.SelText(), QStringLiteral("168"));
    DWORD start = 0;
    DWORD end = 0;
    edit.Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 4u);
    EXPECT_EQ(end, 7u);
    edit.SetSelText(QStringLiteral("0"));
    EXPECT_EQ(edit.Text(), QStringLiteral("192.0"));
    edit.Perform(EM_SETREADONLY, 1);
    EXPECT_TRUE(edit.ReadOnly());
    edit.Perform(EM_SETPASSWORDCHAR, u'*');
    EXPECT_EQ(edit.PasswordChar(), u'*');
    EXPECT_EQ(edit.Perform(EM_GETPASSWORDCHAR), u'*');
    EXPECT_EQ(edit.Text(), QStringLiteral("192.0"));
    auto* line = static_cast<QLineEdit*>(QtAccess::Widget(edit));
    EXPECT_EQ(line->displayText(), QStringLiteral("*****"));
    edit.SetPasswordChar(u'#');
    EXPECT_EQ(line->displayText(), QStringLiteral("#####"));
    edit.SetPasswordChar(0);
    EXPECT_EQ(line->displayText(), QStringLiteral("192.0"));
}

TEST(StdCtrlsTest, EditEnteredOtherThanByAClickSelectsItsWholeText)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    TEdit* edits[2];
    for (int i = 0; i < 2; ++i) {
        edits[i] = new TEdit(&form);
        edits[i]->SetParent(&form);
        edits[i]->SetBounds(10 + i * 60, 10, 50, 21);
        edits[i]->SetText(QStringLiteral("127"));
    }
    edits[0]->AutoSelect = false;
    form.Show();

    edits[0]->SetFocus();
    EXPECT_EQ(edits[0]->SelLength(), 0);
    edits[1]->SetFocus();
    EXPECT_EQ(edits[1]->SelLength(), 3);
    TypeText(*edits[1], QStringLiteral("8"));
    EXPECT_EQ(edits[1]->Text(), QStringLiteral("8")) << "typing replaces the selected text";
}

TEST(StdCtrlsTest, EditChangeReachesTheParentAsACommand)
{
    class Parent : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
        void WndProc(TMessage& m) override
        {
            if (m.Msg == WM_COMMAND)
                commands.push_back({HIWORD(m.WParam), m.LParam});
            TCustomControl::WndProc(m);
        }
        std::vector<std::pair<WORD, LPARAM>> commands;
    } parent(nullptr);
    auto* edit = new TEdit(&parent);
    edit->SetParent(&parent);
    bool changed = false;
    edit->OnChange = [&](TObject*) { changed = true; };
    edit->SetText(QStringLiteral("x"));
    ASSERT_EQ(parent.commands.size(), 1u);
    EXPECT_EQ(parent.commands[0].first, EN_CHANGE);
    EXPECT_EQ(parent.commands[0].second, reinterpret_cast<LPARAM>(edit));
    EXPECT_TRUE(changed) << "reflected back to the edit";
}

TEST(StdCtrlsTest, ComboBoxStylesItemsAndSelection)
{
    OnForm<TComboBox> f;
    TComboBox& combo = *f.control;
    combo.SetStyle(csDropDownList);
    combo.Items().Add(QStringLiteral("125K"));
    combo.Items().Add(QStringLiteral("250K"));
    combo.Items().Add(QStringLiteral("500K"));
    std::vector<QString> events;
    combo.OnChange = [&](TObject*) { events.push_back("change " + combo.Text()); };
    EXPECT_EQ(combo.ItemIndex(), -1);
    combo.SetItemIndex(2);
    EXPECT_EQ(combo.Text(), QStringLiteral("500K"));
    EXPECT_TRUE(events.empty()) << "code changes raise no OnChange";
    combo.SetText(QStringLiteral("250K"));
    EXPECT_EQ(combo.ItemIndex(), 1);

    SendKey(combo, VK_DOWN);
    EXPECT_EQ(combo.ItemIndex(), 2);
    EXPECT_EQ(events, std::vector<QString>{"change 500K"});
    QString entry;
    EXPECT_EQ(combo.Perform(CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(&entry)), 4);
    EXPECT_EQ(entry, QStringLiteral("125K"));
    EXPECT_EQ(combo.Perform(CB_GETCURSEL), 2);
    EXPECT_EQ(combo.Perform(CB_GETLBTEXT, 7, reinterpret_cast<LPARAM>(&entry)), static_cast<LRESULT>(CB_ERR));

    combo.SetStyle(csDropDown);
    combo.SetText(QStringLiteral("own text"));
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), QStringLiteral("own text"));
    combo.Items().Add(QStringLiteral("1M"));
    EXPECT_EQ(combo.Text(), QStringLiteral("own text")) << "changing the items keeps the typed text";
}

TEST(StdCtrlsTest, ComboListChosenWithTheMouseLetsGoOfThePointer)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* combo = new TComboBox(&form);
    combo->SetParent(&form);
    combo->SetBounds(10, 10, 120, 21);
    combo->SetStyle(csDropDownList);
    for (const char* rate : {"125K", "250K", "500K"})
        combo->Items().Add(QString::fromLatin1(rate));
    combo->SetItemIndex(0);
    int selects = 0;
    combo->OnSelect = [&](TObject*) { ++selects; };
    auto* box = new TCheckBox(&form);
    box->SetParent(&form);
    box->SetBounds(10, 100, 120, 17);
    form.Show();

    SendClick(*combo, {60, 10});  // the press opens the list, which takes the release
    ASSERT_TRUE(combo->DroppedDown());
    SendComboListClick(*combo, 2);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(GetCaptureControl(), nullptr);

    SendClick(*box, {5, 5});
    EXPECT_TRUE(box->Checked()) << "the next click goes where it is made";
    EXPECT_FALSE(combo->DroppedDown());
}

TEST(StdCtrlsTest, ComboListKeysChooseAtOnceAndEscapeGoesBack)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* combo = new TComboBox(&form, csDropDownList);
    combo->SetParent(&form);
    combo->SetBounds(10, 10, 120, 21);
    for (const char* item : {"None", "10", "11", "12", "20"})
        combo->Items().Add(QString::fromLatin1(item));
    combo->SetItemIndex(0);
    int selects = 0;
    combo->OnSelect = [&](TObject*) { ++selects; };
    form.Show();

    combo->SetDroppedDown(true);
    SendComboListKey(*combo, '1');
    SendComboListKey(*combo, '2');
    EXPECT_EQ(combo->ItemIndex(), 3) << "typing in the open list chooses the item it reaches";
    EXPECT_TRUE(combo->DroppedDown());
    combo->SetDroppedDown(false);  // a click elsewhere closes the list
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(combo->Text(), QStringLiteral("12"));
    EXPECT_EQ(selects, 2);

    combo->SetDroppedDown(true);
    SendComboListKey(*combo, VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), 4);
    SendComboListKey(*combo, VK_ESCAPE);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 3) << "Esc goes back to the item of the opening";

    combo->SetDroppedDown(true);
    SendComboListKey(*combo, VK_UP);
    SendComboListKey(*combo, VK_RETURN);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
}

TEST(StdCtrlsTest, CheckBoxAndRadioButtonClickOnEveryChange)
{
    TForm form(nullptr);
    auto* box = new TCheckBox(&form);
    box->SetParent(&form);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    SendKey(*box, VK_SPACE);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
    SendClick(*box, {5, 5});
    EXPECT_EQ(clicks, 3) << "the mouse click is counted once";

    auto* a = new TRadioButton(&form);
    auto* b = new TRadioButton(&form);
    a->SetParent(&form);
    b->SetParent(&form);
    int radioClicks = 0;
    b->OnClick = [&](TObject*) { ++radioClicks; };
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(radioClicks, 1);
}

TEST(StdCtrlsTest, DisabledEditComboAndCheckBoxWriteInGrey)
{
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    auto* combo = new TComboBox(&form);
    auto* box = new TCheckBox(&form);
    combo->SetStyle(csDropDownList);
    combo->Items().Add(QStringLiteral("500K"));
    combo->SetItemIndex(0);
    edit->SetText(QStringLiteral("192"));
    box->SetCaption(QStringLiteral("Gateway"));
    for (TWinControl* control :
         {static_cast<TWinControl*>(edit), static_cast<TWinControl*>(combo), static_cast<TWinControl*>(box)}) {
        SCOPED_TRACE(control->ClassName().toStdString());
        control->SetParent(&form);
        const QImage enabled = PaintToImage(*control);
        control->SetEnabled(false);
        const QImage disabled = PaintToImage(*control);
        EXPECT_GT(countPixels(enabled, qRgb(0, 0, 0)), 10);
        EXPECT_EQ(countPixels(disabled, qRgb(0, 0, 0)), 0);
        EXPECT_GT(countPixels(disabled, qRgb(128, 128, 128)), 10) << "the text in grey";
    }
}

TEST(StdCtrlsTest, LabelSizesToItsTextAndPaintsTransparent)
{
    TCustomControl back(nullptr);
    back.SetBounds(0, 0, 200, 50);
    back.SetColor(clBlue);
    auto* label = new TLabel(&back);
    label->SetParent(&back);
    label->SetCaption(QStringLiteral("Node Address"));
    const int oneLine = label->Height();
    EXPECT_GT(label->Width(), 30);
    EXPECT_GT(oneLine, 5);
    label->SetCaption(QStringLiteral("Node"));
    EXPECT_LT(label->Width(), 60);

    label->SetWordWrap(true);
    label->SetWidth(40);
    label->SetCaption(QStringLiteral("one two three four"));
    EXPECT_EQ(label->Width(), 40);
    EXPECT_GT(label->Height(), oneLine * 2);

    label->SetTransparent(true);
    label->Font().SetColor(clWhite);
    const QImage image = PaintToImage(back);
    EXPECT_EQ(image.pixelColor(label->Width() - 1, 0), QColor(Qt::blue)) << "no background of its own";
    bool white = false;
    for (int y = 0; y < label->Height(); ++y)
        for (int x = 0; x < label->Width(); ++x)
            white = white || image.pixelColor(x, y) == QColor(Qt::white);
    EXPECT_TRUE(white) << "the text is drawn";
}

TEST(StdCtrlsTest, LabelHeldToAWidthElidesWhatDoesNotFit)
{
    TCustomControl back(nullptr);
    back.SetBounds(0, 0, 200, 30);
    // The label as it paints at its own size, or held to the width.
    const auto paint = [&back](const QString& caption, int width) {
        auto* l = new TLabel(&back);
        l->SetParent(&back);
        l->SetCaption(caption);
        if (width > 0) {
            l->SetAutoSize(false);
            l->SetWidth(width);
        }
        return PaintToImage(*l);
    };
    const QString caption = QStringLiteral("Node Address");
    const QImage held = paint(caption, 50);
    bool elided = false;
    for (int n = 1; n < caption.size() && !elided; ++n)
        elided = paint(caption.left(n) + QStringLiteral("..."), 50) == held;
    EXPECT_TRUE(elided) << "drawn as the start of the caption and three dots";
    const QRgb ink = qRgb(0, 0, 0);
    EXPECT_EQ(countPixels(paint(QStringLiteral("No"), 50), ink), countPixels(paint(QStringLiteral("No"), 0), ink))
        << "a text that fits is drawn whole";
}

TEST(StdCtrlsTest, LinkLabelReportsTheClickedLink)
{
    TLinkLabel link(nullptr);
    link.SetCaption(QStringLiteral(
        R"(New Version <a href="https://example.test/download">Click Here</a> or <a>details</a> & more)"));
    EXPECT_EQ(link.Links(), (QStringList{"https://example.test/download", "details"}));
    QString clicked;
    link.OnLinkClick = [&](TObject*, const QString& l, TSysLinkType) { clicked = l; };
    link.ClickLink(link.Links().at(0));
    EXPECT_EQ(clicked, QStringLiteral("https://example.test/download"));
    EXPECT_TRUE(link.Caption().endsWith(QStringLiteral("& more")));
}

TEST(StdCtrlsTest, ListBoxClicksWhenTheUserMovesTheSelection)
{
    OnForm<TListBox> f;
    TListBox& list = *f.control;
    list.Items().SetFrom({"a", "b", "c"});
    int clicks = 0;
    list.OnClick = [&](TObject*) { ++clicks; };
    list.SetItemIndex(0);
    EXPECT_EQ(clicks, 0);
    SendKey(list, VK_DOWN);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    list.Items().Delete(2);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(list.Count(), 2);
}

TEST(StdCtrlsTest, MemoLinesAndEnterKey)
{
    OnForm<TMemo> f;
    TMemo& memo = *f.control;
    memo.SetLines({"first", "second"});
    EXPECT_EQ(memo.Text(), QStringLiteral("first\nsecond"));
    EXPECT_EQ(memo.Lines().size(), 2);
    EXPECT_NE(memo.Perform(WM_GETDLGCODE) & DLGC_WANTALLKEYS, 0);
    memo.WantReturns = false;
    EXPECT_EQ(memo.Perform(WM_GETDLGCODE) & DLGC_WANTALLKEYS, 0);
}

TEST(StdCtrlsTest, EditTextFollowsEveryFontColourChange)
{
    TCustomControl back(nullptr);
    back.SetBounds(0, 0, 200, 50);
    back.Show();
    auto* edit = new TEdit(&back);
    edit->SetParent(&back);
    const QWidget* widget = QtAccess::Widget(*edit);
    const auto text = [widget](QPalette::ColorGroup group) { return widget->palette().color(group, QPalette::Text); };
    EXPECT_EQ(text(QPalette::Active), ColorToQColor(clWindowText));
    for (const TColor colour : {clRed, clBlue, clRed}) {
        edit->Font().SetColor(colour);
        EXPECT_EQ(text(QPalette::Active), ColorToQColor(colour));
        EXPECT_EQ(text(QPalette::Disabled), ColorToQColor(clGrayText));
    }
    // A control with a font of its own keeps its colour when its parent's text colour changes.
    edit->Font().SetColor(clWindowText);
    back.Font().SetColor(clLime);
    EXPECT_EQ(text(QPalette::Active), ColorToQColor(clWindowText));
    EXPECT_EQ(text(QPalette::Inactive), ColorToQColor(clWindowText));
}
