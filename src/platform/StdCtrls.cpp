#include "platform/StdCtrls.h"

#include "platform/ControlBridge.h"
#include "platform/NativeWidget.h"
#include "platform/PaintOverlay.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextCursor>
#include <QValidator>
#include <algorithm>
#include <limits>

int WheelScrollLines()
{
    return QApplication::wheelScrollLines();
}

// ---------------------------------------------------------------------------------------------
// TLabel

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TLabel::WndProc(TMessage& m)
{
    TGraphicControl::WndProc(m);
    if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED)
        adjustSize();
}

unsigned TLabel::textFlags() const
{
    unsigned flags = DT_EXPANDTABS;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (alignment_ == taCenter)
        flags |= DT_CENTER;
    else if (alignment_ == taRightJustify)
        flags |= DT_RIGHT;
    if (!ShowAccelChar)
        flags |= DT_NOPREFIX;
    // A label held to a width shows what doesn't fit as "...", never half a letter.
    if (!autoSize_ && !wordWrap_)
        flags |= DT_END_ELLIPSIS;
    return flags;
}

void TLabel::adjustSize()
{
    if (!autoSize_)
        return;
    TCanvas measure;
    measure.Font().Assign(Font());
    TRect r = Rect(0, 0, wordWrap_ ? Width() : 0, 0);
    const QString text = Caption().isEmpty() ? QStringLiteral(" ") : Caption();
    measure.DrawText(text, r, textFlags() | DT_CALCRECT);
    SetBounds(Left(), Top(), wordWrap_ ? Width() : r.Width(), r.Height());
}

void TLabel::Paint()
{
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    if (!transparent_) {
        c.Brush().SetColor(Color());
        c.FillRect(r);
    }
    c.SetBkMode(TRANSPARENT);
    if (!Enabled())
        c.Font().SetColor(clGrayText);
    if (layout_ != tlTop) {
        TRect calc = r;
        c.DrawText(Caption(), calc, textFlags() | DT_CALCRECT);
        const int free = r.Height() - calc.Height();
        r.Top += layout_ == tlBottom ? free : free / 2;
    }
    // A label held to a width shows what doesn't fit as "...", never half a letter.
    c.DrawText(Caption(), r, textFlags());
}

void TLabel::SetAutoSize(bool v)
{
    autoSize_ = v;
    adjustSize();
}

void TLabel::SetWordWrap(bool v)
{
    wordWrap_ = v;
    adjustSize();
    Invalidate();
}

void TLabel::SetTransparent(bool v)
{
    transparent_ = v;
    Invalidate();
}

void TLabel::SetAlignment(TAlignment a)
{
    alignment_ = a;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout l)
{
    layout_ = l;
    Invalidate();
}

// ---------------------------------------------------------------------------------------------
// TLinkLabel

