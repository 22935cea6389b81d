// The grid as an HTML table: one CSS class per distinct cell look, merged cells as spanning cells and
// URLs as links.
#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringList>

#include "grid/base/REdaReviZizod.h"
#include "grid/base/VoUtil/VoUtilText.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"
#include "grid/io/GridIO.h"
#include "platform/ImageData.h"

namespace {
constexpr TColor NotSet = static_cast<TColor>(0x7FFFFFFF);
const QString CRLF = QStringLiteral("\r\n");

// Distinct style texts (letter case ignored) in the order first met; a cell's class is its style's index.
class TStyleRegistry {
public:
    int IndexOf(const QString& Style)
    {
        const QString key = Style.toLower();
        const auto it = index_.constFind(key);
        if (it != index_.constEnd())
            return *it;
        const int i = static_cast<int>(styles_.size());
        index_.insert(key, i);
        styles_ << Style;
        return i;
    }
    QString Block() const
    {
        QString out = QStringLiteral("<style>") + CRLF;
        for (qsizetype i = 0; i < styles_.size(); ++i)
            out += QStringLiteral(".c%1 {%2}").arg(i).arg(styles_[i]) + CRLF;
        return out + QStringLiteral("</style>") + CRLF;
    }

private:
    QHash<QString, int> index_;
    QStringList styles_;
};

struct TCellLook {
    TBrush Brush;
    TFont Font;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WordWrap = true;
};

QString colorItem(const char* Name, TColor Color)
{
    return QString::fromLatin1(Name) + HexOfWord(static_cast<int>(ColorToRGB(Color)));
}

QString styleText(const TCellLook& Look, bool SaveColor)
{
    QStringList items;
    const TColor back = Look.Brush.Color();
    if (SaveColor && back != NotSet && back != clNone)
        items << colorItem("background-color: #", back);
    const TColor fore = Look.Font.Color();
    if (SaveColor && fore != NotSet && fore != clNone)
        items << colorItem("color: #", fore);
    items << QStringLiteral("font-size:%1pt").arg(Look.Font.Size());
    if (Look.Font.Style() & fsItalic)
        items << QStringLiteral("font-style: italic");
    if (Look.Font.Style() & fsBold)
        items << QStringLiteral("font-weight: bold");
    items << QStringLiteral("font-family: ") + Look.Font.Name();
    if (Look.HA == taRightJustify)
        items << QStringLiteral("text-align: right");
    else if (Look.HA == taCenter)
        items << QStringLiteral("text-align: center");
    static const char* const vertical[] = {"vertical-align: top", "vertical-align: middle", "vertical-align: bottom"};
    items << QString::fromLatin1(vertical[Look.VA]);
    return items.join(u';');
}

// A text holding "://" or "mailto:" as a link; the shown text drops the scheme unless Full is set.
QString linked(const QString& Text, bool Full)
{
    if (Text.contains(QLatin1String("</")))
        return Text;
    QString out = Text;
    const auto link = [&](qsizetype After, qsizetype Max) {
        const QString shown = Full ? Text : Text.mid(After, Max);
        return QStringLiteral("<a href=") + Text + u'>' + shown + QStringLiteral("</a>");
    };
    if (const qsizetype p = Text.indexOf(QLatin1String("://")); p >= 0)
        out = link(p + 3, 255);
    if (const qsizetype p = Text.indexOf(QLatin1String("mailto:")); p >= 0)
        out = link(p + 7, -1);
    return out;
}
// The pictures of one export, numbered in the order written. A page with a folder gets JPEG files
// "images/img<n>.jpg" in that folder; a page without one (the clipboard's) holds its pictures itself, so that
// copying writes no file.
class TPictureWriter {
public:
    explicit TPictureWriter(const QString& Dir) : dir_(Dir) {}
    // The element that shows the picture; empty for an empty picture.
    QString Element(const TBitmap& Picture)
    {
        if (Picture.Empty())
            return {};
        if (dir_.isEmpty()) {
            const QByteArray png = ImageFileData(Picture, "PNG");
            return png.isEmpty() ? QString()
                                 : QStringLiteral("<img src=\"data:image/png;base64,") +
                                       QString::fromLatin1(png.toBase64()) + QStringLiteral("\">");
        }
        const QString folder = dir_ + QStringLiteral("images");
        if (!QDir().mkpath(folder))
            throw REdaReviZizod(QStringLiteral("Cannot create ") + folder);
        const QString path = folder + QStringLiteral("/img%1.jpg").arg(++count_);
        QFile file(path);
        const QByteArray jpeg = ImageFileData(Picture, "JPEG");
        if (jpeg.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(jpeg) != jpeg.size())
            throw REdaReviZizod(QStringLiteral("Cannot create ") + path);
        return QStringLiteral("<img src=\"file://") + path + QStringLiteral("\">");
    }
    QString ImageOfList(const TImageList* List, int Index)
    {
        if (!List || Index < 0 || Index >= List->Count())
            return {};
        TBitmap image(List->Width(), List->Height());
        List->Draw(image.Canvas(), 0, 0, Index);
        return Element(image);
    }

private:
    QString dir_;
    int count_ = 0;
};

// The element content of a cell with a picture, by the type of its graphic; the text alone for the others.
QString withPictures(VOroDavoduRuzu& g, int RealC, int R, const QString& Text, TPictureWriter& Pictures)
{
    const TCellGraphic* graphic = g.GetCellGraphic(RealC, R);
    if (!graphic || !g.HTMLSettings().ExportImages)
        return Text;
    TImageList* list = g.QueryCellImageList(RealC, R);
    switch (graphic->CellType) {
    case ctBitmap:
        if (const auto* bitmap = dynamic_cast<const TBitmap*>(graphic->CellBitmap))
            return Text + Pictures.Element(*bitmap);
        return Text;
    case ctPicture:
        if (const auto* picture = dynamic_cast<const TPicture*>(graphic->CellBitmap);
            picture && dynamic_cast<const TBitmap*>(picture->Graphic()))
            return Text + Pictures.Element(*static_cast<const TBitmap*>(picture->Graphic()));
        return Text;
    case ctImageList:
        return Pictures.ImageOfList(list, graphic->CellIndex) + Text;
    case ctDataImage: {
        bool ok = false;
        const int index = g.Cells(RealC, R).toInt(&ok);
        return ok ? Pictures.ImageOfList(list, index) : QString();
    }
    case ctImages: {
        QString out;
        if (const auto* indexes = dynamic_cast<const TIntList*>(graphic->CellBitmap); indexes && list)
            for (int i = 0; i < indexes->Count(); ++i)
                out += Pictures.ImageOfList(list, indexes->GetInteger(i));
        return out + Text;
    }
    default:
        return Text;
    }
}
}  // namespace

