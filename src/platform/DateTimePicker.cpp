#include "platform/DateTimePicker.h"

#include "platform/ControlBridge.h"
#include "platform/NativeWidget.h"
#include "platform/PaintOverlay.h"
#include "platform/QtAccess.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QLocale>
#include <QStyle>
#include <QStyleOptionSpinBox>

#include <cmath>

namespace {

const QDate& dateBase()
{
    static const QDate base(1899, 12, 30);
    return base;
}

QDateTime toQDateTime(TDateTime value)
{
    const double days = std::floor(value);
    const auto msecs = static_cast<int>(std::llround((value - days) * 86400000.0));
    const QDate date = dateBase().addDays(static_cast<qint64>(days));
    return QDateTime(date, QTime(0, 0).addMSecs(std::min(msecs, 86399999)));
}

TDateTime fromQDateTime(const QDateTime& dt)
{
    return static_cast<double>(dateBase().daysTo(dt.date())) + dt.time().msecsSinceStartOfDay() / 86400000.0;
}

// The picker's field letters as Qt's: t and tt are the AM/PM marker.
QString qtFormat(const QString& format)
{
    QString out;
    bool quoted = false;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == '\'')
            quoted = !quoted;
        if (!quoted && c == 't') {
            const bool twice = i + 1 < format.size() && format.at(i + 1) == 't';
            out += twice ? QStringLiteral("AP") : QStringLiteral("A");
            i += twice ? 1 : 0;
            continue;
        }
        out += c;
    }
    return out;
}

// The regional short date with a four-digit year.
QString shortDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

// The date and time fields, with room for the check box at their left when it shows.
class PickerEdit : public NativeWidget<QDateTimeEdit> {
public:
    PickerEdit() : check_(new QCheckBox(this)) { check_->setVisible(false); }
    QCheckBox* check() const { return check_; }
    void setFieldsEnabled(bool on) { lineEdit()->setEnabled(on); }
    void layoutCheck()
    {
        const int side = check_->sizeHint().width();
        check_->setGeometry(2, (height() - check_->sizeHint().height()) / 2, side, check_->sizeHint().height());
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        QRect field = style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, this);
        if (!check_->isHidden())
            field.setLeft(field.left() + side + 2);
        lineEdit()->setGeometry(field);
    }

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        NativeWidget<QDateTimeEdit>::resizeEvent(e);
        layoutCheck();
    }

private:
    QCheckBox* check_;
};

class PopupWatch : public QObject {
public:
    PopupWatch(std::function<void(bool)> shown) : shown_(std::move(shown)) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show || e->type() == QEvent::Hide)
            ControlBridge::guarded([&] { shown_(e->type() == QEvent::Show); });
        return false;
    }

private:
    std::function<void(bool)> shown_;
};

}  // namespace

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec)
{
    return fromQDateTime(QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec)));
}

void DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& minute, int& second, int& msec)
{
    const QDateTime dt = toQDateTime(value);
    year = dt.date().year();
    month = dt.date().month();
    day = dt.date().day();
    hour = dt.time().hour();
    minute = dt.time().minute();
    second = dt.time().second();
    msec = dt.time().msec();
}

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner, new PickerEdit, false)
{
    edit_ = static_cast<PickerEdit*>(Widget());
    check_ = static_cast<PickerEdit*>(edit_)->check();
    check_->setFocusPolicy(Qt::NoFocus);
    check_->setChecked(true);
    WatchWidget(check_);
    DlgCode = DLGC_WANTARROWS | DLGC_WANTCHARS;
    edit_->setDateTime(QDateTime::currentDateTime());
    // A field steps round within its range, as the system's picker does.
    edit_->setWrapping(true);
    edit_->setCalendarPopup(true);
    auto* watch = new PopupWatch([this](bool shown) { notify(shown ? DTN_DROPDOWN : DTN_CLOSEUP, 0); });
    watch->setParent(edit_);
    edit_->calendarWidget()->window()->installEventFilter(watch);
    QObject::connect(edit_, &QDateTimeEdit::dateTimeChanged, [this] {
        if (!updating_)
            ControlBridge::guarded([this] { notify(DTN_DATETIMECHANGE, GDT_VALID); });
    });
    QObject::connect(check_, &QCheckBox::toggled, [this](bool on) {
        static_cast<PickerEdit*>(edit_)->setFieldsEnabled(on);
        if (!updating_)
            ControlBridge::guarded([this, on] { notify(DTN_DATETIMECHANGE, on ? GDT_VALID : GDT_NONE); });
    });
    new PaintOverlay(edit_, [this](QPainter& painter) {
        const TCanvasPaintGuard bind(canvas_, &painter);
        canvas_.Font().Assign(Font());
        canvas_.Brush().SetColor(Color());
        Perform(WM_PAINT);
    });
    SetColor(clWindow);
    applyFormat();
    SetBounds(0, 0, 186, 21);
}

TDateTimePicker::~TDateTimePicker()
{
    Destroying();
}

void TDateTimePicker::notify(UINT code, LPARAM flags)
{
    if (code == DTN_DATETIMECHANGE && Parent()) {
        NMDATETIMECHANGE change{this, flags, DateTime()};
        Parent()->Perform(WM_NOTIFY, code, reinterpret_cast<LPARAM>(&change));
    }
    Perform(CN_NOTIFY, code, flags);
}

