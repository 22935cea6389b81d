#include "platform/Mask.h"
#include "platform/QtAccess.h"
#include "support/TestSeams.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>

TEST(MaskPattern, TypingOverTheMask)
{
    struct Case {
        const char* mask;
        const char* typed;
        const char* editText;
        const char* text;
    } cases[] = {
        {"!90:00;1; ", "1234", "12:34", "12:34"},
        {"!90:00;1; ", " 930", " 9:30", " 9:30"},  // the optional digit takes a blank
        {"!90:00;1; ", "a1", "1 :  ", "1 :  "},    // a letter is refused where a digit goes
        {"00-00;0;_", "12-34", "12-34", "1234"},   // literals left out of the text
        {"00-00;1;*", "1", "1*-**", "1 -  "},      // blanks show the blank character
        {"00-00", "12", "12-__", "12-  "},         // defaults: literals saved, blank "_"
        {"LL0;1;_", "a1b2", "ab2", "ab2"},
        {"l0;1;_", " 5", "_5", " 5"},
        {"0;1;_", " ", "_", " "},              // a required digit takes no blank
        {"\\0-00;1;_", "12", "0-12", "0-12"},  // an escaped mask character is a literal
        {"00:00", "12:", "12:__", "12:  "},    // the literal typed at the caret steps over it
        {"!90:00:00;1; ", "123456", "12:34:56", "12:34:56"},
        {"AAa;1;_", "a-1 ", "a1_", "a1 "},  // letters or digits, the optional one takes a blank
        {"A;1;_", " ", "_", " "},
        {"CCc;1;_", "-+ ", "-+_", "-+ "},  // any character
        {"C;1;_", " x", "x", "x"},         // a required one takes no blank
        {"###;1;_", "+5-", "+5-", "+5-"},  // digits and signs
        {"##;1;_", "a 7", "_7", " 7"},
        {">LL<LL;1;_", "abCD", "ABcd", "ABcd"},  // case changes
        {">L<>L;1;_", "ab", "Ab", "Ab"},         // <> keeps the case
        {">cc;1;_", "a1", "A1", "A1"},
        {"\\>L;1;_", ">a", ">a", ">a"},  // an escaped case sign is a literal
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
    EXPECT_EQ(TMaskPattern(QStringLiteral(">LL<L;1;_")).EditTextOf(QStringLiteral("abC"), true), QStringLiteral("ABc"));
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
    // Text from an input method keeps the mask's positions.
    edit.SetSelStart(1);
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("9\u00e9"));
    QCoreApplication::sendEvent(QtAccess::Widget(edit), &composed);
    EXPECT_EQ(edit.EditText(), QStringLiteral("193"));

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

namespace {
QPlainTextEdit* box(TCustomMaskEdit& edit)
{
    return static_cast<QPlainTextEdit*>(QtAccess::Widget(edit));
}
}  // namespace

TEST(MaskEdit, PasswordShowsItsCharacterAndKeepsTheText)
{
    Edit edit;
    int changes = 0;
    edit.OnChange = [&](TObject*) { ++changes; };
    edit.Perform(EM_SETPASSWORDCHAR, u'*');
    EXPECT_EQ(edit.Perform(EM_GETPASSWORDCHAR), u'*');
    TypeText(edit, QStringLiteral("secret"));
    EXPECT_EQ(edit.Text(), QStringLiteral("secret"));
    EXPECT_EQ(box(edit)->toPlainText(), QStringLiteral("******"));
    SendKey(edit, VK_BACK);
    edit.SetSelStart(0);
    SendKey(edit, VK_DELETE);
    edit.Perform(EM_SETSEL, 1, 2);
    TypeText(edit, QStringLiteral("X"));
    EXPECT_EQ(edit.Text(), QStringLiteral("eXre"));
    EXPECT_EQ(box(edit)->toPlainText(), QStringLiteral("****"));
    EXPECT_TRUE(edit.Modified());

    // Copy and cut give nothing and keep the text; paste still works.
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    edit.SelectAll();
    edit.Perform(WM_COPY);
    edit.Perform(WM_CUT);
    SendKey(edit, 'C', ssCtrl);
    SendKey(edit, 'X', ssCtrl);
    SendKey(edit, VK_INSERT, ssCtrl);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("clip"));
    EXPECT_EQ(edit.Text(), QStringLiteral("eXre"));
    edit.Perform(EM_SETSEL, 4, 4);
    edit.Perform(WM_PASTE);
    EXPECT_EQ(edit.Text(), QStringLiteral("eXreclip"));

    // One line; the limit counts the real text.
    edit.SetWordWrap(true);
    edit.SetMaxLength(9);
    TypeText(edit, QStringLiteral("\rab"));
    EXPECT_EQ(edit.Text(), QStringLiteral("eXreclipa"));

    // 0 shows the text again, selection and modified state kept, no change raised.
    edit.SetModified(false);
    edit.Perform(EM_SETSEL, 2, 4);
    const int before = changes;
    edit.Perform(EM_SETPASSWORDCHAR, 0);
    EXPECT_EQ(box(edit)->toPlainText(), QStringLiteral("eXreclipa"));
    EXPECT_EQ(edit.SelText(), QStringLiteral("re"));
    EXPECT_EQ(changes, before);
    EXPECT_FALSE(edit.Modified());
    edit.Perform(WM_COPY);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("re"));

    // Over a mask the literals are hidden too; Text keeps them.
    edit.SetPasswordChar(u'#');
    edit.SetEditMask(QStringLiteral("00-00;1;_"));
    edit.SetText(QString());
    edit.SetSelStart(0);
    TypeText(edit, QStringLiteral("123"));
    SendKey(edit, VK_BACK);
    TypeText(edit, QStringLiteral("45"));
    EXPECT_EQ(edit.Text(), QStringLiteral("12-45"));
    EXPECT_EQ(box(edit)->toPlainText(), QStringLiteral("#####"));
}

