#include "platform/RichText.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "platform/QtAccess.h"

namespace {

struct TRunState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int color = 0;
    bool skip = false;  // a destination that is not text (font table, colour table, pictures ...)
};

class TRtfReader {
public:
    explicit TRtfReader(const QString& rtf) : in_(rtf) {}

    QString Html()
    {
        std::vector<TRunState> stack{TRunState{}};
        while (at_ < in_.size()) {
            const QChar ch = in_.at(at_++);
            if (ch == u'{') {
                stack.push_back(stack.back());
            } else if (ch == u'}') {
                if (stack.size() > 1)
                    stack.pop_back();
            } else if (ch == u'\\') {
                controlWord(stack.back());
            } else if (ch != u'\r' && ch != u'\n') {
                text(stack.back(), QString(ch));
            }
        }
        return out_;
    }

private:
    void controlWord(TRunState& s)
    {
        if (at_ >= in_.size())
            return;
        const QChar first = in_.at(at_);
        if (!first.isLetter()) {
            ++at_;
            if (first == u'\'' && at_ + 2 <= in_.size()) {
                bool ok = false;
                const int code = in_.mid(at_, 2).toInt(&ok, 16);
                at_ += 2;
                if (ok)
                    text(s, QString(QChar(code)));
            } else if (first == u'*') {
                s.skip = true;
            } else if (first == u'\\' || first == u'{' || first == u'}') {
                text(s, QString(first));
            }
            return;
        }
        QString word;
        while (at_ < in_.size() && in_.at(at_).isLetter())
            word += in_.at(at_++);
        QString digits;
        if (at_ < in_.size() && (in_.at(at_) == u'-' || in_.at(at_).isDigit()))
            digits += in_.at(at_++);
        while (at_ < in_.size() && in_.at(at_).isDigit() && digits.size() < 10)
            digits += in_.at(at_++);
        if (at_ < in_.size() && in_.at(at_) == u' ')
            ++at_;
        const bool hasValue = !digits.isEmpty();
        const int value = digits.toInt();
        if (word == QLatin1String("fonttbl") || word == QLatin1String("stylesheet") || word == QLatin1String("pict") ||
            word == QLatin1String("info"))
            s.skip = true;
        else if (word == QLatin1String("colortbl"))
            readColorTable(s);
        else if (word == QLatin1String("b"))
            s.bold = !hasValue || value != 0;
        else if (word == QLatin1String("i"))
            s.italic = !hasValue || value != 0;
        else if (word == QLatin1String("ul"))
            s.underline = !hasValue || value != 0;
        else if (word == QLatin1String("ulnone"))
            s.underline = false;
        else if (word == QLatin1String("plain"))
            s = TRunState{false, false, false, 0, s.skip};
        else if (word == QLatin1String("cf"))
            s.color = value;
        else if ((word == QLatin1String("par") || word == QLatin1String("line")) && !s.skip)
            out_ += QStringLiteral("<br>");
        else if (word == QLatin1String("tab") && !s.skip)
            out_ += QStringLiteral("&#9;");
        else if (word == QLatin1String("u") && hasValue) {
            text(s, QString(QChar(static_cast<char16_t>(value & 0xFFFF))));
            if (at_ < in_.size() && in_.at(at_) == u'?')
                ++at_;
        }
    }

    void readColorTable(TRunState& s)
    {
        s.skip = true;
        int r = 0, g = 0, b = 0;
        while (at_ < in_.size() && in_.at(at_) != u'}') {
            const QChar ch = in_.at(at_++);
            if (ch == u';') {
                colors_.push_back(QColor(r, g, b));
                r = g = b = 0;
            } else if (ch == u'\\') {
                QString word;
                while (at_ < in_.size() && in_.at(at_).isLetter())
                    word += in_.at(at_++);
                QString digits;
                while (at_ < in_.size() && in_.at(at_).isDigit() && digits.size() < 4)
                    digits += in_.at(at_++);
                const int v = std::clamp(digits.toInt(), 0, 255);
                (word == QLatin1String("red") ? r : word == QLatin1String("green") ? g : b) = v;
            }
        }
    }

    void text(const TRunState& s, const QString& t)
    {
        if (s.skip)
            return;
        QString run = t.toHtmlEscaped();
        if (s.bold)
            run = QStringLiteral("<b>") + run + QStringLiteral("</b>");
        if (s.italic)
            run = QStringLiteral("<i>") + run + QStringLiteral("</i>");
        if (s.underline)
            run = QStringLiteral("<u>") + run + QStringLiteral("</u>");
        // Entry 0 of the colour table is the automatic colour.
        if (s.color > 0 && s.color < static_cast<int>(colors_.size()))
            run = QStringLiteral("<span style=\"color:%1\">%2</span>").arg(colors_[s.color].name(), run);
        out_ += run;
    }

    const QString& in_;
    int at_ = 0;
    QString out_;
    std::vector<QColor> colors_{QColor()};
};

}  // namespace

QString RichTextToHtml(const QString& rtf)
{
    return TRtfReader(rtf).Html();
}

QString RichTextToPlainText(const QString& rtf)
{
    QTextDocument doc;
    doc.setHtml(RichTextToHtml(rtf));
    return doc.toPlainText();
}

void DrawRichText(TCanvas& canvas, const QString& rtf, const TRect& r, int inset, TColor textColor)
{
    QPainter* p = QtAccess::Painter(canvas);
    if (!p)
        return;
    const QRect box(r.Left + inset, r.Top + inset, r.Right - r.Left - 2 * inset, r.Bottom - r.Top - 2 * inset);
    if (box.width() <= 0 || box.height() <= 0)
        return;
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setDefaultFont(QtAccess::Font(canvas.Font()));
    const TColor color = textColor != clNone ? textColor : canvas.Font().Color();
    doc.setDefaultStyleSheet(QStringLiteral("body { color: %1; }").arg(ColorToQColor(color).name()));
    QString html = RichTextToHtml(rtf);
    if (textColor != clNone)
        html.remove(QRegularExpression(QStringLiteral("<span style=\"color:#[0-9a-f]{6}\">|</span>")));
    doc.setHtml(QStringLiteral("<body>") + html + QStringLiteral("</body>"));
    doc.setTextWidth(box.width());
    p->save();
    p->setClipRect(box, Qt::IntersectClip);
    p->translate(box.topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, ColorToQColor(color));
    doc.documentLayout()->draw(p, context);
    p->restore();
}
