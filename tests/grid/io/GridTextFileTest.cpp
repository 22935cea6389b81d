// The text cell file and stream: round trips, the classic line-break rule, lenient and strict numbers,
// cells outside the grid and corrupt files.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "GridIOFixture.h"
#include "grid/base/REdaReviZizod.h"

namespace {
QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString name = dir.filePath(QStringLiteral("cells.txt"));
    QFile f(name);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
    return name;
}
}  // namespace

TEST(GridTextFile, EveryOddTextRoundTripsThroughFileAndStream)
{
    const std::vector<QString> texts = OddCellTexts();
    IOGrid source(2, static_cast<int>(texts.size()));
    source.grid.Multilinecells = true;
    for (std::size_t i = 0; i < texts.size(); ++i)
        source.grid.SetCells(1, static_cast<int>(i), texts[i]);
    QTemporaryDir dir;
    for (bool unicode : {false, true}) {
        const QString name = dir.filePath(QStringLiteral("grid.txt"));
        source.io().SaveToFile(name, unicode);
        IOGrid target(1, 1);
        target.grid.Multilinecells = true;
        target.io().LoadFromFile(name);
        ASSERT_EQ(target.grid.RowCount(), static_cast<int>(texts.size()));
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (!unicode && (texts[i].contains(u'€') || texts[i].contains(u'中')) &&
                QString::fromLocal8Bit(texts[i].toLocal8Bit()) != texts[i])
                continue;  // not representable in the 8-bit code page
            EXPECT_EQ(target.grid.Cells(1, static_cast<int>(i)), texts[i]) << "unicode " << unicode << " row " << i;
        }
    }
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    source.io().SaveToStream(buffer);
    buffer.seek(0);
    IOGrid target(1, 1);
    target.grid.Multilinecells = true;
    target.io().LoadFromStream(buffer);
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(target.grid.Cells(1, static_cast<int>(i)), texts[i]) << "stream row " << i;
}

TEST(GridTextFile, AssignedCellsTravelThroughTheStream)
{
    IOGrid source(3, 4);
    source.fill({{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}, {"j", "k", "l"}});
    source.grid.SetColWidths(2, 90);
    IOGrid target(6, 2);
    target.io();  // the library is installed
    target.grid.AssignCells(source.grid);
    EXPECT_EQ(target.grid.ColCount(), 3);
    EXPECT_EQ(target.grid.RowCount(), 4);
    EXPECT_EQ(target.grid.ColWidths(2), 90);
    EXPECT_EQ(target.cells(0, 0, 2, 3), QStringLiteral("a|b|c;d|e|f;g|h|i;j|k|l;"));
}

TEST(GridTextFile, WritesTheClassicLinesAndLoadsClassicFilesAsBefore)
{
    IOGrid g(4, 4);
    g.grid.Multilinecells = true;
    g.grid.SetCells(2, 3, QStringLiteral("a,b"));
    g.grid.SetCells(1, 1, QStringLiteral("x\r\ny"));
    g.grid.SetColWidths(3, 64);
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("g.txt"));
    g.io().SaveToFile(name, false);
    QFile f(name);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("4,4\r\n"));
    EXPECT_TRUE(bytes.contains("cw 3,64\r\n"));
    EXPECT_TRUE(bytes.contains("2,3,a,b\r\n"));
    EXPECT_TRUE(bytes.contains("1,1,x\t\x08y\r\n"));

    // A file of the classic rule: TAB/8 pairs are line breaks, a TAB alone stays a TAB.
    for (bool multi : {true, false}) {
        IOGrid t(1, 1);
        t.grid.Multilinecells = multi;
        t.io().LoadFromFile(writeFile(dir, "3,2\r\n0,0,x\t\x08y\r\n1,0,p\tq\r\n2,1,u\x01v\t\x08w\r\n"));
        EXPECT_EQ(t.grid.Cells(0, 0), multi ? QStringLiteral("x\r\ny") : QStringLiteral("x"));
        EXPECT_EQ(t.grid.Cells(1, 0), QStringLiteral("p\tq"));
        EXPECT_EQ(t.grid.Cells(2, 1), multi ? QStringLiteral("u") + QChar(0) + QStringLiteral("v\r\nw")
                                            : QStringLiteral("u") + QChar(0) + QStringLiteral("v"));
    }
}

