#include "platform/Mask.h"

#include "platform/ControlBridge.h"
#include "platform/NativeWidget.h"
#include "platform/PaintOverlay.h"

#include <QAbstractTextDocumentLayout>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

// The text box under a masked edit: pasted and dropped text goes through the edit's rules, and a set
// formatting rectangle stays where it was set when the box is resized.
class MaskEditBox : public NativeWidget<QPlainTextEdit> {
public:
    explicit MaskEditBox(TCustomMaskEdit* edit)
        : edit_(edit), overlay_(new PaintOverlay(this, [edit](QPainter& painter) { edit->paintOver(painter); }))
    {
        setLineWrapMode(NoWrap);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // The menu's cut and delete would bypass the mask.
        setContextMenuPolicy(Qt::NoContextMenu);
        document()->setDocumentMargin(1);
    }

    TRect FormattingRect() const { return rectSet_ ? rect_ : Rect(0, 0, width(), height()); }
    void SetFormattingRect(const TRect* r)
    {
        rectSet_ = r != nullptr;
        if (r)
            rect_ = *r;
        applyRect();
    }
    void SetFramed(bool framed)
    {
        setFrameStyle(framed ? StyledPanel | Sunken : NoFrame);
        applyRect();
    }

protected:
    // A press in the selection could drag it away past the edit's rules: where the edit does its own
    // editing, a plain press drops the selection first, so no drag starts.
    void mousePressEvent(QMouseEvent* e) override
    {
        if (edit_->editsItself() && e->button() == Qt::LeftButton && !(e->modifiers() & Qt::ShiftModifier)) {
            QTextCursor c = textCursor();
            c.clearSelection();
            setTextCursor(c);
        }
        NativeWidget<QPlainTextEdit>::mousePressEvent(e);
    }
    // Text an input method commits goes through the edit's rules too; composing shows nothing meanwhile.
    void inputMethodEvent(QInputMethodEvent* e) override
    {
        if (!edit_->editsItself()) {
            NativeWidget<QPlainTextEdit>::inputMethodEvent(e);
            return;
        }
        const QString text = e->commitString();
        if (!text.isEmpty())
            ControlBridge::guarded([this, &text] { edit_->pasteText(text); });
        e->accept();
    }
    void insertFromMimeData(const QMimeData* source) override
    {
        const QString text = source->text();
        ControlBridge::guarded([this, &text] { edit_->pasteText(text); });
    }
    void resizeEvent(QResizeEvent* e) override
    {
        NativeWidget<QPlainTextEdit>::resizeEvent(e);
        applyRect();
    }

private:
    void applyRect()
    {
        const TRect r = FormattingRect();
        setViewportMargins(std::max(r.Left, 0), std::max(r.Top, 0), std::max(width() - r.Right, 0),
                           std::max(height() - r.Bottom, 0));
    }

    TCustomMaskEdit* edit_;
    QWidget* overlay_;  // a child of the box
    TRect rect_;
    bool rectSet_ = false;
};

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner, new MaskEditBox(this))
{
    SetBounds(0, 0, 121, 21);
    DlgCode = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
    // The mouse acts on the box's inner area; the box keeps the pressed button to itself.
    ControlStyle &= ~csCaptureMouse;
    WatchWidget(box()->viewport());
    QObject::connect(box(), &QPlainTextEdit::textChanged,
                     [this] { ControlBridge::guarded([this] { NotifyParent(EN_CHANGE); }); });
}

MaskEditBox* TCustomMaskEdit::box() const
{
    return static_cast<MaskEditBox*>(Widget());
}

void TCustomMaskEdit::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case EM_SETREADONLY:
        SetReadOnly(m.WParam != 0);
        m.Result = 1;
        return;
    case EM_GETRECT:
    case EM_SETRECT:
    case EM_SETRECTNP:
        formattingRect(m);
        return;
    case EM_LINEFROMCHAR: {
        const auto pos = static_cast<int>(static_cast<LPARAM>(m.WParam));
        m.Result = lineOf(pos < 0 ? SelStart() : pos);
        return;
    }
    case EM_POSFROMCHAR: {
        QTextCursor c(box()->document());
        c.setPosition(std::clamp(static_cast<int>(m.WParam), 0, static_cast<int>(EditText().size())));
        const QPoint p = box()->viewport()->mapTo(box(), box()->cursorRect(c).topLeft());
        m.Result = MAKELPARAM(p.x(), p.y());
        return;
    }
    case EM_CHARFROMPOS: {
        const QPoint p = box()->viewport()->mapFrom(box(), QPoint(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)));
        const int pos = box()->cursorForPosition(p).position();
        m.Result = MAKELPARAM(pos, lineOf(pos));
        return;
    }
    case WM_COPY:
        copy();
        return;
    case WM_CUT:
        cut();
        return;
    case WM_PASTE:
        box()->paste();
        return;
    case WM_CLEAR:
        eraseSelection();
        return;
    default:
        TCustomEdit::WndProc(m);
    }
}

