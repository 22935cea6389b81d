#pragma once
// Standard controls: label, link label, edit, memo, combo box, check box, radio button, list box.
#include "platform/Controls.h"

#include <algorithm>
#include <limits>

class QLineEdit;
class QPlainTextEdit;
class QComboBox;
class QCheckBox;
class QRadioButton;
class QListWidget;
class QLabel;

enum TTextLayout { tlTop, tlCenter, tlBottom };

// A text painted on the parent; by default it sizes itself to its text.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TLabel"); }
    void WndProc(TMessage& Message) override;

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout l);
    // "&" marks the next letter as the accelerator (drawn underlined) unless this is off.
    bool ShowAccelChar = true;

protected:
    void Paint() override;

private:
    unsigned textFlags() const;
    void adjustSize();

    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool transparent_ = false;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
};

enum TSysLinkType { sltURL, sltID };
using TSysLinkEvent = std::function<void(TObject* Sender, const QString& Link, TSysLinkType LinkType)>;

// A text whose parts in <a href="...">...</a> (or <a>...</a>) are links; clicking one calls OnLinkClick with
// its href (or its text).
class TLinkLabel : public TWinControl {
public:
    explicit TLinkLabel(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TLinkLabel"); }
    TSysLinkEvent OnLinkClick;
    // The links of the caption, in order.
    QStringList Links() const;
    // Acts as a click on the link.
    void ClickLink(const QString& link);

protected:
    QString GetText() const override { return caption_; }
    void SetTextValue(const QString& text) override;

private:
    QLabel* label() const;
    QString caption_;
};

// What the one-line and the multi-line edit share: OnChange after every change of the text.
class TCustomEdit : public TWinControl {
public:
    QString ClassName() const override { return QStringLiteral("TCustomEdit"); }
    void WndProc(TMessage& Message) override;
    void Clear() { SetText(QString()); }

    TNotifyEvent OnChange;
    // The whole text is selected when the edit gets the focus other than by a click into it.
    bool AutoSelect = true;

protected:
    TCustomEdit(TComponent* AOwner, QWidget* widget);
    virtual void Change();
    void DoEnter() override;
    // 0 shows the text; any other character is shown for each character of it (EM_SETPASSWORDCHAR,
    // EM_GETPASSWORDCHAR). The text itself stays as it is.
    char16_t PasswordChar() const { return passwordChar_; }
    virtual void SetPasswordChar(char16_t c) { passwordChar_ = c; }
    // The selection that EM_GETSEL answers and EM_SETSEL sets, from == to for none; the setter keeps
    // both inside the text. An edit without one keeps none.
    virtual void GetSelection(int& from, int& to) const { from = to = 0; }
    virtual void SetSelection(int /*from*/, int /*to*/) {}
    // The selection's start and length through the two above; the edits that keep one make these public.
    int SelStart() const;
    void SetSelStart(int start) { SetSelection(start, start); }
    int SelLength() const;
    void SetSelLength(int length);
    void SelectAll() { SetSelection(0, std::numeric_limits<int>::max()); }
    // The most characters the user can type or paste (0: no limit); a longer text set by code stays.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length) { maxLength_ = std::max(0, length); }

private:
    char16_t passwordChar_ = 0;
    int maxLength_ = 0;
};

// A one-line text edit.
class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TEdit"); }
    void WndProc(TMessage& Message) override;

    using TCustomEdit::MaxLength;
    using TCustomEdit::SetMaxLength;
    bool ReadOnly() const;
    void SetReadOnly(bool v);
    using TCustomEdit::PasswordChar;
    void SetPasswordChar(char16_t c) override;
    using TCustomEdit::SelectAll;
    using TCustomEdit::SelLength;
    using TCustomEdit::SelStart;
    using TCustomEdit::SetSelLength;
    using TCustomEdit::SetSelStart;
    QString SelText() const;
    void SetSelText(const QString& text);

protected:
    QString GetText() const override;
    void SetTextValue(const QString& text) override;
    void GetSelection(int& from, int& to) const override;
    void SetSelection(int from, int to) override;

private:
    QLineEdit* edit() const;
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line text edit.
class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TMemo"); }
    void WndProc(TMessage& Message) override;