namespace {

const QRegularExpression& anchorPattern()
{
    static const QRegularExpression re(QStringLiteral(R"re(<a(?:\s+href\s*=\s*"([^"]*)")?\s*>(.*?)</a>)re"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

}  // namespace

TLinkLabel::TLinkLabel(TComponent* AOwner) : TWinControl(AOwner, new NativeWidget<QLabel>, false)
{
    label()->setTextFormat(Qt::RichText);
    label()->setOpenExternalLinks(false);
    label()->setFocusPolicy(Qt::NoFocus);
    TabStop = false;
    SetParentColor(true);
    SetBounds(0, 0, 60, 17);
    QObject::connect(label(), &QLabel::linkActivated,
                     [this](const QString& link) { ControlBridge::guarded([this, &link] { ClickLink(link); }); });
}

QLabel* TLinkLabel::label() const
{
    return static_cast<QLabel*>(Widget());
}

void TLinkLabel::SetTextValue(const QString& text)
{
    caption_ = text;
    QString rich;
    qsizetype last = 0;
    for (auto it = anchorPattern().globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const QString link = m.captured(1).isNull() ? m.captured(2) : m.captured(1);
        rich += text.mid(last, m.capturedStart() - last).toHtmlEscaped();
        rich += QStringLiteral("<a href=\"%1\">%2</a>").arg(link.toHtmlEscaped(), m.captured(2).toHtmlEscaped());
        last = m.capturedEnd();
    }
    rich += text.mid(last).toHtmlEscaped();
    label()->setText(rich);
}

QStringList TLinkLabel::Links() const
{
    QStringList links;
    for (auto it = anchorPattern().globalMatch(caption_); it.hasNext();) {
        const auto m = it.next();
        links << (m.captured(1).isNull() ? m.captured(2) : m.captured(1));
    }
    return links;
}

void TLinkLabel::ClickLink(const QString& link)
{
    if (OnLinkClick)
        OnLinkClick(this, link, sltURL);
}

// ---------------------------------------------------------------------------------------------
// TCustomEdit

TCustomEdit::TCustomEdit(TComponent* AOwner, QWidget* widget) : TWinControl(AOwner, widget, false)
{
    SetColor(clWindow);
}

void TCustomEdit::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == EN_CHANGE)
            Change();
        return;
    case EM_GETSEL: {
        int from = 0;
        int to = 0;
        GetSelection(from, to);
        if (m.WParam)
            *reinterpret_cast<DWORD*>(m.WParam) = static_cast<DWORD>(from);
        if (m.LParam)
            *reinterpret_cast<DWORD*>(m.LParam) = static_cast<DWORD>(to);
        m.Result = MAKELPARAM(from, to);
        return;
    }
    case EM_SETSEL: {
        // A negative start removes the selection, a negative end selects to the end.
        const auto start = static_cast<int>(static_cast<LPARAM>(m.WParam));
        const auto end = static_cast<int>(m.LParam);
        int from = 0;
        int to = 0;
        GetSelection(from, to);
        if (start < 0)
            SetSelection(from, from);
        else
            SetSelection(start, end < 0 ? std::numeric_limits<int>::max() : end);
        return;
    }
    case EM_SETPASSWORDCHAR:
        SetPasswordChar(static_cast<char16_t>(m.WParam));
        return;
    case EM_GETPASSWORDCHAR:
        m.Result = passwordChar_;
        return;
    default:
        TWinControl::WndProc(m);
    }
}

void TCustomEdit::DoEnter()
{
    if (AutoSelect && !(ControlState & csLButtonDown))
        SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

int TCustomEdit::SelStart() const
{
    int from = 0;
    int to = 0;
    GetSelection(from, to);
    return from;
}

int TCustomEdit::SelLength() const
{
    int from = 0;
    int to = 0;
    GetSelection(from, to);
    return to - from;
}

void TCustomEdit::SetSelLength(int length)
{
    const int start = SelStart();
    SetSelection(start, start + length);
}

// ---------------------------------------------------------------------------------------------
// TEdit

namespace {

// Refuses user input that makes the text longer than the edit's MaxLength; shorter texts always pass.
class MaxLengthValidator : public QValidator {
public:
    MaxLengthValidator(QLineEdit* line, const TEdit* edit) : QValidator(line), line_(line), edit_(edit) {}
    State validate(QString& input, int&) const override
    {
        const int max = edit_->MaxLength();
        if (max == 0 || input.size() <= max || input.size() < line_->text().size())
            return Acceptable;
        return Invalid;
    }

private:
    QLineEdit* line_;
    const TEdit* edit_;
};

// The look of an edit's line, but with the edit's own password character.
class PasswordStyle : public QProxyStyle {
public:
    explicit PasswordStyle(const TEdit* edit) : edit_(edit) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return edit_->PasswordChar();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    const TEdit* edit_;
};

}  // namespace

TEdit::TEdit(TComponent* AOwner) : TCustomEdit(AOwner, new NativeWidget<QLineEdit>)
{
    SetBounds(0, 0, 121, 21);
    DlgCode = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
    edit()->setValidator(new MaxLengthValidator(edit(), this));
    QObject::connect(edit(), &QLineEdit::textChanged,
                     [this] { ControlBridge::guarded([this] { NotifyParent(EN_CHANGE); }); });
}

QLineEdit* TEdit::edit() const
{
    return static_cast<QLineEdit*>(Widget());
}

void TEdit::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case EM_SETREADONLY:
        SetReadOnly(m.WParam != 0);
        m.Result = 1;
        return;
    default:
        TCustomEdit::WndProc(m);
    }
}

QString TEdit::GetText() const
{
    return edit()->text();
}

