#include "grid/VoGrid/Editors/EditFilters.h"

#include "grid/VoGrid/VoGridUnit.h"
#include "platform/Classes.h"

namespace {
constexpr char16_t Backspace = 8, Tab = 9, Enter = 13, Esc = 27;

bool isControlPass(char16_t Key)
{
    return Key == Backspace || Key == Tab || Key == Enter || Key == Esc;
}

bool isDigit(char16_t Key)
{
    return Key >= u'0' && Key <= u'9';
}

// A "-" may go first, once, or over a selected "-".
bool minusFits(const TEditState& Edit)
{
    return (Edit.SelStart == 0 && !Edit.Text.contains(u'-')) || Edit.SelText.contains(u'-');
}
}  // namespace

TCharVerdict NumericCharVerdict(char16_t Key, const TEditState& Edit, bool AllowMinus)
{
    if (isControlPass(Key) || isDigit(Key))
        return TCharVerdict::Pass;
    if (Key == u'-' && AllowMinus && Edit.SelStart == 0 && !Edit.Text.contains(u'-'))
        return TCharVerdict::Pass;
    return TCharVerdict::Beep;
}

TCharVerdict FloatCharVerdict(char16_t Key, const TEditState& Edit, bool AllowMinus, bool CtrlDown)
{
    const bool candidate =
        isControlPass(Key) || isDigit(Key) || Key == u',' || Key == u'.' || (Key == u'-' && AllowMinus);
    if (!candidate)
        return CtrlDown ? TCharVerdict::Pass : TCharVerdict::Drop;
    const QChar decimal = LocaleDecimalSeparator();
    if (Key == decimal.unicode() && Edit.Text.contains(decimal) && !Edit.SelText.contains(decimal))
        return TCharVerdict::Drop;
    if (Key == LocaleThousandSeparator().unicode())
        return TCharVerdict::Drop;
    if (Key == u'-' && !minusFits(Edit))
        return TCharVerdict::Beep;
    return TCharVerdict::Pass;
}

QString LookupCompletion(const TStringList& Items, const QString& Typed, bool CaseSensitive)
{
    constexpr int LookupLimit = 255;
    if (Typed.isEmpty())
        return QString();
    const Qt::CaseSensitivity cs = CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < Items.Count(); ++i) {
        const QString item = Items[i].left(LookupLimit);
        if (item.startsWith(Typed, cs))
            return Typed + item.mid(Typed.size());
    }
    return QString();
}