TEST(GridTextFile, LenientNumbersSkipCellsAndWidthsOutsideTheGrid)
{
    QTemporaryDir dir;
    IOGrid t(1, 1);
    t.grid.SetColWidths(0, 33);
    t.io().LoadFromFile(
        writeFile(dir, " 5x,+3\r\ncw 99,80\r\ncw 0,41junk\r\n7,0,x\r\n-1,0,y\r\n4,2,ok\r\nnocomma\r\n"));
    EXPECT_EQ(t.grid.ColCount(), 5);
    EXPECT_EQ(t.grid.RowCount(), 3);
    EXPECT_EQ(t.grid.ColWidths(0), 41);
    EXPECT_EQ(t.grid.Cells(4, 2), QStringLiteral("ok"));
    EXPECT_EQ(t.grid.Cells(0, 0), QStringLiteral("nocomma"));  // no fields: column 0, row 0
}

TEST(GridTextFile, CorruptFilesRaiseTheMessageAndHugeHeadersAllocateNothing)
{
    QTemporaryDir dir;
    const char* files[] = {"", "0,5\r\n", "999999999999,999999999999\r\n", "99999999,99999999\r\n"};
    for (const char* bytes : files) {
        SCOPED_TRACE(bytes);
        IOGrid t(2, 2);
        const QString name = writeFile(dir, bytes);
        try {
            t.io().LoadFromFile(name);
            ADD_FAILURE() << "no error";
        } catch (const REdaReviZizod& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("File contains no data or corrupt file ") + name);
        }
        EXPECT_EQ(t.grid.ColCount(), 2);
    }
    // An empty header keeps the size and still loads the cells.
    IOGrid t(3, 3);
    t.io().LoadFromFile(writeFile(dir, "\r\n2,2,kept\r\n"));
    EXPECT_EQ(t.grid.ColCount(), 3);
    EXPECT_EQ(t.grid.Cells(2, 2), QStringLiteral("kept"));
}

TEST(GridTextFile, LoadingRunsNoQueuedInputOnTheHalfLoadedGrid)
{
    QTemporaryDir dir;
    IOGrid t(1, 1);
    bool ranDuringLoad = false;
    bool loading = false;
    QTimer::singleShot(0, [&] { ranDuringLoad = loading; });
    int progressCalls = 0;
    t.grid.OnFileProgress = [&](TObject*, int) { ++progressCalls; };
    loading = true;
    t.io().LoadFromFile(writeFile(dir, "2,3\r\n0,0,a\r\n1,1,b\r\n1,2,c\r\n"));
    loading = false;
    EXPECT_GT(progressCalls, 0);
    EXPECT_FALSE(ranDuringLoad);
}

TEST(GridTextFile, StreamStopsAtTheFirstForeignLineAndFailsOnBadNumbers)
{
    IOGrid source(3, 2);
    source.grid.SaveFixedCells = true;
    source.fill({{"a", "b", "c"}, {"d", "", "f"}});
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    source.io().SaveToStream(buffer);
    const qint64 end = buffer.pos();
    const QString foreign = QStringLiteral("other data\r\n");
    buffer.write(reinterpret_cast<const char*>(foreign.utf16()), foreign.size() * 2);
    buffer.seek(0);
    IOGrid target(1, 1);
    target.grid.SetCells(0, 0, QStringLiteral("old"));
    target.io().LoadFromStream(buffer);
    EXPECT_EQ(buffer.pos(), end);
    EXPECT_EQ(target.cells(0, 0, 2, 1), QStringLiteral("a|b|c;d||f;"));

    QBuffer bad;
    bad.open(QIODevice::ReadWrite);
    const QString text = QStringLiteral("2,2\r\n0,x,oops\r\n");
    bad.write(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    bad.seek(0);
    EXPECT_THROW(target.io().LoadFromStream(bad), REdaReviZizod);
}
