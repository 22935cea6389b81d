#include "controls/button/OdButton.h"

#include "platform/ActnList.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/QtAccess.h"
#include "support/TestSeams.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr TColor FormFace = 0xEDF7F8;
constexpr TColor FormDown = 0x0080FF;

// A focusable control standing in for any class by name.
class Probe : public TCustomControl {
public:
    Probe(TComponent* owner, QString name) : TCustomControl(owner), name_(std::move(name)) { TabStop = true; }
    QString ClassName() const override { return name_; }

private:
    QString name_;
};

// A shown form with one button, counting its clicks.
class ButtonTest : public ::testing::Test {
protected:
    ButtonTest() : form(std::make_unique<TForm>(nullptr))
    {
        form->SetBounds(0, 0, 300, 200);
        button = add(10, 10);
        form->Show();
    }

    TOdButton* add(int x, int y)
    {
        auto* b = new TOdButton(form.get());
        b->SetParent(form.get());
        b->SetBounds(x, y, 110, 28);
        b->OnClick = [this](TObject* sender) { clicked.push_back(static_cast<TOdButton*>(sender)); };
        return b;
    }
    // A control of that class name on the form, with the focus.
    std::unique_ptr<Probe> probe(const QString& name)
    {
        auto p = std::make_unique<Probe>(nullptr, name);
        p->SetParent(form.get());
        p->SetBounds(10, 100, 50, 20);
        p->SetFocus();
        return p;
    }
    // The buttons' look on the forms.
    void formLook(TOdButton& b)
    {
        b.SetStyle(bsEncarta);
        b.SetColor(FormFace);
        b.ColorWhenDown = FormDown;
        b.HotTrackColor = clYellow;
        b.SetLightColor(clGray);
    }
    TColor pixel(TOdButton& b, int x, int y) { return QColorToColor(PaintToImage(b).pixelColor(x, y)); }

    std::unique_ptr<TForm> form;
    TOdButton* button;
    std::vector<TOdButton*> clicked;
};

TEST_F(ButtonTest, Defaults)
{
    TOdButton b(nullptr);
    EXPECT_EQ(b.Width(), 100);
    EXPECT_EQ(b.Height(), 23);
    EXPECT_EQ(b.Alignment(), taCenter);
    EXPECT_FALSE(b.Cancel);
    EXPECT_FALSE(b.Default);
    EXPECT_EQ(b.Caption(), QString());
    EXPECT_EQ(b.Color(), clBtnFace);
    EXPECT_EQ(b.ColorStyle(), lcsCustom);
    EXPECT_EQ(b.ColorWhenDown, clNone);
    EXPECT_FALSE(b.Flat());
    EXPECT_TRUE(b.Glyph().Empty());
    EXPECT_EQ(b.HotTrackColor, clNone);
    EXPECT_EQ(b.Kind(), bkCustom);
    EXPECT_EQ(b.Layout(), blGlyphLeft);
    EXPECT_EQ(b.LightColor(), 0xFFFFFF);
    EXPECT_EQ(b.ModalResult(), 0);
    EXPECT_EQ(b.NumGlyphs(), 0);
    EXPECT_EQ(b.ShadowColor(), 0x808080);
    EXPECT_FALSE(b.SlowDecease());
    EXPECT_EQ(b.Style(), bsNormal);
    EXPECT_FALSE(b.UseHotTrackFont);
    EXPECT_FALSE(b.WordWrap());
    EXPECT_TRUE(b.TabStop);
    EXPECT_FALSE(b.ParentColor());

    // Owned by a form, the hot-track font starts as the form's font.
    form->Font().SetName(QStringLiteral("Verdana"));
    form->Font().SetHeight(-13);
    TOdButton owned(form.get());
    EXPECT_EQ(owned.HotTrackFont().Name(), QStringLiteral("Verdana"));
    EXPECT_EQ(owned.HotTrackFont().Height(), -13);
}