TEST(MaskEdit, PressInTheSelectionStartsNoDragWhereTheEditKeepsPositions)
{
    const auto pressInSelection = [](Edit& edit) {
        edit.SetBounds(0, 0, 120, 21);
        edit.SelectAll();
        QTextCursor c(box(edit)->document());
        c.setPosition(2);
        const QPointF p = box(edit)->cursorRect(c).center();
        QWidget* viewport = box(edit)->viewport();
        QMouseEvent press(QEvent::MouseButtonPress, p, viewport->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &press);
        return edit.SelLength();
    };
    Edit plain;
    plain.SetText(QStringLiteral("12345"));
    EXPECT_EQ(pressInSelection(plain), 5) << "a plain edit may drag its selection";
    Edit masked;
    masked.SetEditMask(QStringLiteral("00000;1;_"));
    masked.SetText(QStringLiteral("12345"));
    EXPECT_EQ(pressInSelection(masked), 0);
    Edit password;
    password.SetPasswordChar(u'*');
    password.SetText(QStringLiteral("12345"));
    EXPECT_EQ(pressInSelection(password), 0);
    EXPECT_EQ(masked.Text(), QStringLiteral("12345"));
}

namespace {
void sendMouse(QWidget* w, QEvent::Type type, QPointF p, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, p, w->mapToGlobal(p), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}
}  // namespace

TEST(MaskEdit, MouseOnTheTextReachesTheControlAndStillSelects)
{
    Edit edit;
    edit.SetBounds(0, 0, 120, 21);
    edit.SetEditMask(QStringLiteral("00000;1;_"));
    edit.SetText(QStringLiteral("12345"));
    std::vector<TPoint> downs;
    int doubleClicks = 0;
    edit.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int X, int Y) { downs.push_back({X, Y}); };
    edit.OnDblClick = [&](TObject*) { ++doubleClicks; };
    QWidget* viewport = box(edit)->viewport();
    const auto at = [&](int pos) {
        QTextCursor c(box(edit)->document());
        c.setPosition(pos);
        return QPointF(box(edit)->cursorRect(c).center());
    };
    sendMouse(viewport, QEvent::MouseButtonPress, at(1), Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, at(4), Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, at(4), Qt::NoButton);
    ASSERT_EQ(downs.size(), 1u);
    const QPoint inEdit = viewport->mapTo(QtAccess::Widget(edit), at(1).toPoint());
    EXPECT_EQ(downs[0], (TPoint{inEdit.x(), inEdit.y()})) << "in the control's coordinates";
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(edit.SelStart(), 1);
    EXPECT_EQ(edit.SelLength(), 3) << "dragging over the text selects";
    sendMouse(viewport, QEvent::MouseButtonDblClick, at(2), Qt::LeftButton);
    EXPECT_EQ(doubleClicks, 1);

    // A press the window procedure keeps from its base doesn't reach the box: the selection stays.
    struct KeepsPress : Edit {
        void WndProc(TMessage& m) override
        {
            if (m.Msg == WM_LBUTTONDOWN)
                ++kept;
            else
                Edit::WndProc(m);
        }
        int kept = 0;
    } keeps;
    keeps.SetText(QStringLiteral("12345"));
    keeps.SelectAll();
    sendMouse(box(keeps)->viewport(), QEvent::MouseButtonPress, at(2), Qt::LeftButton);
    sendMouse(box(keeps)->viewport(), QEvent::MouseButtonRelease, at(2), Qt::NoButton);
    EXPECT_EQ(keeps.kept, 1);
    EXPECT_EQ(keeps.SelLength(), 5);

    // Crossing from the frame into the text neither leaves nor enters the control.
    int enters = 0;
    int leaves = 0;
    edit.OnMouseEnter = [&](TObject*) { ++enters; };
    edit.OnMouseLeave = [&](TObject*) { ++leaves; };
    SendMouseEnter(edit);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(viewport, &leave);
    QEnterEvent enter(at(0), at(0), viewport->mapToGlobal(at(0)));
    QCoreApplication::sendEvent(viewport, &enter);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 0);
}

TEST(MaskEdit, PaintMessageDrawsOverTheBoxAndItsFrame)
{
    struct Painted : Edit {
        void WndProc(TMessage& m) override
        {
            Edit::WndProc(m);
            if (m.Msg != WM_PAINT)
                return;
            Canvas().Brush().SetColor(clRed);
            Canvas().FillRect(Rect(0, 0, 4, 4));
        }
    } edit;
    edit.SetBounds(0, 0, 60, 21);
    edit.SetText(QStringLiteral("text"));
    const QImage image = PaintToImage(edit);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red)) << "over the frame";
    EXPECT_EQ(image.pixelColor(3, 3), QColor(Qt::red));
    EXPECT_NE(image.pixelColor(5, 5), QColor(Qt::red));

    // Without a border the text starts further left.
    const int withFrame = GET_X_LPARAM(edit.Perform(EM_POSFROMCHAR, 0));
    edit.SetBorderStyle(bsNone);
    EXPECT_LT(GET_X_LPARAM(edit.Perform(EM_POSFROMCHAR, 0)), withFrame);
}
