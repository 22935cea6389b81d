#pragma once
// An edit mask: "<positions>;<save literals>;<blank>". Positions: 0 a digit, 9 a digit or blank, # a digit,
// sign or blank, L a letter, l a letter or blank, A a letter or digit, a a letter, digit or blank, C any
// character, c any character or blank. > upper-cases the positions after it, < lower-cases them, <> ends
// either; \ makes the next character a literal, ! is ignored; every other character is a literal that
// stays in the text. The second field "0" keeps the literals out of Text; the third gives the character
// shown for a position not typed yet ("_" by default).
#include <QString>
#include <vector>

class TMaskPattern {
public:
    explicit TMaskPattern(const QString& editMask = {});

    bool IsEmpty() const { return positions_.empty(); }
    int Length() const { return static_cast<int>(positions_.size()); }
    bool SaveLiterals() const { return saveLiterals_; }
    QChar Blank() const { return blank_; }
    bool IsLiteral(int pos) const;
    // Whether ch may be typed at the input position pos (a space only where the position is optional).
    bool Accepts(int pos, QChar ch) const;
    // What the edit text holds at the input position pos for the accepted ch: ch in the position's case,
    // the blank for a space.
    QChar Stored(int pos, QChar ch) const;

    // The edit text (literals and blanks as shown) for a text: with the literals, position by position,
    // when withLiterals, else the text fills the input positions in order. What a position doesn't take
    // stays blank.
    QString EditTextOf(const QString& text, bool withLiterals) const;
    // The text of an edit text: blanks become spaces, literals stay when they are saved.
    QString TextOf(const QString& editText) const;

    // The first input position at or after pos (Length() when none) and the last one before pos (-1).
    int NextInput(int pos) const;
    int PrevInput(int pos) const;
    // Types ch at the caret pos of editText: the new caret, or -1 when the character is refused.
    // Typing the literal at the caret steps over it.
    int Type(QString& editText, int pos, QChar ch) const;
    // Blanks the input positions from from to before to.
    void Clear(QString& editText, int from, int to) const;

private:
    enum class Kind { Literal, Digit, DigitOrSign, Letter, LetterOrDigit, Any };
    enum class Case { Kept, Upper, Lower };
    struct Position {
        Kind kind = Kind::Literal;
        bool required = false;
        QChar literal;
        Case letterCase = Case::Kept;
    };
    void parsePositions(const QString& mask);

    std::vector<Position> positions_;
    bool saveLiterals_ = true;
    QChar blank_ = u'_';
};