TEST_F(ButtonTest, KindsSetResultGlyphAndCaption)
{
    struct Case {
        TOdButtonKind kind;
        TModalResult result;
        QString caption;
        int glyphHeight;
    };
    const Case cases[] = {
        {bkOK, mrOk, QStringLiteral("OK"), 18},
        {bkCancel, mrCancel, QStringLiteral("Abbrechen"), 18},
        {bkHelp, mrNone, QStringLiteral("Hilfe"), 18},
        {bkYes, mrYes, QStringLiteral("Ja"), 18},
        {bkNo, mrNo, QStringLiteral("Nein"), 18},
        {bkClose, mrNone, QStringLiteral(u"Schließen"), 18},
        {bkAbort, mrAbort, QStringLiteral("Abbrechen"), 18},
        {bkRetry, mrRetry, QStringLiteral("Wiederholen"), 18},
        {bkIgnore, mrIgnore, QStringLiteral("Ignorieren"), 18},
        {bkAll, mrAll, QStringLiteral("Alle"), 19},
    };
    for (const Case& c : cases) {
        button->SetKind(c.kind);
        EXPECT_EQ(button->Kind(), c.kind);
        EXPECT_EQ(button->ModalResult(), c.result);
        EXPECT_EQ(button->Caption(), c.caption);
        EXPECT_EQ(button->NumGlyphs(), 2);
        EXPECT_EQ(button->Glyph().Width(), 36);
        EXPECT_EQ(button->Glyph().Height(), c.glyphHeight);
    }

    // A modal result written afterwards keeps glyph and caption but makes the kind custom.
    button->SetKind(bkOK);
    button->SetModalResult(mrCancel);
    EXPECT_EQ(button->Kind(), bkCustom);
    EXPECT_EQ(button->Caption(), QStringLiteral("OK"));
    EXPECT_EQ(button->Glyph().Width(), 36);

    // bkCustom changes nothing else.
    button->SetKind(bkCustom);
    EXPECT_EQ(button->ModalResult(), mrCancel);
    EXPECT_EQ(button->NumGlyphs(), 2);
}

TEST_F(ButtonTest, GlyphSetsCellCountAndMakesTheKindCustom)
{
    button->SetKind(bkYes);
    TBitmap strip(80, 20);
    button->SetGlyph(&strip);
    EXPECT_EQ(button->NumGlyphs(), 4);
    EXPECT_EQ(button->Kind(), bkCustom);
    EXPECT_EQ(button->ModalResult(), mrYes);
    button->SetGlyph(nullptr);
    EXPECT_EQ(button->NumGlyphs(), 0);
    EXPECT_EQ(button->Glyph().Height(), 0);
}

TEST_F(ButtonTest, ColorStylePresetIsAppliedNotKept)
{
    button->SetColorStyle(lcsGold);
    EXPECT_EQ(button->ColorStyle(), lcsCustom);
    EXPECT_EQ(button->Color(), 0x00C0C0);
    EXPECT_EQ(button->LightColor(), 0x00FFFF);
    EXPECT_EQ(button->ShadowColor(), 0x008080);
    EXPECT_EQ(button->ColorWhenDown, clNone);
    EXPECT_EQ(button->HotTrackColor, 0x00DFDF);
    EXPECT_EQ(button->Style(), bsModern);
    EXPECT_EQ(button->Font().Color(), clBlack);

    button->SetColorStyle(lcsQuicken);
    EXPECT_EQ(button->Style(), bsQuicken);
    EXPECT_EQ(button->Font().Color(), clWhite);
    button->SetColorStyle(lcsUltraFlat2);
    EXPECT_TRUE(button->Flat());
    EXPECT_EQ(button->ColorWhenDown, 0x24DABC);

    // lcsCustom leaves everything as it is.
    button->SetColorStyle(lcsCustom);
    EXPECT_EQ(button->ColorWhenDown, 0x24DABC);
    EXPECT_TRUE(button->Flat());
}

