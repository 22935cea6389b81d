#pragma once
// The masked edit: an edit whose text can follow an edit mask (see TMaskPattern), typed position by
// position over the mask's blanks. Without a mask it is a plain edit with a length limit. It keeps one
// line unless a descendant lets it wrap (SetWordWrap). With a password character it shows that for every
// character, keeps one line and gives nothing to the clipboard.
#include "platform/StdCtrls.h"
#include "platform/mask/MaskPattern.h"

class MaskEditBox;

class TCustomMaskEdit : public TCustomEdit {
public:
    explicit TCustomMaskEdit(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TCustomMaskEdit"); }
    // EM_GETSEL, EM_SETSEL, EM_SETREADONLY, EM_GETRECT, EM_SETRECT, EM_SETRECTNP, EM_LINEFROMCHAR,
    // EM_POSFROMCHAR, EM_CHARFROMPOS, WM_CUT, WM_COPY, WM_PASTE, WM_CLEAR; EM_SETPASSWORDCHAR and
    // EM_GETPASSWORDCHAR through the base.
    void WndProc(TMessage& Message) override;

    QString EditMask() const { return editMask_; }
    // Changing the mask reformats the text.
    void SetEditMask(const QString& mask);
    bool IsMasked() const { return !mask_.IsEmpty(); }
    using TCustomEdit::PasswordChar;
    void SetPasswordChar(char16_t c) override;
    // The text as shown: with the mask's literals and blanks.
    QString EditText() const;
    void SetEditText(const QString& text);

    // The most characters the user can type or paste without a mask (0: no limit); code may set more.
    using TCustomEdit::MaxLength;
    using TCustomEdit::SetMaxLength;
    bool ReadOnly() const;
    void SetReadOnly(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    // bsSingle: a sunken frame; bsNone: no frame.
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    // Bound while WM_PAINT runs, after the box has drawn its text and frame: a descendant that handles
    // WM_PAINT draws over them in window coordinates.
    TCanvas& Canvas() { return canvas_; }
    // The user changed the text since code last set it.
    bool Modified() const { return modified_; }
    void SetModified(bool v) { modified_ = v; }

    using TCustomEdit::SelLength;
    using TCustomEdit::SelStart;
    using TCustomEdit::SetSelLength;
    using TCustomEdit::SetSelStart;
    QString SelText() const;
    // Replaces the selection as typing would (through the mask and the length limit).
    void SetSelText(const QString& text);
    using TCustomEdit::SelectAll;

protected:
    QString GetText() const override;
    void SetTextValue(const QString& text) override;
    void Change() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void GetSelection(int& from, int& to) const override;
    void SetSelection(int from, int to) override;
    bool WordWrap() const { return wordWrap_; }
    // Several lines, wrapped at the edge; a mask keeps the text on one line.
    void SetWordWrap(bool v);

private:
    friend class MaskEditBox;
    MaskEditBox* box() const;
    bool lineBreaks() const { return wordWrap_ && !IsMasked() && !PasswordChar(); }
    // A mask or a password: all editing goes through the edit's own rules, none through the box's.
    bool editsItself() const { return IsMasked() || PasswordChar(); }
    QString shown(const QString& editText) const;
    void showText(const QString& editText);
    void setBoxText(const QString& text);
    void replaceEditText(const QString& editText, int caret);
    void insertText(const QString& text);
    void pasteText(QString text);
    void typeMasked(const QString& chars);
    void eraseMasked(int from, int to, int caret);
    void erase(bool backwards);
    void eraseSelection();
    void copy();
    void cut();
    int lineOf(int pos) const;
    void formattingRect(TMessage& m);
    void paintOver(QPainter& painter);

    QString editMask_;
    QString secret_;  // the edit text while the box shows the password character
    TMaskPattern mask_;
    TAlignment alignment_ = taLeftJustify;
    TBorderStyle borderStyle_ = bsSingle;
    TCanvas canvas_;
    bool modified_ = false;
    bool wordWrap_ = false;
};