void TCustomMaskEdit::SetBorderStyle(TBorderStyle style)
{
    borderStyle_ = style;
    box()->SetFramed(style != bsNone);
}

// After the box has drawn itself: WM_PAINT with Canvas bound over the whole window.
void TCustomMaskEdit::paintOver(QPainter& painter)
{
    const TCanvasPaintGuard bind(canvas_, &painter);
    canvas_.Font().Assign(Font());
    canvas_.Brush().SetColor(Color());
    Perform(WM_PAINT);
}

// EM_GETRECT fills the rectangle at LParam; EM_SETRECT(NP) sets it, or the default for none.
void TCustomMaskEdit::formattingRect(TMessage& m)
{
    auto* r = reinterpret_cast<TRect*>(m.LParam);
    if (m.Msg == EM_GETRECT) {
        if (r)
            *r = box()->FormattingRect();
        return;
    }
    box()->SetFormattingRect(r);
}

// The line of a character among the shown (wrapped) lines.
int TCustomMaskEdit::lineOf(int pos) const
{
    const QTextDocument* doc = box()->document();
    pos = std::clamp(pos, 0, doc->characterCount() - 1);
    const QTextBlock block = doc->findBlock(pos);
    int line = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        doc->documentLayout()->blockBoundingRect(b);  // lays the block out
        if (b == block)
            break;
        line += std::max(b.layout()->lineCount(), 1);
    }
    const QTextLine inBlock = block.layout()->lineForTextPosition(pos - block.position());
    return line + (inBlock.isValid() ? inBlock.lineNumber() : 0);
}

void TCustomMaskEdit::SetEditMask(const QString& mask)
{
    const QString text = Text();
    editMask_ = mask;
    mask_ = TMaskPattern(mask);
    SetWordWrap(wordWrap_);
    setBoxText(IsMasked() ? mask_.EditTextOf(text, mask_.SaveLiterals()) : text);
}

QString TCustomMaskEdit::EditText() const
{
    return PasswordChar() ? secret_ : box()->toPlainText();
}

void TCustomMaskEdit::SetEditText(const QString& text)
{
    setBoxText(IsMasked() ? mask_.EditTextOf(text, true) : text);
}

QString TCustomMaskEdit::GetText() const
{
    return IsMasked() ? mask_.TextOf(EditText()) : EditText();
}

void TCustomMaskEdit::SetTextValue(const QString& text)
{
    setBoxText(IsMasked() ? mask_.EditTextOf(text, mask_.SaveLiterals()) : text);
}

// The box shows the edit text, or a password character for each of its characters.
QString TCustomMaskEdit::shown(const QString& editText) const
{
    return PasswordChar() ? QString(editText.size(), QChar(PasswordChar())) : editText;
}

void TCustomMaskEdit::showText(const QString& editText)
{
    if (PasswordChar())
        secret_ = editText;
    box()->setPlainText(shown(editText));
}

// Text set by code: the change is not the user's.
void TCustomMaskEdit::setBoxText(const QString& text)
{
    showText(text);
    modified_ = false;
}

// Text changed by the user's typing, erasing or pasting.
void TCustomMaskEdit::replaceEditText(const QString& editText, int caret)
{
    if (editText != EditText())
        showText(editText);
    SetSelection(caret, caret);
}

// Replaces the selection without a mask; a password edit keeps the real text aside.
void TCustomMaskEdit::insertText(const QString& text)
{
    QTextCursor c = box()->textCursor();
    if (PasswordChar())
        secret_.replace(c.selectionStart(), c.selectionEnd() - c.selectionStart(), text);
    c.insertText(shown(text));
    box()->setTextCursor(c);
}

// Showing the password character or the text again changes neither the text nor the selection.
void TCustomMaskEdit::SetPasswordChar(char16_t c)
{
    if (c == PasswordChar())
        return;
    const QString edit = EditText();
    int from = 0;
    int to = 0;
    GetSelection(from, to);
    TCustomEdit::SetPasswordChar(c);
    secret_.clear();
    SetWordWrap(wordWrap_);
    {
        const QSignalBlocker quiet(box());
        showText(edit);
    }
    SetSelection(from, to);
}

void TCustomMaskEdit::Change()
{
    modified_ = true;
    TCustomEdit::Change();
}

bool TCustomMaskEdit::ReadOnly() const
{
    return box()->isReadOnly();
}

void TCustomMaskEdit::SetReadOnly(bool v)
{
    box()->setReadOnly(v);
}

void TCustomMaskEdit::SetAlignment(TAlignment a)
{
    alignment_ = a;
    QTextOption option = box()->document()->defaultTextOption();
    option.setAlignment(a == taRightJustify ? Qt::AlignRight : a == taCenter ? Qt::AlignHCenter : Qt::AlignLeft);
    box()->document()->setDefaultTextOption(option);
}

