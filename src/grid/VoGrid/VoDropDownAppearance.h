#pragma once
// The look of a drop-down control's header and footer bars: caption, image, gradient, border and a row of
// buttons. A grid keeps one pair as the template it copies into its drop-down editors.
#include <QString>

#include "platform/Classes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

enum TGradientDirection { gdHorizontal, gdVertical };
enum TButtonAlignment { baLeft, baRight };

class TAppearanceButtons;

// A button of a bar: a change of caption, enabled state or width notifies the collection.
class TAppearanceButton : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    // From a button of the same class; any other source raises Exception.
    void Assign(const TPersistent& Source) override;
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value) { set(FCaption, Value); }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { set(FEnabled, Value); }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { set(FWidth, Value); }
    // 0: the bar sizes the button.
    int Height = 0;
    int ImageIndex = -1;

protected:
    virtual const char* className() const = 0;

private:
    template <typename T>
    void set(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        changed();
    }
    void changed();
    QString FCaption;
    bool FEnabled = true;
    int FWidth = 0;
};

class THeaderButton : public TAppearanceButton {
public:
    using TAppearanceButton::TAppearanceButton;

protected:
    const char* className() const override { return "THeaderButton"; }
};

class TFooterButton : public TAppearanceButton {
public:
    using TAppearanceButton::TAppearanceButton;
    void Assign(const TPersistent& Source) override;
    TModalResult ModalResult = 0;

protected:
    const char* className() const override { return "TFooterButton"; }
};

// The buttons of a bar; adding, inserting, deleting or moving them does not notify.
class TAppearanceButtons : public TCollection {
public:
    TAppearanceButtons(TItemFactory factory, TPersistent* owner) : TCollection(std::move(factory)), FMyOwner(owner) {}
    // The buttons become copies of the source's.
    void Assign(const TPersistent& Source) override;
    TPersistent* Owner() const { return FMyOwner; }
    TAppearanceButton* Items(int Index) const { return static_cast<TAppearanceButton*>(TCollection::Items(Index)); }
    void SetItems(int Index, const TAppearanceButton& Value) { Items(Index)->Assign(Value); }
    TAppearanceButton* Add() { return static_cast<TAppearanceButton*>(TCollection::Add()); }
    TAppearanceButton* Insert(int Index) { return static_cast<TAppearanceButton*>(TCollection::Insert(Index)); }
    TNotifyEvent OnChange;

private:
    TPersistent* FMyOwner;
};

class THeaderButtons : public TAppearanceButtons {
public:
    explicit THeaderButtons(TPersistent* owner) : TAppearanceButtons(ItemsOf<THeaderButton>(), owner) {}
};

class TFooterButtons : public TAppearanceButtons {
public:
    explicit TFooterButtons(TPersistent* owner) : TAppearanceButtons(ItemsOf<TFooterButton>(), owner) {}
};

// What a header and a footer bar share. Only a change of Visible notifies (OnChange); a change of the buttons
// is passed on as OnButtonsChanged.
class TDropDownAppearance : public TPersistent {
public:
    TDropDownAppearance(const TDropDownAppearance&) = delete;
    TDropDownAppearance& operator=(const TDropDownAppearance&) = delete;
    // Copies only the colours, the font and the gradient direction from an appearance of the same class.
    void AssignColors(const TPersistent& Source);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }
    TAppearanceButtons& Buttons() { return *FButtons; }
    const TAppearanceButtons& Buttons() const { return *FButtons; }
    void SetButtons(const TAppearanceButtons& Value) { FButtons->Assign(Value); }
    TPersistent* Owner() const { return FOwner; }

    int Height = 22;
    int BorderWidth = 1;
    int ImageIndex = -1;
    QString Caption;
    TColor ColorTo = 0xFFFFFF;
    TColor Color = 0xC0C0C0;
    TColor BorderColor = 0;
    TGradientDirection GradientDirection = gdVertical;
    TButtonAlignment ButtonAlignment = baRight;
    TNotifyEvent OnChange;
    TNotifyEvent OnButtonsChanged;

protected:
    TDropDownAppearance(TPersistent* owner, std::unique_ptr<TAppearanceButtons> buttons);
    ~TDropDownAppearance() override = default;

private:
    TPersistent* FOwner;
    bool FVisible = true;
    TFont FFont;
    std::unique_ptr<TAppearanceButtons> FButtons;
};

class THeaderAppearance : public TDropDownAppearance {
public:
    explicit THeaderAppearance(TPersistent* owner = nullptr);
    void Assign(const TPersistent& Source) override;
};

class TFooterAppearance : public TDropDownAppearance {
public:
    explicit TFooterAppearance(TPersistent* owner = nullptr);
    void Assign(const TPersistent& Source) override;
    bool SizeGrip = true;
};