void TEdit::SetTextValue(const QString& text)
{
    edit()->setText(text);
}

bool TEdit::ReadOnly() const
{
    return edit()->isReadOnly();
}

void TEdit::SetReadOnly(bool v)
{
    edit()->setReadOnly(v);
}

void TEdit::SetPasswordChar(char16_t c)
{
    TCustomEdit::SetPasswordChar(c);
    if (c) {
        auto* style = dynamic_cast<PasswordStyle*>(edit()->style());
        if (!style) {
            style = new PasswordStyle(this);
            style->setParent(edit());
        }
        edit()->setStyle(style);  // the line takes the character on the style change
    }
    edit()->setEchoMode(c ? QLineEdit::Password : QLineEdit::Normal);
}

void TEdit::GetSelection(int& from, int& to) const
{
    from = edit()->hasSelectedText() ? edit()->selectionStart() : edit()->cursorPosition();
    to = from + (edit()->hasSelectedText() ? edit()->selectionLength() : 0);
}

void TEdit::SetSelection(int from, int to)
{
    const int length = static_cast<int>(edit()->text().size());
    from = std::clamp(from, 0, length);
    edit()->setSelection(from, std::clamp(to, 0, length) - from);
}

QString TEdit::SelText() const
{
    return edit()->selectedText();
}

void TEdit::SetSelText(const QString& text)
{
    edit()->insert(text);
}

// ---------------------------------------------------------------------------------------------
// TMemo

TMemo::TMemo(TComponent* AOwner) : TCustomEdit(AOwner, new NativeWidget<QPlainTextEdit>)
{
    SetBounds(0, 0, 185, 89);
    memo()->setTabChangesFocus(false);
    SetScrollBars(ssNone);
    QObject::connect(memo(), &QPlainTextEdit::textChanged,
                     [this] { ControlBridge::guarded([this] { NotifyParent(EN_CHANGE); }); });
}

QPlainTextEdit* TMemo::memo() const
{
    return static_cast<QPlainTextEdit*>(Widget());
}

void TMemo::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        if (WantReturns)
            m.Result |= DLGC_WANTALLKEYS;
        if (WantTabs)
            m.Result |= DLGC_WANTTAB;
        return;
    default:
        TCustomEdit::WndProc(m);
    }
}

QString TMemo::GetText() const
{
    return memo()->toPlainText();
}

void TMemo::GetSelection(int& from, int& to) const
{
    const QTextCursor cursor = memo()->textCursor();
    from = cursor.selectionStart();
    to = cursor.selectionEnd();
}

void TMemo::SetSelection(int from, int to)
{
    QTextCursor cursor = memo()->textCursor();
    const int length = static_cast<int>(memo()->toPlainText().size());
    cursor.setPosition(std::clamp(from, 0, length));
    cursor.setPosition(std::clamp(to, 0, length), QTextCursor::KeepAnchor);
    memo()->setTextCursor(cursor);
}

void TMemo::SetTextValue(const QString& text)
{
    memo()->setPlainText(text);
}