void TDateTimePicker::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CN_NOTIFY:
        switch (m.WParam) {
        case DTN_DATETIMECHANGE:
            Change();
            break;
        case DTN_DROPDOWN:
            if (OnDropDown)
                OnDropDown(this);
            break;
        case DTN_CLOSEUP:
            if (OnCloseUp)
                OnCloseUp(this);
            break;
        default:
            break;
        }
        return;
    case DTM_SETSYSTEMTIME:
        if (m.WParam == GDT_NONE) {
            SetChecked(false);
        } else if (m.LParam) {
            SetSystemTime(*reinterpret_cast<const TDateTime*>(m.LParam));
        }
        m.Result = 1;
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        TWinControl::WndProc(m);
        if (m.Result != 0)
            return;
        if (m.Msg == WM_KEYDOWN && (m.WParam == VK_RIGHT || m.WParam == VK_LEFT)) {
            SetFieldIndex(FieldIndex() + (m.WParam == VK_RIGHT ? 1 : -1));
            m.Result = 1;
        } else if (m.WParam == VK_F4 || (m.Msg == WM_SYSKEYDOWN && m.WParam == VK_DOWN)) {
            SetDroppedDown(true);
            m.Result = 1;
        }
        return;
    default:
        TWinControl::WndProc(m);
    }
}

void TDateTimePicker::Change()
{
    if (OnChange)
        OnChange(this);
}

void TDateTimePicker::ColorChanged()
{
    TWinControl::ColorChanged();
    QPalette pal = edit_->palette();
    pal.setColor(QPalette::Base, ColorToQColor(Color()));
    edit_->setPalette(pal);
}

void TDateTimePicker::applyFormat()
{
    const QString format = !format_.isEmpty() ? qtFormat(format_)
                           : kind_ == dtkTime ? QStringLiteral("H:mm:ss")
                                              : shortDateFormat();
    const QSignalBlocker block(edit_);
    edit_->setDisplayFormat(format);
    edit_->setCalendarPopup(kind_ == dtkDate && dateMode_ == dmComboBox);
}

void TDateTimePicker::SetKind(TDateTimeKind kind)
{
    kind_ = kind;
    applyFormat();
}

void TDateTimePicker::SetFormat(const QString& format)
{
    format_ = format;
    applyFormat();
}

void TDateTimePicker::SetDateMode(TDTDateMode mode)
{
    dateMode_ = mode;
    applyFormat();
}

TDateTime TDateTimePicker::DateTime() const
{
    return fromQDateTime(edit_->dateTime());
}

void TDateTimePicker::SetDateTime(TDateTime value)
{
    SetSystemTime(value);
}

void TDateTimePicker::SetSystemTime(TDateTime value)
{
    updating_ = true;
    edit_->setDateTime(toQDateTime(value));
    if (showCheckbox_)
        check_->setChecked(true);
    updating_ = false;
}

TDateTime TDateTimePicker::Date() const
{
    return std::floor(DateTime());
}

void TDateTimePicker::SetDate(TDateTime value)
{
    SetDateTime(std::floor(value) + (DateTime() - std::floor(DateTime())));
}

TDateTime TDateTimePicker::Time() const
{
    return DateTime() - std::floor(DateTime());
}

void TDateTimePicker::SetTime(TDateTime value)
{
    SetDateTime(std::floor(DateTime()) + (value - std::floor(value)));
}

void TDateTimePicker::SetShowCheckbox(bool v)
{
    showCheckbox_ = v;
    check_->setVisible(v);
    static_cast<PickerEdit*>(edit_)->layoutCheck();
    if (!v) {
        const QSignalBlocker block(check_);
        check_->setChecked(true);
        static_cast<PickerEdit*>(edit_)->setFieldsEnabled(true);
    }
}

bool TDateTimePicker::Checked() const
{
    return !showCheckbox_ || check_->isChecked();
}

void TDateTimePicker::SetChecked(bool v)
{
    updating_ = true;
    check_->setChecked(v);
    updating_ = false;
}

void TDateTimePicker::SetMinDate(TDateTime value)
{
    minDate_ = value;
    edit_->setMinimumDateTime(toQDateTime(value));
}

void TDateTimePicker::SetMaxDate(TDateTime value)
{
    maxDate_ = value;
    edit_->setMaximumDateTime(toQDateTime(value));
}

bool TDateTimePicker::DroppedDown() const
{
    return edit_->calendarPopup() && edit_->calendarWidget()->window()->isVisible();
}

void TDateTimePicker::SetDroppedDown(bool v)
{
    if (v == DroppedDown() || !edit_->calendarPopup())
        return;
    if (!v) {
        edit_->calendarWidget()->window()->hide();
        return;
    }
    QWidget* popup = edit_->calendarWidget()->window();
    edit_->calendarWidget()->setSelectedDate(edit_->date());
    popup->move(edit_->mapToGlobal(QPoint(0, edit_->height())));
    popup->show();
}

void TDateTimePicker::SetCtl3D(bool v)
{
    ctl3D_ = v;
    edit_->setFrame(v);
}

int TDateTimePicker::FieldIndex() const
{
    return edit_->currentSectionIndex();
}

// The field is selected, so that typing replaces it.
void TDateTimePicker::SetFieldIndex(int index)
{
    index = std::clamp(index, 0, std::max(0, edit_->sectionCount() - 1));
    edit_->setCurrentSectionIndex(index);
    edit_->setSelectedSection(edit_->sectionAt(index));
}

int TDateTimePicker::FieldCount() const
{
    return edit_->sectionCount();
}

QString TDateTimePicker::FieldsText() const
{
    return edit_->text();
}
