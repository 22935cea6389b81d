// The rich edit over Qt's rich text document, and its RTF reader and writer (the character formats the
// edit keeps; other RTF groups are skipped).
#include "platform/RichEdit.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <cctype>
#include <vector>

#include "platform/ControlBridge.h"
#include "platform/NativeWidget.h"

namespace {
constexpr int RaisedTwips = 40;

QByteArray escaped(const QString& text)
{
    QByteArray out;
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == u'\t') {
            out += "\\tab ";
        } else if (c == QChar::LineSeparator) {
            out += "\\line ";
        } else if (c >= 0x20 && c < 0x80) {
            out += static_cast<char>(c);
        } else if (c >= 0x20) {
            out += "\\u" + QByteArray::number(static_cast<std::int16_t>(c)) + '?';
        }
    }
    return out;
}

struct RtfTables {
    QStringList fonts;
    std::vector<QColor> colors;
    int font(const QString& name)
    {
        if (!fonts.contains(name))
            fonts.append(name);
        return static_cast<int>(fonts.indexOf(name));
    }
    int color(const QColor& c)
    {
        for (std::size_t i = 0; i < colors.size(); ++i)
            if (colors[i] == c)
                return static_cast<int>(i) + 1;
        colors.push_back(c);
        return static_cast<int>(colors.size());
    }
};

QByteArray formatControls(const QTextCharFormat& f, RtfTables& tables)
{
    QByteArray out =
        "\\plain\\f" + QByteArray::number(tables.font(f.fontFamilies().toStringList().value(0, f.font().family())));
    const double points = f.fontPointSize() > 0 ? f.fontPointSize() : 10.0;
    out += "\\fs" + QByteArray::number(qRound(points * 2));
    if (f.fontWeight() >= QFont::Bold)
        out += "\\b";
    if (f.fontItalic())
        out += "\\i";
    if (f.fontUnderline())
        out += "\\ul";
    if (f.fontStrikeOut())
        out += "\\strike";
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        out += "\\cf" + QByteArray::number(tables.color(f.foreground().color()));
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        out += "\\super";
    else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        out += "\\sub";
    return out + ' ';
}

// The reader's state of one group.
struct RtfState {
    QTextCharFormat format;
    int skip = 0;  // 0 text, 1 skipped group, 2 font table, 3 colour table
};

class RtfReader {
public:
    RtfReader(const QByteArray& rtf, QTextDocument& doc) : rtf_(rtf), cursor_(&doc) {}
    void read();

private:
    void control();
    void word(const QByteArray& name, bool hasParam, int param);
    void text(const QString& s);

    const QByteArray& rtf_;
    QTextCursor cursor_;
    qsizetype pos_ = 0;
    std::vector<RtfState> stack_{RtfState{}};
    QStringList fonts_;
    std::vector<QColor> colors_{QColor()};
    QColor color_{0, 0, 0};
    QString fontName_;
    int ucSkip_ = 1;
    int pendingSkip_ = 0;
    bool started_ = false;
};

void RtfReader::read()
{
    while (pos_ < rtf_.size()) {
        const char c = rtf_[pos_++];
        if (c == '{') {
            stack_.push_back(stack_.back());
        } else if (c == '}') {
            if (stack_.back().skip == 2 && !fontName_.isEmpty())
                fonts_.append(fontName_.trimmed().remove(u';'));
            fontName_.clear();
            if (stack_.size() > 1)
                stack_.pop_back();
        } else if (c == '\\') {
            control();
        } else if (c != '\r' && c != '\n') {
            if (pendingSkip_ > 0) {
                --pendingSkip_;
                continue;
            }
            text(QString(QChar::fromLatin1(c)));
        }
    }
}