QStringList TMemo::Lines() const
{
    const QString text = GetText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

void TMemo::SetLines(const QStringList& lines)
{
    SetText(lines.join(u'\n'));
}

bool TMemo::ReadOnly() const
{
    return memo()->isReadOnly();
}

void TMemo::SetReadOnly(bool v)
{
    memo()->setReadOnly(v);
}

void TMemo::SetWordWrap(bool v)
{
    wordWrap_ = v;
    memo()->setLineWrapMode(v ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle s)
{
    scrollBars_ = s;
    const bool h = s == ssHorizontal || s == ssBoth;
    const bool v = s == ssVertical || s == ssBoth;
    memo()->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    memo()->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

// ---------------------------------------------------------------------------------------------
// TComboBox

// The combo's widget: tells the control when its list opens and closes. A move in the open list by
// the keyboard chooses that item at once, so closing the list by a click elsewhere keeps it; Esc goes
// back to the item chosen when the list opened.
class ComboWidget : public NativeWidget<QComboBox> {
public:
    explicit ComboWidget(TComboBox* owner) : owner_(owner) {}
    void showPopup() override
    {
        // The open list takes the mouse: the press that opened it gets no release here, so the control
        // must not keep the pointer captured, or every later click would come back to it.
        owner_->SetMouseCapture(false);
        owner_->ControlState &= ~(csClicked | csLButtonDown);
        ControlBridge::guarded([this] { owner_->NotifyParent(CBN_DROPDOWN); });
        droppedIndex_ = currentIndex();
        if (!filtering_) {
            view()->installEventFilter(this);
            filtering_ = true;
        }
        NativeWidget<QComboBox>::showPopup();
    }
    void hidePopup() override
    {
        NativeWidget<QComboBox>::hidePopup();
        ControlBridge::guarded([this] { owner_->NotifyParent(CBN_CLOSEUP); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != view() || event->type() != QEvent::KeyPress || forwarding_)
            return NativeWidget<QComboBox>::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            choose(droppedIndex_);
            return false;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return false;
        forwarding_ = true;
        QCoreApplication::sendEvent(view(), event);
        forwarding_ = false;
        if (view()->isVisible() && view()->currentIndex().isValid())
            choose(view()->currentIndex().row());
        return true;
    }

private:
    void choose(int index)
    {
        if (index == currentIndex() || index >= count())
            return;
        setCurrentIndex(index);
        ControlBridge::guarded([this] { owner_->NotifyParent(CBN_SELCHANGE); });
    }

    TComboBox* owner_;
    int droppedIndex_ = -1;
    bool filtering_ = false;
    bool forwarding_ = false;
};

TComboBox::TComboBox(TComponent* AOwner, TComboBoxStyle style) : TWinControl(AOwner, new ComboWidget(this), false)
{
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
    DlgCode = DLGC_WANTCHARS | DLGC_WANTARROWS;
    items_.OnChange = [this](TObject*) { itemsChanged(); };
    QObject::connect(combo(), &QComboBox::activated,
                     [this] { ControlBridge::guarded([this] { NotifyParent(CBN_SELCHANGE); }); });
    SetStyle(style);
}

TComboBox::~TComboBox()
{
    Destroying();
    items_.OnChange = nullptr;
}

QComboBox* TComboBox::combo() const
{
    return static_cast<QComboBox*>(Widget());
}

void TComboBox::SetStyle(TComboBoxStyle style)
{
    style_ = style;
    const bool editable = style == csDropDown || style == csSimple;
    if (editable == combo()->isEditable())
        return;
    combo()->setEditable(editable);
    if (editable) {
        combo()->setInsertPolicy(QComboBox::NoInsert);
        // The edit field completes nothing by itself: completion is its owner's.
        combo()->setCompleter(nullptr);
        QObject::connect(combo()->lineEdit(), &QLineEdit::textEdited,
                         [this] { ControlBridge::guarded([this] { NotifyParent(CBN_EDITCHANGE); }); });
    }
}

void TComboBox::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CN_COMMAND:
        switch (HIWORD(m.WParam)) {
        case CBN_SELCHANGE:
            Click();
            Select();
            break;
        case CBN_EDITCHANGE:
            Change();
            break;
        case CBN_DROPDOWN:
            if (OnDropDown)
                OnDropDown(this);
            break;
        case CBN_CLOSEUP:
            if (OnCloseUp)
                OnCloseUp(this);
            break;
        default:
            break;
        }
        return;
    case CB_GETCURSEL:
        m.Result = ItemIndex();
        return;
    case CB_SETCURSEL:
        SetItemIndex(static_cast<int>(static_cast<LPARAM>(m.WParam)));
        m.Result = ItemIndex();
        return;
    case CB_GETCOUNT:
        m.Result = items_.Count();
        return;
    case CB_GETLBTEXT: {
        // LParam: the QString that receives the entry.
        const auto index = static_cast<int>(static_cast<LPARAM>(m.WParam));
        if (index < 0 || index >= items_.Count() || !m.LParam) {
            m.Result = static_cast<LRESULT>(CB_ERR);
            return;
        }
        *reinterpret_cast<QString*>(m.LParam) = items_[index];
        m.Result = items_[index].size();
        return;
    }
    case CB_SHOWDROPDOWN:
        SetDroppedDown(m.WParam != 0);
        m.Result = 1;
        return;
    case CB_GETDROPPEDSTATE:
        m.Result = DroppedDown() ? 1 : 0;
        return;
    case CB_SETDROPPEDWIDTH:
        combo()->view()->setMinimumWidth(static_cast<int>(m.WParam));
        m.Result = static_cast<LRESULT>(m.WParam);
        return;
    case CB_GETEDITSEL:
        // The selection of the edit field: start in the low word, end in the high word (0 without one).
        if (QLineEdit* edit = combo()->lineEdit()) {
            const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
            m.Result = MAKELPARAM(start, start + (edit->hasSelectedText() ? edit->selectionLength() : 0));
        } else {
            m.Result = 0;
        }
        return;
    case CB_SETEDITSEL:
        // LParam: start in the low word, end in the high word; the caret goes to the end.
        if (QLineEdit* edit = combo()->lineEdit()) {
            const int start = LOWORD(static_cast<std::uintptr_t>(m.LParam));
            const int end = HIWORD(static_cast<std::uintptr_t>(m.LParam));
            edit->setSelection(start, end - start);
        }
        m.Result = 1;
        return;
    case CB_GETDROPPEDWIDTH:
        // The list is never narrower than the box.
        m.Result = std::max(combo()->view()->minimumWidth(), Width());
        return;
    default:
        TWinControl::WndProc(m);
    }
}

void TComboBox::itemsChanged()
{
    const QSignalBlocker block(combo());
    const int index = combo()->currentIndex();
    const QString text = combo()->currentText();
    combo()->clear();
    combo()->addItems(items_.ToQStringList());
    combo()->setCurrentIndex(index < items_.Count() ? index : -1);
    if (combo()->isEditable())
        combo()->setEditText(text);
}

int TComboBox::ItemIndex() const
{
    const int index = combo()->currentIndex();
    if (combo()->isEditable() && index >= 0 && combo()->currentText() != items_[index])
        return -1;  // the user typed a text of their own
    return index;
}

void TComboBox::SetItemIndex(int index)
{
    const QSignalBlocker block(combo());
    combo()->setCurrentIndex(index >= 0 && index < items_.Count() ? index : -1);
    if (combo()->isEditable())
        combo()->setEditText(index >= 0 && index < items_.Count() ? items_[index] : QString());
}

QString TComboBox::GetText() const
{
    return combo()->currentText();
}

void TComboBox::SetTextValue(const QString& text)
{
    const QSignalBlocker block(combo());
    if (combo()->isEditable()) {
        combo()->setCurrentIndex(items_.IndexOf(text));
        combo()->setEditText(text);
    } else {
        combo()->setCurrentIndex(items_.IndexOf(text));
    }
}

int TComboBox::DropDownCount() const
{
    return combo()->maxVisibleItems();
}

void TComboBox::SetDropDownCount(int count)
{
    combo()->setMaxVisibleItems(count);
}

bool TComboBox::DroppedDown() const
{
    return combo()->view()->isVisible();
}

void TComboBox::SetDroppedDown(bool v)
{
    if (v)
        combo()->showPopup();
    else
        combo()->hidePopup();
}

void TComboBox::Clear()
{
    items_.Clear();
    SetText(QString());
}

void TComboBox::PaintOverBox()
{
    if (paintsOver_)
        return;
    paintsOver_ = true;
    new PaintOverlay(combo(), [this](QPainter& painter) {
        const TCanvasPaintGuard bind(canvas_, &painter);
        canvas_.Font().Assign(Font());
        canvas_.Brush().SetColor(Color());
        Perform(WM_PAINT);
    });
}

void TComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

// ---------------------------------------------------------------------------------------------
// TCheckBox and TRadioButton

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner, new NativeWidget<QCheckBox>, false)
{
    ControlStyle &= ~csClickEvents;  // the box's own state change clicks
    SetParentColor(true);
    SetBounds(0, 0, 97, 17);
    QObject::connect(box(), &QCheckBox::stateChanged, [this] { ControlBridge::guarded([this] { Click(); }); });
}

QCheckBox* TCheckBox::box() const
{
    return static_cast<QCheckBox*>(Widget());
}

TCheckBoxState TCheckBox::State() const
{
    switch (box()->checkState()) {
    case Qt::Checked:
        return cbChecked;
    case Qt::PartiallyChecked:
        return cbGrayed;
    default:
        return cbUnchecked;
    }
}

void TCheckBox::SetState(TCheckBoxState state)
{
    box()->setCheckState(state == cbChecked ? Qt::Checked : state == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
}

bool TCheckBox::AllowGrayed() const
{
    return box()->isTristate();
}

void TCheckBox::SetAllowGrayed(bool v)
{
    box()->setTristate(v);
}

QString TCheckBox::GetText() const
{
    return box()->text();
}

void TCheckBox::SetTextValue(const QString& text)
{
    box()->setText(text);
}

TRadioButton::TRadioButton(TComponent* AOwner) : TWinControl(AOwner, new NativeWidget<QRadioButton>, false)
{
    ControlStyle &= ~csClickEvents;  // becoming checked clicks
    SetParentColor(true);
    SetBounds(0, 0, 113, 17);
    QObject::connect(button(), &QRadioButton::toggled, [this](bool checked) {
        if (checked)
            ControlBridge::guarded([this] { Click(); });
    });
}

QRadioButton* TRadioButton::button() const
{
    return static_cast<QRadioButton*>(Widget());
}

bool TRadioButton::Checked() const
{
    return button()->isChecked();
}

void TRadioButton::SetChecked(bool v)
{
    button()->setChecked(v);
}

QString TRadioButton::GetText() const
{
    return button()->text();
}

void TRadioButton::SetTextValue(const QString& text)
{
    button()->setText(text);
}

// ---------------------------------------------------------------------------------------------
// TListBox

TListBox::TListBox(TComponent* AOwner) : TWinControl(AOwner, new NativeWidget<QListWidget>, false)
{
    ControlStyle &= ~csClickEvents;  // a changed selection clicks
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
    DlgCode = DLGC_WANTCHARS | DLGC_WANTARROWS;
    // Clicks on the items land on the list's viewport.
    WatchWidget(list()->viewport());
    items_.OnChange = [this](TObject*) { itemsChanged(); };
    QObject::connect(list(), &QListWidget::currentRowChanged, [this] {
        if (!updating_)
            ControlBridge::guarded([this] { Click(); });
    });
    QObject::connect(list(), &QListWidget::itemDoubleClicked,
                     [this] { ControlBridge::guarded([this] { DblClick(); }); });
    QObject::connect(list(), &QListWidget::itemChanged, [this] {
        if (!updating_ && checkable_ && OnClickCheck)
            ControlBridge::guarded([this] { OnClickCheck(this); });
    });
}

TListBox::~TListBox()
{
    Destroying();
    items_.OnChange = nullptr;
}

QListWidget* TListBox::list() const
{
    return static_cast<QListWidget*>(Widget());
}

void TListBox::itemsChanged()
{
    updating_ = true;
    const int index = list()->currentRow();
    list()->clear();
    list()->addItems(items_.ToQStringList());
    if (checkable_)
        for (int i = 0; i < list()->count(); ++i) {
            list()->item(i)->setFlags(list()->item(i)->flags() | Qt::ItemIsUserCheckable);
            list()->item(i)->setCheckState(Qt::Unchecked);
        }
    list()->setCurrentRow(index < items_.Count() ? index : -1);
    updating_ = false;
}

void TListBox::SetCheckable(bool value)
{
    if (checkable_ == value)
        return;
    checkable_ = value;
    itemsChanged();
}

bool TListBox::Checked(int index) const
{
    const QListWidgetItem* item = list()->item(index);
    return checkable_ && item && item->checkState() == Qt::Checked;
}

void TListBox::SetChecked(int index, bool value)
{
    QListWidgetItem* item = list()->item(index);
    if (checkable_ && item)
        item->setCheckState(value ? Qt::Checked : Qt::Unchecked);
}

int TListBox::ItemHeight() const
{
    const int row = list()->count() > 0 ? list()->sizeHintForRow(0) : -1;
    return row > 0 ? row : list()->fontMetrics().height() + 2;
}

int TListBox::ItemIndex() const
{
    return list()->currentRow();
}

void TListBox::SetItemIndex(int index)
{
    updating_ = true;
    list()->setCurrentRow(index >= 0 && index < items_.Count() ? index : -1);
    updating_ = false;
}
