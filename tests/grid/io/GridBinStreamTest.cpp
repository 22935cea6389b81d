// The binary cell stream: value encodings, round trips of texts, properties and graphics, placement, and
// malformed streams that must fail without touching a cell.
#include <gtest/gtest.h>
#include <QBuffer>

#include "GridIOFixture.h"
#include "grid/base/REdaReviZizod.h"
#include "grid/io/GridBinStream.h"
#include "grid/io/GridRecords.h"

TEST(GridRecords, ValuesTakeTheirTagsAndReadBack)
{
    QByteArray out;
    TRecordWriter w(out);
    w.Begin(QStringLiteral("TGridCellIO"));
    w.String(QStringLiteral("Short"), QStringLiteral("abc"));
    w.String(QStringLiteral("Long"), QString(300, u'a'));
    w.String(QStringLiteral("Latin"), QStringLiteral("café"));
    w.String(QStringLiteral("Wide"), QStringLiteral("中文"));
    w.Color(QStringLiteral("Named"), static_cast<TColor>(0xFF000005));
    w.Color(QStringLiteral("Plain"), 0x00C0FF);
    w.Color(QStringLiteral("None"), static_cast<TColor>(0x1FFFFFFF));
    w.Int(QStringLiteral("Small"), -5);
    w.Int(QStringLiteral("Mid"), 40000);
    w.Float(QStringLiteral("F"), -1234.5625);
    w.End();
    EXPECT_TRUE(
        out.contains(QByteArray("\x05Short\x06\x03"
                                "abc")));
    EXPECT_TRUE(out.contains(QByteArray("\x04Long\x0C\x2C\x01\x00\x00", 10)));
    EXPECT_TRUE(out.contains(QByteArray("\x05Latin\x14\x05\x00\x00\x00", 10)));
    EXPECT_TRUE(out.contains(QByteArray("\x04Wide\x12\x02\x00\x00\x00", 10)));
    EXPECT_TRUE(
        out.contains(QByteArray("\x05Named\x07\x08"
                                "clWindow")));
    EXPECT_TRUE(out.contains(QByteArray("\x05Plain\x04\xFF\xC0\x00\x00", 10)));
    EXPECT_TRUE(
        out.contains(QByteArray("\x04None\x07\x06"
                                "clNone")));

    TRecordReader reader(out, 0);
    const TRecord r = reader.Read();
    EXPECT_EQ(reader.Remaining(), 0);
    EXPECT_EQ(r.ClassName, QStringLiteral("TGridCellIO"));
    EXPECT_EQ(r.Find(QStringLiteral("Long"))->Text, QString(300, u'a'));
    EXPECT_EQ(r.Find(QStringLiteral("Wide"))->Text, QStringLiteral("中文"));
    EXPECT_EQ(r.Find(QStringLiteral("Latin"))->Text, QStringLiteral("café"));
    EXPECT_EQ(r.Find(QStringLiteral("Small"))->Int, -5);
    EXPECT_EQ(r.Find(QStringLiteral("Mid"))->Int, 40000);
    EXPECT_EQ(r.Find(QStringLiteral("F"))->Float, -1234.5625);
}

TEST(GridBinStream, TextsPropertiesAndGraphicsTravel)
{
    const std::vector<QString> texts = OddCellTexts();
    IOGrid source(3, static_cast<int>(texts.size()));
    for (std::size_t i = 0; i < texts.size(); ++i)
        source.grid.SetCells(0, static_cast<int>(i), texts[i]);
    source.grid.SetColors(1, 0, static_cast<TColor>(0xFF000005));
    source.grid.SetFontStyles(1, 0, fsBold | fsUnderline);
    source.grid.SetAlignments(1, 0, taCenter);
    source.grid.SetReadOnly(1, 0, true);
    source.grid.AddCheckBox(1, 1, cbGrayed);
    TStringList* items = source.grid.CreateRadio(2, 1, 0, 1);
    items->Add(QStringLiteral("one"));
    items->Add(QStringLiteral("two"));
    items->Add(QStringLiteral("three"));

    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    source.io().SaveToBinStream(buffer);
    buffer.seek(0);
    IOGrid target(1, 1);
    target.io().LoadFromBinStream(buffer);
    ASSERT_EQ(target.grid.RowCount(), static_cast<int>(texts.size()));
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(target.grid.Cells(0, static_cast<int>(i)), texts[i]) << i;
    EXPECT_EQ(target.grid.Colors(1, 0), static_cast<TColor>(0xFF000005));
    EXPECT_EQ(target.grid.FontStyles(1, 0), fsBold | fsUnderline);
    EXPECT_EQ(target.grid.Alignments(1, 0), taCenter);
    EXPECT_TRUE(target.grid.ReadOnly(1, 0));
    TCheckBoxState state = cbUnchecked;
    ASSERT_TRUE(target.grid.GetCheckBoxState(1, 1, state));
    EXPECT_EQ(state, cbGrayed);
    const TCellGraphic* radio = target.grid.GetCellGraphic(2, 1);
    ASSERT_TRUE(radio);
    EXPECT_EQ(radio->CellType, ctRadio);
    const auto* copied = dynamic_cast<const TStringList*>(radio->CellBitmap);
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->Count(), 3);
    EXPECT_EQ(copied->Strings(2), QStringLiteral("three"));
    EXPECT_EQ(radio->CellIndex, 1);
}