// Key and mouse input on the focused button, and the clicks it makes.
TEST_F(ButtonTest, KeysAndMouseClick)
{
    enum Kind { KeyDown, KeyUp, Down, Up };
    struct Step {
        Kind kind;
        WORD key = 0;
        TMouseButton mouse = TMouseButton::mbLeft;
        TPoint at{20, 10};
    };
    struct Case {
        const char* name;
        bool enabled;
        std::vector<Step> steps;
        int clicks;
    };
    const Case cases[] = {
        {"Enter", true, {{KeyDown, VK_RETURN}, {KeyUp, VK_RETURN}}, 1},
        {"Space", true, {{KeyDown, VK_SPACE}, {KeyUp, VK_SPACE}}, 1},
        {"other key", true, {{KeyDown, 'A'}, {KeyUp, 'A'}}, 0},
        {"key up alone", true, {{KeyUp, VK_RETURN}}, 0},
        {"Enter disabled", false, {{KeyDown, VK_RETURN}, {KeyUp, VK_RETURN}}, 0},
        {"left click", true, {{Down}, {Up}}, 1},
        {"left press, release outside", true, {{Down}, {Up, 0, TMouseButton::mbLeft, {-40, 90}}}, 1},
        {"right click", true, {{Down, 0, TMouseButton::mbRight}, {Up, 0, TMouseButton::mbRight}}, 0},
        {"left click disabled", false, {{Down}, {Up}}, 0},
    };
    for (const Case& c : cases) {
        clicked.clear();
        button->SetEnabled(true);
        button->SetFocus();
        button->SetEnabled(c.enabled);
        for (const Step& s : c.steps) {
            switch (s.kind) {
            case KeyDown:
                SendKeyDown(*button, s.key);
                break;
            case KeyUp:
                SendKeyUp(*button, s.key);
                break;
            case Down:
                SendMouse(*button, TMouseAction::Down, s.mouse, s.at);
                break;
            case Up:
                SendMouse(*button, TMouseAction::Up, s.mouse, s.at);
                break;
            }
        }
        EXPECT_EQ(static_cast<int>(clicked.size()), c.clicks) << c.name;
    }
}

TEST_F(ButtonTest, MousePressTakesTheFocus)
{
    const auto other = probe(QStringLiteral("TEdit"));
    ASSERT_TRUE(other->Focused());
    SendMouse(*button, TMouseAction::Down, TMouseButton::mbLeft, {5, 5});
    EXPECT_TRUE(button->Focused());
    SendMouse(*button, TMouseAction::Up, TMouseButton::mbLeft, {5, 5});
}

TEST_F(ButtonTest, DialogKeysReachTheDefaultAndCancelButtons)
{
    button->Default = true;
    TOdButton* cancel = add(130, 10);
    cancel->Cancel = true;
    struct Case {
        QString focused;
        WORD key;
        TShiftState shift;
        TOdButton* clicks;
    };
    const Case cases[] = {
        {QStringLiteral("TCheckBox"), VK_RETURN, 0, button},
        {QStringLiteral("TRadioButton"), VK_RETURN, 0, button},
        {QStringLiteral("TCheckBox"), VK_RETURN, ssShift, button},
        {QStringLiteral("TButton"), VK_RETURN, 0, nullptr},
        {QStringLiteral("TOdButton"), VK_RETURN, 0, nullptr},
        {QStringLiteral("TCheckBox"), VK_ESCAPE, 0, cancel},
        {QStringLiteral("TCheckBox"), VK_ESCAPE, ssShift, nullptr},
        {QStringLiteral("TCheckBox"), VK_ESCAPE, ssCtrl, nullptr},
        {QStringLiteral("TSpeedButton"), VK_ESCAPE, 0, nullptr},
    };
    for (const Case& c : cases) {
        clicked.clear();
        const auto p = probe(c.focused);
        SendKey(*p, c.key, c.shift);
        if (c.clicks) {
            ASSERT_EQ(clicked.size(), 1u) << c.focused.toStdString() << " " << c.key;
            EXPECT_EQ(clicked[0], c.clicks);
        } else {
            EXPECT_TRUE(clicked.empty()) << c.focused.toStdString() << " " << c.key;
        }
    }

    // Hidden or disabled buttons do not click, and are not left pressed.
    const auto p = probe(QStringLiteral("TCheckBox"));
    clicked.clear();
    button->SetVisible(false);
    cancel->SetEnabled(false);
    SendKey(*p, VK_RETURN);
    SendKey(*p, VK_ESCAPE);
    EXPECT_TRUE(clicked.empty());
    button->SetVisible(true);
    SendMouse(*button, TMouseAction::Up, TMouseButton::mbRight, {5, 5});
    EXPECT_TRUE(clicked.empty());
}

