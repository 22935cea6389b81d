#include "platform/Mask.h"
#include "platform/TestSeams.h"

#include <gtest/gtest.h>

TEST(MaskPattern, TypingOverTheMask)
{
    struct Case {
        const char* mask;
        const char* typed;
        const char* editText;
        const char* text;
    } cases[] = {
        {"!90:00;1; ", "1234", "12:34", "12:34"},
        {"!90:00;1; ", " 930", " 9:30", " 9:30"},        // the optional digit takes a blank
        {"!90:00;1; ", "a1", "1 :  ", "1 :  "},          // a letter is refused where a digit goes
        {"00-00;0;_", "12-34", "12-34", "1234"},         // literals left out of the text
        {"00-00;1;*", "1", "1*-**", "1 -  "},            // blanks show the blank character
        {"00-00", "12", "12-__", "12-  "},               // defaults: literals saved, blank "_"
        {"LL0;1;_", "a1b2", "ab2", "ab2"},
        {"l0;1;_", " 5", "_5", " 5"},
        {"0;1;_", " ", "_", " "},                        // a required digit takes no blank
        {"\\0-00;1;_", "12", "0-12", "0-12"},            // an escaped mask character is a literal
        {"00:00", "12:", "12:__", "12:  "},              // the literal typed at the caret steps over it
    };
    for (const Case& c : cases) {
        const TMaskPattern mask(QString::fromUtf8(c.mask));
        QString edit = mask.EditTextOf({}, true);
        int caret = 0;
        for (QChar ch : QString::fromUtf8(c.typed))
            if (const int next = mask.Type(edit, caret, ch); next >= 0)
                caret = next;
        EXPECT_EQ(edit, QString::fromUtf8(c.editText)) << c.mask << " typed " << c.typed;
        EXPECT_EQ(mask.TextOf(edit), QString::fromUtf8(c.text)) << c.mask << " typed " << c.typed;
    }
}

TEST(MaskPattern, TextAndEditTextConvert)
{
    const TMaskPattern saved(QStringLiteral("!90:00;1; "));
    EXPECT_EQ(saved.EditTextOf(QStringLiteral("12:34"), true), QStringLiteral("12:34"));
    EXPECT_EQ(saved.EditTextOf(QStringLiteral("1x:3"), true), QStringLiteral("1 :3 "));
    const TMaskPattern bare(QStringLiteral("00-00;0;_"));
    EXPECT_EQ(bare.EditTextOf(QStringLiteral("1234"), false), QStringLiteral("12-34"));
    EXPECT_EQ(bare.EditTextOf(QStringLiteral("12"), false), QStringLiteral("12-__"));
    EXPECT_TRUE(TMaskPattern(QString()).IsEmpty());
    EXPECT_EQ(TMaskPattern(QStringLiteral(";0;_")).Length(), 0);
}

namespace {
struct Edit : TCustomMaskEdit {
    Edit() : TCustomMaskEdit(nullptr) {}
    using TCustomMaskEdit::SetWordWrap;
};
}  // namespace

TEST(MaskEdit, KeysTypeAndEraseOverTheMask)
{
    Edit edit;
    int changes = 0;
    edit.OnChange = [&](TObject*) { ++changes; };
    edit.SetEditMask(QStringLiteral("!90:00;1; "));
    edit.SetText(QStringLiteral("12:34"));
    EXPECT_FALSE(edit.Modified());
    edit.SetSelStart(0);
    TypeText(edit, QStringLiteral("0"));
    EXPECT_EQ(edit.EditText(), QStringLiteral("02:34")) << "typing overwrites";
    EXPECT_EQ(edit.SelStart(), 1);
    EXPECT_TRUE(edit.Modified());
    SendKey(edit, VK_BACK);
    EXPECT_EQ(edit.EditText(), QStringLiteral(" 2:34"));
    EXPECT_EQ(edit.SelStart(), 0);
    edit.SetSelStart(2);
    SendKey(edit, VK_DELETE);
    EXPECT_EQ(edit.EditText(), QStringLiteral(" 2: 4")) << "Delete blanks the next input position";
    EXPECT_EQ(edit.SelStart(), 2);
    TypeText(edit, QStringLiteral("x"));
    EXPECT_EQ(edit.EditText(), QStringLiteral(" 2: 4"));
    edit.SelectAll();
    TypeText(edit, QStringLiteral("9"));
    EXPECT_EQ(edit.EditText(), QStringLiteral("9 :  "));
    EXPECT_EQ(edit.Text(), QStringLiteral("9 :  "));
    EXPECT_GT(changes, 0);

    edit.SetReadOnly(true);
    edit.SetSelStart(0);
    TypeText(edit, QStringLiteral("1"));
    SendKey(edit, VK_DELETE);
    EXPECT_EQ(edit.EditText(), QStringLiteral("9 :  "));

    // Without saved literals Text leaves them out; a new mask reformats the text.
    edit.SetReadOnly(false);
    edit.SetEditMask(QStringLiteral("00-00;0;_"));
    edit.SetText(QStringLiteral("1234"));
    EXPECT_EQ(edit.EditText(), QStringLiteral("12-34"));
    EXPECT_EQ(edit.Text(), QStringLiteral("1234"));
    edit.Perform(EM_SETSEL, 0, -1);
    EXPECT_EQ(edit.SelLength(), 5) << "selections count the shown text";
    edit.SetEditMask(QString());
    EXPECT_EQ(edit.Text(), QStringLiteral("1234"));
}