    QStringList Lines() const;
    void SetLines(const QStringList& lines);
    bool ReadOnly() const;
    void SetReadOnly(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s);
    using TCustomEdit::SelectAll;
    using TCustomEdit::SelLength;
    using TCustomEdit::SelStart;
    // Enter types a line break (else it goes to the form's default button); Tab types a tab.
    bool WantReturns = true;
    bool WantTabs = false;

protected:
    QString GetText() const override;
    void SetTextValue(const QString& text) override;
    void GetSelection(int& from, int& to) const override;
    void SetSelection(int from, int to) override;

private:
    QPlainTextEdit* memo() const;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = ssNone;
};

// A memo as the forms' rich edits use it: plain text.
class TRichEdit : public TMemo {
public:
    using TMemo::TMemo;
    QString ClassName() const override { return QStringLiteral("TRichEdit"); }
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// A list of texts to choose from, with an edit (csDropDown) or without (csDropDownList and the owner-drawn
// styles).
class TComboBox : public TWinControl {
public:
    // A combo box of that style from the start (cheaper than a later SetStyle: no edit field made and dropped).
    explicit TComboBox(TComponent* AOwner, TComboBoxStyle style = csDropDown);
    ~TComboBox() override;
    QString ClassName() const override { return QStringLiteral("TComboBox"); }
    void WndProc(TMessage& Message) override;

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    TStringList& Items() { return items_; }
    const TStringList& Items() const { return items_; }
    // -1 when nothing is chosen.
    int ItemIndex() const;
    void SetItemIndex(int index);
    int DropDownCount() const;
    void SetDropDownCount(int count);
    bool DroppedDown() const;
    void SetDroppedDown(bool v);
    void Clear();

    // OnChange: the user changed the text or chose an item (when there is no OnSelect); OnSelect: the user
    // chose an item. Changes made by code raise neither.
    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

    // Bound while WM_PAINT runs, once PaintOverBox was called.
    TCanvas& Canvas() { return canvas_; }

protected:
    virtual void Change();
    virtual void Select();
    // From now on WM_PAINT runs after the box has drawn itself, with Canvas bound over the whole box: a
    // descendant that handles it draws over the box's look.
    void PaintOverBox();
    QString GetText() const override;
    void SetTextValue(const QString& text) override;

private:
    friend class ComboWidget;
    QComboBox* combo() const;
    void itemsChanged();

    TStringList items_;
    TComboBoxStyle style_ = csDropDown;
    bool updating_ = false;
    TCanvas canvas_;
    bool paintsOver_ = false;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A check box; every change of its state, by the user or by code, raises OnClick.
class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TCheckBox"); }

    bool Checked() const { return State() == cbChecked; }
    void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const;
    void SetState(TCheckBoxState state);
    bool AllowGrayed() const;
    void SetAllowGrayed(bool v);

protected:
    QString GetText() const override;
    void SetTextValue(const QString& text) override;

private:
    QCheckBox* box() const;
};

// A radio button: checking it unchecks the other radio buttons of its parent and raises OnClick.
class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TRadioButton"); }

    bool Checked() const;
    void SetChecked(bool v);

protected:
    QString GetText() const override;
    void SetTextValue(const QString& text) override;

private:
    QRadioButton* button() const;
};

// A list of texts; OnClick when the user selects one.
class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* AOwner);
    ~TListBox() override;
    QString ClassName() const override { return QStringLiteral("TListBox"); }

    TStringList& Items() { return items_; }
    const TStringList& Items() const { return items_; }
    int Count() const { return items_.Count(); }
    int ItemIndex() const;
    void SetItemIndex(int index);
    void Clear() { items_.Clear(); }
    // The height of one item row in the present font.
    int ItemHeight() const;

    // A check box before each item (cleared when the items change); OnClickCheck follows each change of a
    // mark by the user or by SetChecked.
    bool Checkable() const { return checkable_; }
    void SetCheckable(bool value);
    bool Checked(int index) const;
    void SetChecked(int index, bool value);
    TNotifyEvent OnClickCheck;

private:
    QListWidget* list() const;
    void itemsChanged();

    TStringList items_;
    bool updating_ = false;
    bool checkable_ = false;
};

// The system's wheel setting: lines to scroll per notch.
int WheelScrollLines();