TEST_F(ButtonTest, AcceleratorCharacterClicks)
{
    button->SetCaption(QStringLiteral("&Retry"));
    TOdButton* other = add(130, 10);
    other->SetCaption(QStringLiteral("Save && &quit"));
    const auto p = probe(QStringLiteral("TCheckBox"));
    TypeText(*p, QStringLiteral("r"));
    ASSERT_EQ(clicked.size(), 1u);
    EXPECT_EQ(clicked[0], button);
    TypeText(*p, QStringLiteral("Q"));
    ASSERT_EQ(clicked.size(), 2u);
    EXPECT_EQ(clicked[1], other);
    TypeText(*p, QStringLiteral("s"));
    EXPECT_EQ(clicked.size(), 2u);
    button->SetEnabled(false);
    TypeText(*p, QStringLiteral("r"));
    EXPECT_EQ(clicked.size(), 2u);
}

TEST_F(ButtonTest, ClickRunsOnClickThenSetsTheModalResult)
{
    std::vector<TModalResult> seen;
    button->OnClick = [&](TObject*) { seen.push_back(form->ModalResult()); };
    button->SetKind(bkOK);
    button->Click();
    EXPECT_EQ(seen, std::vector<TModalResult>{mrNone});
    EXPECT_EQ(form->ModalResult(), mrOk);

    form->SetModalResult(mrNone);
    button->SetKind(bkHelp);
    button->Click();
    EXPECT_EQ(form->ModalResult(), mrNone);
    button->SetKind(bkClose);
    button->Click();
    EXPECT_EQ(form->ModalResult(), mrNone);
    EXPECT_EQ(seen.size(), 3u);
}

TEST_F(ButtonTest, ClickRunsResultPopupMenuThenAction)
{
    std::vector<QString> log;
    TPopupMenu menu(nullptr);
    TMenuItem& item = menu.Add(QStringLiteral("&Item"), [&](TObject*) { log.push_back(QStringLiteral("item")); });
    TAction action(nullptr);
    action.OnExecute = [&](TObject*) { log.push_back(QStringLiteral("action")); };
    TPoint shownAt{-1, -1};
    ScopedHook<TPopupMenuHook> run(PopupMenuHook(), [&](TPopupMenu&, TPoint at) {
        log.push_back(QStringLiteral("menu, result %1").arg(form->ModalResult()));
        shownAt = at;
        return &item;
    });
    button->OnClick = [&](TObject*) { log.push_back(QStringLiteral("click, result %1").arg(form->ModalResult())); };
    button->SetModalResult(mrOk);
    button->PopupMenu = &menu;
    button->SetAction(&action);

    SendClick(*button, {20, 10});
    const std::vector<QString> expected{QStringLiteral("click, result 0"), QStringLiteral("menu, result 1"),
                                        QStringLiteral("item"), QStringLiteral("action")};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(form->ModalResult(), mrOk);
    EXPECT_EQ(shownAt, button->ClientToScreen({0, button->Height()}));

    // An ignored click (Enter on a hidden default button) shows no menu and runs no action.
    log.clear();
    button->Default = true;
    button->SetVisible(false);
    const auto p = probe(QStringLiteral("TEdit"));
    SendKey(*p, VK_RETURN);
    EXPECT_TRUE(log.empty());
}