TEST(GridBinStream, PicturesTravelWithTheirPixelsButNotTheApplicationsOwn)
{
    IOGrid source(4, 1);
    const auto paint = [](TBitmap& b, TColor c) {
        b.SetSize(3, 2);
        b.Canvas().SetPixel(2, 1, c);
    };
    paint(*source.grid.CreateBitmap(0, 0, false, haLeft, vaTop), clRed);
    paint(*source.grid.CreateIcon(1, 0, haLeft, vaTop), clBlue);
    paint(source.grid.CreatePicture(2, 0, false, noStretch, 0, haLeft, vaTop)->Bitmap(), clLime);
    TBitmap own;
    paint(own, clRed);
    source.grid.AddBitmap(3, 0, &own, false, haLeft, vaTop);
    IOGrid target(4, 1);
    target.io().LoadAtPointFromBinData({0, 0}, source.io().RectToBinData({0, 0, 3, 0}));
    TBitmap* bitmap = target.grid.GetBitmap(0, 0);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->Canvas().Pixels(2, 1), clRed);
    const TCellGraphic* icon = target.grid.GetCellGraphic(1, 0);
    ASSERT_TRUE(icon && icon->CellType == ctIcon && dynamic_cast<TIcon*>(icon->CellIcon));
    EXPECT_EQ(static_cast<TIcon*>(icon->CellIcon)->Canvas().Pixels(2, 1), clBlue);
    TPicture* picture = target.grid.GetPicture(2, 0);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Bitmap().Canvas().Pixels(2, 1), clLime);
    EXPECT_FALSE(target.grid.HasBitmap(3, 0));
}

TEST(GridBinStream, PlacesARectangleAtAPointAndIgnoresOneTrailingByte)
{
    IOGrid source(8, 8);
    source.fill({{"a", "b"}, {"c", "d"}}, 3, 5);
    QByteArray data = source.io().RectToBinData({3, 5, 4, 6});
    data.append('\x7F');
    IOGrid target(4, 4);
    target.io().LoadAtPointFromBinData({1, 1}, data);
    EXPECT_EQ(target.cells(1, 1, 2, 2), QStringLiteral("a|b;c|d;"));
    // Cells that fall outside the grid are skipped, and the rest is placed.
    IOGrid small(2, 2);
    small.io().LoadAtPointFromBinData({1, 1}, data);
    EXPECT_EQ(small.cells(0, 0, 1, 1), QStringLiteral("|;|a;"));
}