void TCustomMaskEdit::SetWordWrap(bool v)
{
    wordWrap_ = v;
    box()->setLineWrapMode(lineBreaks() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

QString TCustomMaskEdit::SelText() const
{
    return EditText().mid(SelStart(), SelLength());
}

void TCustomMaskEdit::SetSelText(const QString& text)
{
    pasteText(text);
}

void TCustomMaskEdit::GetSelection(int& from, int& to) const
{
    const QTextCursor c = box()->textCursor();
    from = c.selectionStart();
    to = c.selectionEnd();
}

// Selects from from to to, where the caret goes; both are kept inside the text.
void TCustomMaskEdit::SetSelection(int from, int to)
{
    const int length = static_cast<int>(EditText().size());
    QTextCursor c = box()->textCursor();
    c.setPosition(std::clamp(from, 0, length));
    c.setPosition(std::clamp(to, 0, length), QTextCursor::KeepAnchor);
    box()->setTextCursor(c);
}

// Text typed or pasted over the selection: through the mask, else within the length limit (and on one
// line unless the edit takes line breaks).
void TCustomMaskEdit::pasteText(QString text)
{
    if (ReadOnly())
        return;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    if (!lineBreaks())
        text = text.section(u'\n', 0, 0);
    if (IsMasked()) {
        typeMasked(text);
        return;
    }
    if (MaxLength() > 0)
        text.truncate(std::max<qsizetype>(MaxLength() - (EditText().size() - SelLength()), 0));
    if (text.isEmpty() && SelLength() == 0)
        return;
    insertText(text);
}

// Typing over the mask: the selection is blanked first; characters a position refuses are skipped.
void TCustomMaskEdit::typeMasked(const QString& chars)
{
    QString edit = EditText();
    const int from = SelStart();
    mask_.Clear(edit, from, from + SelLength());
    int caret = from;
    for (const QChar c : chars) {
        const int next = mask_.Type(edit, caret, c);
        if (next >= 0)
            caret = next;
    }
    replaceEditText(edit, caret);
}

void TCustomMaskEdit::eraseMasked(int from, int to, int caret)
{
    QString edit = EditText();
    mask_.Clear(edit, from, to);
    replaceEditText(edit, caret);
}

// Backspace and Delete where the edit does its own editing: the selection, else the character (over a
// mask the input position, which stays and becomes blank) before (after) the caret.
void TCustomMaskEdit::erase(bool backwards)
{
    const int from = SelStart();
    if (SelLength() > 0) {
        eraseSelection();
    } else if (!IsMasked()) {
        const int at = backwards ? from - 1 : from;
        if (at >= 0 && at < EditText().size()) {
            SetSelection(at, at + 1);
            insertText(QString());
        }
    } else if (backwards) {
        const int at = mask_.PrevInput(from);
        if (at >= 0)
            eraseMasked(at, at + 1, at);
    } else {
        const int at = mask_.NextInput(from);
        eraseMasked(at, at + 1, from);
    }
}

void TCustomMaskEdit::eraseSelection()
{
    if (ReadOnly() || SelLength() == 0)
        return;
    if (IsMasked()) {
        eraseMasked(SelStart(), SelStart() + SelLength(), SelStart());
        return;
    }
    insertText(QString());
}

// A password edit gives nothing to the clipboard.
void TCustomMaskEdit::copy()
{
    if (!PasswordChar())
        box()->copy();
}

void TCustomMaskEdit::cut()
{
    if (SelLength() == 0 || PasswordChar())
        return;
    box()->copy();
    eraseSelection();
}

void TCustomMaskEdit::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomEdit::KeyDown(Key, Shift);
    if (Key == VK_INSERT && (Shift & ssCtrl)) {
        copy();
        Key = 0;
    } else if (Key == VK_DELETE && editsItself()) {
        if (!ReadOnly())
            erase(false);
        Key = 0;
    }
}

// Typed characters go through the mask and the length limit; Enter types a line break only where the
// edit takes them, and Tab is not typed.
void TCustomMaskEdit::KeyPress(char16_t& Key)
{
    TCustomEdit::KeyPress(Key);
    constexpr char16_t CtrlA = 0x01, CtrlC = 0x03, CtrlV = 0x16, CtrlX = 0x18;
    switch (Key) {
    case 0:
        return;
    case u'\t':
        break;
    case u'\r':
    case u'\n':
        if (lineBreaks())
            pasteText(QStringLiteral("\n"));
        break;
    case CtrlC:
        copy();
        break;
    case CtrlX:
        cut();
        break;
    case u'\b':
        if (!editsItself())
            return;
        if (!ReadOnly())
            erase(true);
        break;
    default:
        if (Key < 32) {
            // An edit doing its own editing takes no other shortcuts than select all and paste.
            if (!editsItself() || Key == CtrlA || Key == CtrlV)
                return;
        } else if (editsItself()) {
            pasteText(QString(QChar(Key)));
        } else if (MaxLength() == 0 || SelLength() > 0 || EditText().size() < MaxLength()) {
            return;  // the box types it
        }
        break;
    }
    Key = 0;
}