TEST(MaskEdit, PasteCutAndLengthLimit)
{
    Edit edit;
    edit.SetEditMask(QStringLiteral("000;1;_"));
    edit.SetSelStart(0);
    edit.SetSelText(QStringLiteral("1a23"));
    EXPECT_EQ(edit.EditText(), QStringLiteral("123"));
    edit.Perform(EM_SETSEL, 1, 2);
    edit.Perform(WM_CUT);
    EXPECT_EQ(edit.EditText(), QStringLiteral("1_3")) << "a cut keeps the mask's positions";
    edit.Perform(WM_PASTE);
    EXPECT_EQ(edit.EditText(), QStringLiteral("123"));

    edit.SetEditMask(QString());
    edit.SetMaxLength(5);
    edit.SetText(QString());
    TypeText(edit, QStringLiteral("abcdefg"));
    EXPECT_EQ(edit.Text(), QStringLiteral("abcde"));
    edit.Perform(EM_SETSEL, 1, 3);
    edit.SetSelText(QStringLiteral("XYZW\nsecond"));
    EXPECT_EQ(edit.Text(), QStringLiteral("aXYde")) << "one line, cut to the limit";
    edit.SetText(QStringLiteral("loaded text longer"));
    EXPECT_EQ(edit.Text(), QStringLiteral("loaded text longer"));
    TypeText(edit, QStringLiteral("\r\t"));
    EXPECT_EQ(edit.Text(), QStringLiteral("loaded text longer")) << "no line breaks or tabs on one line";
}

TEST(MaskEdit, LinesAndFormattingRectangle)
{
    Edit edit;
    edit.SetBounds(0, 0, 120, 60);
    edit.SetWordWrap(true);
    TypeText(edit, QStringLiteral("one\rtwo"));
    EXPECT_EQ(edit.Text(), QStringLiteral("one\ntwo"));
    EXPECT_EQ(edit.Perform(EM_LINEFROMCHAR, 5), 1);
    EXPECT_EQ(edit.Perform(EM_LINEFROMCHAR, 2), 0);
    const LPARAM second = edit.Perform(EM_POSFROMCHAR, 5);
    EXPECT_GT(GET_Y_LPARAM(second), GET_Y_LPARAM(edit.Perform(EM_POSFROMCHAR, 1)));
    EXPECT_EQ(edit.Perform(EM_CHARFROMPOS, 0, second + MAKELPARAM(1, 1)), MAKELPARAM(5, 1));
    edit.SetEditMask(QStringLiteral("00;1;_"));
    edit.SetText(QStringLiteral("1"));
    TypeText(edit, QStringLiteral("\r"));
    EXPECT_EQ(edit.EditText(), QStringLiteral("1_")) << "a mask keeps one line";

    // Right-aligned text ends at the right edge.
    edit.SetAlignment(taRightJustify);
    EXPECT_GT(GET_X_LPARAM(edit.Perform(EM_POSFROMCHAR, 0)), 60);

    TRect r;
    edit.Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r, Rect(0, 0, 120, 60));
    const TRect set = Rect(3, 3, 118, 61);
    edit.Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&set));
    edit.Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r, set);
    edit.Perform(EM_SETRECT, 0, 0);
    edit.Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r, Rect(0, 0, 120, 60));
}
