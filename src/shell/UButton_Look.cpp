#include "shell/UButton_Look.h"

void Set_Button_Look(TOdButton& button, const QString& glyph)
{
    static const bool resourcesReady = [] {
        Q_INIT_RESOURCE(glyphs);
        return true;
    }();
    (void)resourcesReady;
    button.SetStyle(TOdButtonStyle::bsEncarta);
    button.SetColor(Button_Face_Color);
    button.ColorWhenDown = Button_Down_Color;
    button.HotTrackColor = clYellow;
    button.SetLightColor(clGray);
    button.UseHotTrackFont = false;
    button.HotTrackFont().SetHeight(-11);
    if (glyph.isEmpty())
        return;
    TBitmap picture;
    picture.LoadFromResource(QStringLiteral(":/shell/glyphs/%1.bmp").arg(glyph));
    button.SetGlyph(&picture);
}

TOdButton* New_Button(TComponent* owner, TWinControl* parent, const TRect& bounds, const QString& glyph)
{
    auto* button = new TOdButton(owner);
    button->SetParent(parent);
    button->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    button->ShowHint = true;
    Set_Button_Look(*button, glyph);
    return button;
}