TEST(GridBinStream, EveryTruncationAndCorruptionFailsWithoutChangingACell)
{
    IOGrid source(3, 3);
    source.fill({{"a", "b", "c"}, {"d", "e", "f"}});
    source.grid.SetColors(1, 1, 0x123456);
    source.grid.AddCheckBox(2, 2, true, false);
    source.grid.CreateBitmap(0, 2, false, haLeft, vaTop)->SetSize(2, 2);
    const QByteArray data = source.io().RectToBinData({0, 0, 2, 2});
    IOGrid target(3, 3);
    target.fill({{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
    const QString before = target.cells(0, 0, 2, 2);
    auto expectRejected = [&](const QByteArray& bad) {
        try {
            target.io().LoadAtPointFromBinData({0, 0}, bad);
            return ::testing::AssertionFailure() << "accepted";
        } catch (const REdaReviZizod&) {}
        if (target.cells(0, 0, 2, 2) != before || target.grid.ColCount() != 3)
            return ::testing::AssertionFailure() << "grid changed";
        return ::testing::AssertionSuccess();
    };
    // Cut anywhere but in the last byte (a single byte left over is ignored).
    for (qsizetype n = 0; n + 2 <= data.size(); ++n)
        EXPECT_TRUE(expectRejected(data.left(n))) << "cut at " << n;
    QByteArray badSignature = data;
    badSignature[1] = 'X';
    EXPECT_TRUE(expectRejected(badSignature));
    // A bitmap whose own byte count runs past its data.
    QByteArray badCount = data;
    const qsizetype entry = data.indexOf("Bitmap.Data");
    ASSERT_GT(entry, 0);
    badCount.replace(entry + 11 + 1 + 4, 4, QByteArray("\xFF\xFF\xFF\x7F", 4));  // after the tag and the data length
    EXPECT_TRUE(expectRejected(badCount));
    // A header that claims more cells than the bytes can hold.
    QByteArray head;
    TRecordWriter w(head);
    w.Begin(QStringLiteral("TGridPropIO"));
    w.Int(QStringLiteral("ColCount"), 0x7FFFFFFF);
    w.Int(QStringLiteral("RowCount"), 0x7FFFFFFF);
    w.Bool(QStringLiteral("FullGrid"), true);
    w.End();
    EXPECT_TRUE(expectRejected(head + data));
    try {
        ParseBinStream(head);
        ADD_FAILURE();
    } catch (const REdaReviZizod& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid stream format"));
    }
}

TEST(GridBinStream, WritesColumnAndRowBeyondSixteenBits)
{
    IOGrid source(2, 70000);
    source.grid.SetCells(1, 69999, QStringLiteral("far"));
    const TBinStream s = ParseBinStream(source.io().RectToBinData({1, 69999, 1, 69999}));
    ASSERT_EQ(s.Cells.size(), 1u);
    EXPECT_EQ(s.Cells[0].Row, 69999);
}

TEST(GridBinStream, AMetafilePictureIsSkippedByItsCountAndABadCountIsRejected)
{
    const auto counted = [](std::uint32_t n, const QByteArray& bytes) {
        return QByteArray(reinterpret_cast<const char*>(&n), 4) + bytes;  // little-endian on every supported machine
    };
    const auto stream = [](const QByteArray& metafile) {
        QByteArray out;
        TRecordWriter w(out);
        w.Begin(QStringLiteral("TGridPropIO"));
        w.Int(QStringLiteral("ColCount"), 1);
        w.Int(QStringLiteral("RowCount"), 1);
        w.Bool(QStringLiteral("FullGrid"), false);
        w.End();
        w.Begin(QStringLiteral("TGridCellIO"));
        w.Int(QStringLiteral("Col"), 0);
        w.Int(QStringLiteral("Row"), 0);
        w.String(QStringLiteral("Cell"), QStringLiteral("m"));
        w.Bool(QStringLiteral("HasProp"), true);
        w.End();
        w.Begin(QStringLiteral("TGridCellPropIO"));
        w.Bool(QStringLiteral("HasGraphic"), true);
        w.End();
        w.Begin(QStringLiteral("TGridGraphicIO"));
        w.Ident(QStringLiteral("CellGraphic.CellType"), QStringLiteral("ctPicture"));
        w.End();
        w.Begin(QStringLiteral("TGridPicIO"));
        w.Binary(QStringLiteral("Picture.Data"), QByteArray("\x09TMetafile") + metafile);
        w.End();
        return out;
    };
    IOGrid g(2, 2);
    g.io().LoadAtPointFromBinData({1, 1}, stream(counted(8, "EMF!")));
    EXPECT_EQ(g.grid.Cells(1, 1), QStringLiteral("m"));
    EXPECT_FALSE(g.grid.GetPicture(1, 1));
    for (const QByteArray& bad : {counted(9, "EMF!"), counted(3, "EMF!"), QByteArray("EM")}) {
        IOGrid t(2, 2);
        EXPECT_THROW(t.io().LoadAtPointFromBinData({0, 0}, stream(bad)), REdaReviZizod);
        EXPECT_EQ(t.grid.Cells(0, 0), QString());
    }
}

TEST(GridBinStream, AWholeLoadCountsTheNodesItBrought)
{
    IOGrid source(3, 5);
    source.grid.AddNode(1, 2);
    source.grid.AddNode(3, 2);
    QByteArray data = source.io().RectToBinData({0, 0, 2, 4});
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    IOGrid target(3, 5);
    target.io().LoadFromBinStream(buffer);
    EXPECT_EQ(target.grid.NodeCount(), 2);
}
