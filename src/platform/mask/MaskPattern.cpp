#include "platform/mask/MaskPattern.h"

#include <QStringList>
#include <algorithm>

namespace {
// The fields of a mask, split at the semicolons that no backslash escapes.
QStringList maskFields(const QString& editMask)
{
    QStringList fields{QString()};
    for (qsizetype i = 0; i < editMask.size(); ++i) {
        const QChar c = editMask.at(i);
        if (c == u';' && fields.size() < 3) {
            fields.append(QString());
            continue;
        }
        fields.last() += c;
        if (c == u'\\' && i + 1 < editMask.size() && fields.size() == 1)
            fields.last() += editMask.at(++i);
    }
    return fields;
}
}  // namespace

TMaskPattern::TMaskPattern(const QString& editMask)
{
    const QStringList fields = maskFields(editMask);
    parsePositions(fields.at(0));
    if (fields.size() > 1)
        saveLiterals_ = fields.at(1) != QLatin1String("0");
    if (fields.size() > 2 && !fields.at(2).isEmpty())
        blank_ = fields.at(2).at(0);
}

void TMaskPattern::parsePositions(const QString& mask)
{
    Case letterCase = Case::Kept;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const QChar c = mask.at(i);
        Position p;
        switch (c.unicode()) {
        case u'!':
            continue;
        case u'>':
            letterCase = Case::Upper;
            continue;
        case u'<':
            if (i + 1 < mask.size() && mask.at(i + 1) == u'>') {
                letterCase = Case::Kept;
                ++i;
            } else {
                letterCase = Case::Lower;
            }
            continue;
        case u'0':
            p = {Kind::Digit, true, {}, letterCase};
            break;
        case u'9':
            p = {Kind::Digit, false, {}, letterCase};
            break;
        case u'#':
            p = {Kind::DigitOrSign, false, {}, letterCase};
            break;
        case u'L':
            p = {Kind::Letter, true, {}, letterCase};
            break;
        case u'l':
            p = {Kind::Letter, false, {}, letterCase};
            break;
        case u'A':
            p = {Kind::LetterOrDigit, true, {}, letterCase};
            break;
        case u'a':
            p = {Kind::LetterOrDigit, false, {}, letterCase};
            break;
        case u'C':
            p = {Kind::Any, true, {}, letterCase};
            break;
        case u'c':
            p = {Kind::Any, false, {}, letterCase};
            break;
        case u'\\':
            if (i + 1 == mask.size())
                continue;
            p.literal = mask.at(++i);
            break;
        default:
            p.literal = c;
            break;
        }
        positions_.push_back(p);
    }
}

bool TMaskPattern::IsLiteral(int pos) const
{
    return positions_.at(static_cast<std::size_t>(pos)).kind == Kind::Literal;
}

bool TMaskPattern::Accepts(int pos, QChar ch) const
{
    const Position& p = positions_.at(static_cast<std::size_t>(pos));
    if (ch == u' ')
        return p.kind != Kind::Literal && !p.required;
    const bool digit = ch >= u'0' && ch <= u'9';
    switch (p.kind) {
    case Kind::Digit:
        return digit;
    case Kind::DigitOrSign:
        return digit || ch == u'+' || ch == u'-';
    case Kind::Letter:
        return ch.isLetter();
    case Kind::LetterOrDigit:
        return digit || ch.isLetter();
    case Kind::Any:
        return ch >= u' ';
    case Kind::Literal:
        return false;
    }
    return false;
}

QChar TMaskPattern::Stored(int pos, QChar ch) const
{
    if (ch == u' ')
        return blank_;
    switch (positions_.at(static_cast<std::size_t>(pos)).letterCase) {
    case Case::Upper:
        return ch.toUpper();
    case Case::Lower:
        return ch.toLower();
    case Case::Kept:
        return ch;
    }
    return ch;
}

QString TMaskPattern::EditTextOf(const QString& text, bool withLiterals) const
{
    QString edit;
    qsizetype next = 0;  // the next character of text
    for (int pos = 0; pos < Length(); ++pos) {
        const Position& p = positions_[static_cast<std::size_t>(pos)];
        if (p.kind == Kind::Literal) {
            edit += p.literal;
            next += withLiterals ? 1 : 0;
            continue;
        }
        const QChar c = next < text.size() ? text.at(next++) : QChar(u' ');
        edit += Stored(pos, Accepts(pos, c) ? c : QChar(u' '));
    }
    return edit;
}

QString TMaskPattern::TextOf(const QString& editText) const
{
    QString text;
    for (int pos = 0; pos < Length() && pos < editText.size(); ++pos) {
        if (IsLiteral(pos)) {
            if (saveLiterals_)
                text += editText.at(pos);
        } else {
            text += editText.at(pos) == blank_ ? QChar(u' ') : editText.at(pos);
        }
    }
    return text;
}

int TMaskPattern::NextInput(int pos) const
{
    pos = std::max(pos, 0);
    while (pos < Length() && IsLiteral(pos))
        ++pos;
    return pos;
}

int TMaskPattern::PrevInput(int pos) const
{
    for (--pos; pos >= 0; --pos)
        if (!IsLiteral(pos))
            return pos;
    return -1;
}

int TMaskPattern::Type(QString& editText, int pos, QChar ch) const
{
    if (pos >= 0 && pos < Length() && IsLiteral(pos) && positions_[static_cast<std::size_t>(pos)].literal == ch)
        return pos + 1;
    const int at = NextInput(pos);
    if (at >= Length() || at >= editText.size() || !Accepts(at, ch))
        return -1;
    editText[at] = Stored(at, ch);
    return NextInput(at + 1);
}

void TMaskPattern::Clear(QString& editText, int from, int to) const
{
    for (int pos = std::max(from, 0); pos < to && pos < Length() && pos < editText.size(); ++pos)
        if (!IsLiteral(pos))
            editText[pos] = blank_;
}