QString TGridIO::SaveToHTMLString(const QString& Dir)
{
    TPictureWriter pictures(Dir);
    VOroDavoduRuzu& g = grid_;
    const THTMLSettings& hs = g.HTMLSettings();
    TIntList& widths = g.HTMLSettings().ColWidths();
    const int firstCol = SaveStartCol();
    const bool header = g.FixedRows() > 0 && (g.SaveFixedCells || g.SaveFixedRows);
    const int firstBody = header ? 1 : SaveStartRow();
    TStyleRegistry styles;

    const auto look = [&](int c, int r, bool fixedBack) {
        TCellLook l;
        l.Font.Assign(g.Font());
        l.Font.SetColor(NotSet);
        l.Font.SetStyle(0);
        l.Brush.SetColor(NotSet);
        l.HA = g.DefaultAlignment;
        l.VA = g.VAlignment;
        l.WordWrap = g.WordWrap;
        TGridDrawState state = 0;
        TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
        TCellGradientDirection gd = GradientVertical;
        g.GetVisualProperties(c, r, state, false, false, true, l.Brush, colorTo, mirror, mirrorTo, l.Font, l.HA, l.VA,
                              l.WordWrap, gd);
        if (fixedBack)
            l.Brush.SetColor(g.FixedColor());
        return l;
    };
    const auto element = [&](int c, int r, const QString& Content, bool HeaderRow, bool fixedBack) {
        const TCellLook l = look(c, r, fixedBack);
        QString td = QStringLiteral("<TD class=\"c%1\"").arg(styles.IndexOf(styleText(l, hs.SaveColor)));
        const TPoint span = g.IsMergedCell(c, r) ? g.CellSpan(c, r) : TPoint{0, 0};
        if (span.X > 0)
            td += QStringLiteral(" COLSPAN=\"%1\"").arg(span.X + 1);
        if (span.Y > 0)
            td += QStringLiteral(" ROWSPAN=\"%1\"").arg(span.Y + 1);
        if (!l.WordWrap)
            td += QStringLiteral(" nowrap");
        if (HeaderRow && c < widths.Count())
            td += QStringLiteral(" WIDTH=%1").arg(widths.GetInteger(c));
        else if (!HeaderRow && !header && c - firstCol < widths.Count())
            td += QStringLiteral(" width=%1").arg(widths.GetInteger(c - firstCol));
        return td + u'>' + Content + QStringLiteral("</td>") + CRLF;
    };
    const auto exported = [&](int c, int r) { return !g.IsMergedNonBaseCell(c, r); };

    QString table = QStringLiteral("<TABLE BORDER=\"%1\" CELLSPACING=\"%2\" CELLPADDING=\"%3\" ")
                        .arg(hs.BorderSize)
                        .arg(hs.CellSpacing)
                        .arg(hs.CellPadding);
    if (!hs.Summary.isEmpty())
        table += QStringLiteral("SUMMARY=\"%1\" ").arg(hs.Summary);
    if (!hs.TableStyle.isEmpty())
        table += u' ' + hs.TableStyle + u' ';
    table += QStringLiteral(" WIDTH=\"%1%\">").arg(hs.Width) + CRLF;

    if (header) {
        table += QStringLiteral("<TR>") + CRLF;
        for (int c = firstCol; c < g.ColCount(); ++c) {
            if (!exported(c, 0))
                continue;
            QString text = linked(LinesToHtmlBreaks(g.CellTextForSave(g.DisplayToRealCol(c), 0)), g.URLFull);
            table += element(c, 0, text.isEmpty() ? QStringLiteral("&nbsp;") : text, true, true);
        }
        table += QStringLiteral("</TR>") + CRLF;
    }
    g.ExportNotification(esExportStart, firstBody);
    for (int r = firstBody; r < g.RowCount(); ++r) {
        g.ExportNotification(esExportNextRow, r);
        table += QStringLiteral("<TR>") + CRLF;
        for (int c = firstCol; c < g.ColCount(); ++c) {
            if (!exported(c, r))
                continue;
            const int real = g.DisplayToRealCol(c);
            QString text = g.CellTextForSave(real, r);
            if (hs.ConvertSpecialChars)
                text = HtmlEscape(text, true);
            if (hs.NonBreakingText)
                text = SpacesToNbsp(text);
            text = LinesToHtmlBreaks(text);
            if (g.URLShow)
                text = linked(text, g.URLFull);
            text = withPictures(g, real, r, text, pictures);
            if (text.trimmed().isEmpty())
                text = QStringLiteral("&nbsp;");
            if (g.GetCellType(real, r) == ctNode)
                text.prepend(u'+');
            table += element(c, r, text, false, g.IsFixed(c, r));
        }
        table += QStringLiteral("</TR>") + CRLF;
    }
    g.ExportNotification(esExportDone, -1);
    table += QStringLiteral("</TABLE>") + CRLF;
    if (!hs.SuffixTag.isEmpty())
        table += hs.SuffixTag + CRLF;

    QString out;
    if (hs.XHTML)
        out += QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>") + CRLF +
               QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"") + CRLF +
               QStringLiteral("\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">") + CRLF +
               QStringLiteral("<HTML xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">") + CRLF;
    out += hs.PrefixTag + styles.Block() + table;
    if (hs.XHTML)
        out += QStringLiteral("</HTML>") + CRLF;
    return out;
}