void RtfReader::control()
{
    if (pos_ >= rtf_.size())
        return;
    const char c = rtf_[pos_];
    if (!std::isalpha(static_cast<unsigned char>(c))) {
        ++pos_;
        if (c == '\'' && pos_ + 2 <= rtf_.size()) {
            bool ok = false;
            const int byte = rtf_.mid(pos_, 2).toInt(&ok, 16);
            pos_ += 2;
            if (pendingSkip_ > 0)
                --pendingSkip_;
            else if (ok)
                text(QString(QChar(byte)));
        } else if (c == '*') {
            stack_.back().skip = 1;
        } else if (c == '\\' || c == '{' || c == '}') {
            text(QString(QChar::fromLatin1(c)));
        }
        return;
    }
    const qsizetype start = pos_;
    while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_])))
        ++pos_;
    const QByteArray name = rtf_.mid(start, pos_ - start);
    const qsizetype numStart = pos_;
    if (pos_ < rtf_.size() && rtf_[pos_] == '-')
        ++pos_;
    while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_])))
        ++pos_;
    const bool hasParam = pos_ > numStart;
    const int param = hasParam ? rtf_.mid(numStart, pos_ - numStart).toInt() : 0;
    if (pos_ < rtf_.size() && rtf_[pos_] == ' ')
        ++pos_;
    word(name, hasParam, param);
}

void RtfReader::word(const QByteArray& name, bool hasParam, int param)
{
    RtfState& st = stack_.back();
    QTextCharFormat& f = st.format;
    if (name == "fonttbl") {
        st.skip = 2;
    } else if (name == "colortbl") {
        st.skip = 3;
    } else if (name == "stylesheet" || name == "info" || name == "pict" || name == "header" || name == "footer") {
        st.skip = 1;
    } else if (st.skip == 3) {
        if (name == "red")
            color_.setRed(param);
        else if (name == "green")
            color_.setGreen(param);
        else if (name == "blue")
            color_.setBlue(param);
    } else if (st.skip != 0) {
        return;
    } else if (name == "plain") {
        f = QTextCharFormat();
    } else if (name == "b") {
        f.setFontWeight(!hasParam || param ? QFont::Bold : QFont::Normal);
    } else if (name == "i") {
        f.setFontItalic(!hasParam || param);
    } else if (name == "ul") {
        f.setFontUnderline(!hasParam || param);
    } else if (name == "ulnone") {
        f.setFontUnderline(false);
    } else if (name == "strike") {
        f.setFontStrikeOut(!hasParam || param);
    } else if (name == "fs") {
        f.setFontPointSize(param / 2.0);
    } else if (name == "f" && param >= 0 && param < fonts_.size()) {
        f.setFontFamilies({fonts_[param]});
    } else if (name == "cf" && param > 0 && param < static_cast<int>(colors_.size())) {
        f.setForeground(colors_[static_cast<std::size_t>(param)]);
    } else if (name == "super" || (name == "up" && param > 0)) {
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    } else if (name == "sub" || (name == "dn" && param > 0)) {
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    } else if (name == "nosupersub") {
        f.setVerticalAlignment(QTextCharFormat::AlignNormal);
    } else if (name == "par") {
        cursor_.insertBlock();
        started_ = false;
    } else if (name == "line") {
        text(QString(QChar::LineSeparator));
    } else if (name == "tab") {
        text(QStringLiteral("\t"));
    } else if (name == "uc") {
        ucSkip_ = param;
    } else if (name == "u") {
        text(QString(QChar(static_cast<char16_t>(param < 0 ? param + 65536 : param))));
        pendingSkip_ = ucSkip_;
    }
}

void RtfReader::text(const QString& s)
{
    RtfState& st = stack_.back();
    if (st.skip == 2) {
        fontName_ += s;
    } else if (st.skip == 3) {
        if (s == QStringLiteral(";")) {
            colors_.push_back(color_);
            color_ = QColor(0, 0, 0);
        }
    } else if (st.skip == 0) {
        cursor_.insertText(s, st.format);
        started_ = true;
    }
}
}  // namespace

QByteArray DocumentToRtf(const QTextDocument& Document)
{
    RtfTables tables;
    QByteArray body;
    for (QTextBlock block = Document.begin(); block.isValid(); block = block.next()) {
        body += "\\pard";
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            body += formatControls(fragment.charFormat(), tables) + escaped(fragment.text());
        }
        if (block.begin().atEnd())
            body += formatControls(block.charFormat(), tables);
        if (block.next().isValid())
            body += "\\par\r\n";
    }
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    if (tables.fonts.isEmpty())
        tables.fonts.append(Document.defaultFont().family());
    for (int i = 0; i < tables.fonts.size(); ++i)
        out += "{\\f" + QByteArray::number(i) + ' ' + escaped(tables.fonts[i]) + ";}";
    out += "}{\\colortbl ;";
    for (const QColor& c : tables.colors)
        out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
               QByteArray::number(c.blue()) + ';';
    return out + "}\r\n" + body + "\\par\r\n}";
}