TEST_F(ButtonTest, PopupMenuAddsTheArrow)
{
    formLook(*button);
    const QImage plain = PaintToImage(*button);
    TPopupMenu menu(nullptr);
    button->PopupMenu = &menu;
    const QImage marked = PaintToImage(*button);
    // "ODARROW" is 5 x 3 at (W - 11, H / 2 - 1).
    const QRect arrow(110 - 11, 28 / 2 - 1, 5, 3);
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != marked.pixel(x, y)) {
                EXPECT_TRUE(arrow.contains(x, y)) << x << "," << y;
                ++changed;
            }
    EXPECT_GT(changed, 0);
}

TEST_F(ButtonTest, ActionImageFillsAnEmptyGlyph)
{
    // An 8 x 6 image: the left half red, the right half clear.
    TImageList images(8, 6);
    QImage picture(8, 6, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 4; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    QtAccess::AddImage(images, picture);

    struct Case {
        const char* name;
        int imageIndex;
        bool withImages;
        bool glyphSet;
        bool copied;
    };
    const Case cases[] = {
        {"image 0", 0, true, false, true},
        {"no image", -1, true, false, false},
        {"index past the list", 1, true, false, false},
        {"no image list", 0, false, false, false},
        {"glyph already set", 0, true, true, false},
    };
    for (const Case& c : cases) {
        TOdButton b(form.get());
        TBitmap own(20, 10);
        if (c.glyphSet)
            b.SetGlyph(&own);
        TActionList list(nullptr);
        list.Images = c.withImages ? &images : nullptr;
        TAction action(nullptr);
        action.SetActionList(&list);
        action.SetImageIndex(c.imageIndex);
        action.SetCaption(QStringLiteral("Run"));
        b.SetAction(&action);
        EXPECT_EQ(b.Caption(), QStringLiteral("Run")) << c.name;
        if (!c.copied) {
            EXPECT_EQ(b.Glyph().Width(), c.glyphSet ? 20 : 0) << c.name;
            continue;
        }
        EXPECT_EQ(b.Glyph().Width(), 8) << c.name;
        EXPECT_EQ(b.Glyph().Height(), 6) << c.name;
        EXPECT_EQ(b.NumGlyphs(), 1) << c.name;
        EXPECT_EQ(QtAccess::Image(b.Glyph()).pixel(1, 1), qRgb(255, 0, 0)) << c.name;
        EXPECT_EQ(QtAccess::Image(b.Glyph()).pixel(6, 1), qRgb(255, 0, 255)) << c.name;
    }

    // The image also comes when the action gets its list or index later.
    TOdButton late(form.get());
    TActionList list(nullptr);
    list.Images = &images;
    TAction action(nullptr);
    late.SetAction(&action);
    action.SetActionList(&list);
    EXPECT_TRUE(late.Glyph().Empty());
    action.SetImageIndex(0);
    EXPECT_EQ(late.Glyph().Width(), 8);
}

TEST_F(ButtonTest, PaintedStates)
{
    formLook(*button);
    EXPECT_EQ(pixel(*button, 2, 2), FormFace);

    int entered = 0;
    button->OnMouseEnter = [&](TObject*) { ++entered; };
    SendMouseEnter(*button);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(pixel(*button, 2, 2), clYellow);

    SendMouse(*button, TMouseAction::Down, TMouseButton::mbLeft, {5, 5});
    EXPECT_EQ(pixel(*button, 2, 2), FormDown);
    SendMouse(*button, TMouseAction::Up, TMouseButton::mbLeft, {5, 5});
    EXPECT_EQ(pixel(*button, 2, 2), clYellow);

    int left = 0;
    button->OnMouseExit = [&](TObject*) { ++left; };
    SendMouseLeave(*button);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(pixel(*button, 2, 2), FormFace);
    EXPECT_FALSE(button->HasTimer(TOdButton::FadeTimer));

    // Focused: a dotted rectangle 4 pixels inside the edge.
    ASSERT_TRUE(button->Focused());
    const QImage focused = PaintToImage(*button);
    EXPECT_NE(QColorToColor(focused.pixelColor(4, 4)), FormFace);
    EXPECT_EQ(QColorToColor(focused.pixelColor(5, 5)), FormFace);

    // Disabled: not hot, not pressed, no focus rectangle.
    button->SetEnabled(false);
    SendMouseEnter(*button);
    SendMouse(*button, TMouseAction::Down, TMouseButton::mbLeft, {5, 5});
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(pixel(*button, 2, 2), FormFace);
    EXPECT_EQ(pixel(*button, 4, 4), FormFace);
}

TEST_F(ButtonTest, OldStyleFocusedHasABlackFrame)
{
    button->SetStyle(bsOld);
    button->SetColor(clSilver);
    const auto other = probe(QStringLiteral("TEdit"));
    EXPECT_EQ(pixel(*button, 0, 0), clWhite);
    button->SetFocus();
    const QImage image = PaintToImage(*button);
    EXPECT_EQ(QColorToColor(image.pixelColor(0, 0)), clBlack);
    EXPECT_EQ(QColorToColor(image.pixelColor(109, 27)), clBlack);
    // The face inside is one pixel smaller and moved one pixel: its light edge starts at (1, 1).
    EXPECT_EQ(QColorToColor(image.pixelColor(1, 1)), clWhite);
    EXPECT_EQ(QColorToColor(image.pixelColor(2, 2)), clSilver);
}

TEST_F(ButtonTest, TransparentStylesShowWhatIsBehind)
{
    button->SetStyle(bsModern);
    const auto other = probe(QStringLiteral("TEdit"));
    // The rounded corner is not drawn; PaintToImage paints on white.
    EXPECT_EQ(pixel(*button, 0, 0), clWhite);
    button->SetStyle(bsShape);
    EXPECT_EQ(pixel(*button, 20, 2), clWhite);
}

class FadeTest : public ButtonTest {
protected:
    FadeTest()
    {
        formLook(*button);
        button->SetSlowDecease(true);
        other = probe(QStringLiteral("TEdit"));
    }
    bool tick() { return FireWindowTimer(button, TOdButton::FadeTimer); }
    // Holds the focus, so that only the pointer makes the button hot.
    std::unique_ptr<Probe> other;
};

TEST_F(FadeTest, EightStepsThenStops)
{
    SendMouseEnter(*button);
    EXPECT_FALSE(button->HasTimer(TOdButton::FadeTimer));
    SendMouseLeave(*button);
    EXPECT_EQ(pixel(*button, 2, 2), clYellow);
    for (int step = 7; step >= 0; --step) {
        ASSERT_TRUE(tick()) << step;
        EXPECT_EQ(pixel(*button, 2, 2), OdHotTrackBlend(FormFace, clYellow, step)) << step;
    }
    EXPECT_EQ(pixel(*button, 2, 2), FormFace);
    EXPECT_FALSE(tick());
}

TEST_F(FadeTest, EnteringAgainRestoresTheHighlight)
{
    SendMouseEnter(*button);
    SendMouseLeave(*button);
    tick();
    tick();
    SendMouseEnter(*button);
    EXPECT_FALSE(tick());
    EXPECT_EQ(pixel(*button, 2, 2), clYellow);
    SendMouseLeave(*button);
    int ticks = 0;
    while (tick())
        ++ticks;
    EXPECT_EQ(ticks, 8);
}

TEST_F(FadeTest, RunsWithoutAHighlightColourAndStopsWhenSwitchedOff)
{
    button->HotTrackColor = clNone;
    SendMouseEnter(*button);
    EXPECT_EQ(pixel(*button, 2, 2), FormFace);
    SendMouseLeave(*button);
    int ticks = 0;
    while (tick())
        ++ticks;
    EXPECT_EQ(ticks, 8);

    button->HotTrackColor = clYellow;
    SendMouseEnter(*button);
    SendMouseLeave(*button);
    button->SetSlowDecease(false);
    EXPECT_FALSE(tick());
    EXPECT_EQ(pixel(*button, 2, 2), FormFace);
}

}  // namespace