void RtfToDocument(const QByteArray& Rtf, QTextDocument& Document)
{
    Document.clear();
    if (!Rtf.startsWith("{\\rtf")) {
        Document.setPlainText(QString::fromLatin1(Rtf));
        return;
    }
    RtfReader(Rtf, Document).read();
    // The paragraph mark that ends the last paragraph opens no new one.
    QTextBlock last = Document.lastBlock();
    if (last.length() <= 1 && last.previous().isValid()) {
        QTextCursor cursor(&Document);
        cursor.movePosition(QTextCursor::End);
        cursor.deletePreviousChar();
    }
}

TCustomRichEdit::TCustomRichEdit(TComponent* AOwner) : TCustomEdit(AOwner, new NativeWidget<QTextEdit>)
{
    SetBounds(0, 0, 185, 89);
    edit()->setAcceptRichText(false);
    edit()->setTabChangesFocus(false);
    QObject::connect(edit(), &QTextEdit::textChanged,
                     [this] { ControlBridge::guarded([this] { NotifyParent(EN_CHANGE); }); });
    QObject::connect(edit(), &QTextEdit::cursorPositionChanged, [this] { selectionMoved(); });
    QObject::connect(edit(), &QTextEdit::selectionChanged, [this] { selectionMoved(); });
}

// The two signals of one move come as one notification.
void TCustomRichEdit::selectionMoved()
{
    const QTextCursor cursor = edit()->textCursor();
    if (cursor.anchor() == selAnchor_ && cursor.position() == selPosition_)
        return;
    selAnchor_ = cursor.anchor();
    selPosition_ = cursor.position();
    if (OnSelectionChange)
        ControlBridge::guarded([this] { OnSelectionChange(this); });
}

QTextEdit* TCustomRichEdit::edit() const
{
    return static_cast<QTextEdit*>(Widget());
}

void TCustomRichEdit::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTALLKEYS;
        return;
    }
    TCustomEdit::WndProc(Message);
}

QString TCustomRichEdit::GetText() const
{
    return edit()->toPlainText();
}

void TCustomRichEdit::SetTextValue(const QString& text)
{
    edit()->setPlainText(text);
}

void TCustomRichEdit::GetSelection(int& from, int& to) const
{
    const QTextCursor c = edit()->textCursor();
    from = c.selectionStart();
    to = c.selectionEnd();
}

void TCustomRichEdit::SetSelection(int from, int to)
{
    QTextCursor c = edit()->textCursor();
    const int end = static_cast<int>(edit()->document()->characterCount()) - 1;
    c.setPosition(std::clamp(from, 0, end));
    c.setPosition(std::clamp(to, 0, end), QTextCursor::KeepAnchor);
    edit()->setTextCursor(c);
}

QByteArray TCustomRichEdit::SaveToRtf() const
{
    return DocumentToRtf(*edit()->document());
}

void TCustomRichEdit::LoadFromRtf(const QByteArray& Rtf)
{
    RtfToDocument(Rtf, *edit()->document());
}

int TCustomRichEdit::SelOffset() const
{
    const QTextCursor c = edit()->textCursor();
    QTextCursor probe(c);
    if (c.hasSelection())
        probe.setPosition(c.selectionStart() + 1);
    switch (probe.charFormat().verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript:
        return RaisedTwips;
    case QTextCharFormat::AlignSubScript:
        return -RaisedTwips;
    default:
        return 0;
    }
}

void TCustomRichEdit::SetSelOffset(int Twips)
{
    QTextCharFormat f;
    f.setVerticalAlignment(Twips > 0   ? QTextCharFormat::AlignSuperScript
                           : Twips < 0 ? QTextCharFormat::AlignSubScript
                                       : QTextCharFormat::AlignNormal);
    edit()->textCursor().mergeCharFormat(f);
    edit()->mergeCurrentCharFormat(f);
}

void TCustomRichEdit::SetSelBold(bool Bold)
{
    QTextCharFormat f;
    f.setFontWeight(Bold ? QFont::Bold : QFont::Normal);
    edit()->textCursor().mergeCharFormat(f);
    edit()->mergeCurrentCharFormat(f);
}
