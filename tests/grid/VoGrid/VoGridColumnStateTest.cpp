// Column widths, order and visibility through the layout string, an INI file and the per-user key store.
#include "VoGridTestGrid.h"
#include "platform/SysUtils.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
// Columns headed "c0", "c1", ... in row 0.
void headed(VOroDavoduRuzu& g, int cols)
{
    g.SetColCount(cols);
    for (int c = 0; c < cols; ++c)
        g.SetCells(c, 0, QStringLiteral("c%1").arg(c));
}

QStringList headers(VOroDavoduRuzu& g)
{
    QStringList texts;
    for (int c = 0; c < g.ColCount(); ++c)
        texts << g.Cells(g.RealColIndex(c), 0);
    return texts;
}
}  // namespace

TEST(VoGridColumnState, LayoutStringRoundTrips)
{
    RecordingGrid g;
    headed(g, 3);
    g.HideColumn(2);
    EXPECT_EQ(g.ColumnStatesToString(), QStringLiteral("3#64,64,64#0,1,2#1,1,0"));

    RecordingGrid source;
    headed(source, 4);
    for (int c = 0; c < 4; ++c)
        source.SetColWidths(c, 50 + 10 * c);
    source.MoveColumn(1, 3);  // c0 c2 c3 c1
    source.HideColumn(0);
    const QString layout = source.ColumnStatesToString();

    RecordingGrid target;
    headed(target, 4);
    target.StringToColumnStates(layout);
    EXPECT_EQ(target.ColumnStatesToString(), layout);
    EXPECT_EQ(headers(target), headers(source));
    for (int c = 0; c < source.ColCount(); ++c)
        EXPECT_EQ(target.ColWidths(c), source.ColWidths(c)) << c;
}

TEST(VoGridColumnState, HandEditedLayoutsNeverMoveColumnsOutOfRange)
{
    struct Case {
        const char* layout;
        bool throws;
    };
    const Case cases[] = {
        {"3#70,70,70#0,7,1#1,1,1", false},  // not a permutation: order ignored
        {"3#70,70,70#0,0,1#1,1,1", false},
        {"3#70,70,70#-5,1#1,1,1", false},
        {"3#a,70,70#0,1,2#1,1,1", true},
        {"5#70#0#1", true},
        {"-3#70#0#1", true},
    };
    for (const Case& c : cases) {
        RecordingGrid g;
        headed(g, 3);
        bool raised = false;
        try {
            g.StringToColumnStates(QString::fromLatin1(c.layout));
        } catch (const Exception&) {
            raised = true;
        }
        EXPECT_EQ(raised, c.throws) << c.layout;
        EXPECT_EQ(headers(g), (QStringList{"c0", "c1", "c2"})) << c.layout;
        EXPECT_EQ(g.ColWidths(1), raised ? 64 : 70) << c.layout;
    }
    RecordingGrid g;
    headed(g, 3);
    g.StringToColumnStates(QStringLiteral("no layout"));
    EXPECT_EQ(g.ColCount(), 3);
}

TEST(VoGridColumnState, IniFileKeepsWidthsAndOrder)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("layout.ini"));
    RecordingGrid unnamed;
    unnamed.ColumnSize().Location = clIniFile;
    unnamed.ColumnSize().Key = ini;
    unnamed.SaveColSizes();  // no section: the store is never touched
    EXPECT_FALSE(QFile::exists(ini));

    RecordingGrid source;
    headed(source, 4);
    source.ColumnSize().Location = clIniFile;
    source.ColumnSize().Key = ini;
    source.ColumnSize().Section = QStringLiteral("Grid");
    source.SetColWidths(2, 99);
    source.MoveColumn(0, 2);  // c1 c2 c0 c3
    source.SaveColSizes();
    source.SaveColPositions();

    RecordingGrid target;
    headed(target, 4);
    target.ColumnSize().Location = clIniFile;
    target.ColumnSize().Key = ini;
    target.ColumnSize().Section = QStringLiteral("Grid");
    target.LoadColPositions();
    target.LoadColSizes();  // widths by display column, so after the order
    EXPECT_EQ(headers(target), (QStringList{"c1", "c2", "c0", "c3"}));
    EXPECT_EQ(target.ColWidths(1), 99);

    // A hand-edited position out of range leaves the order alone.
    auto store = TMemIniFile::Open(ini);
    ASSERT_TRUE(store);
    store->WriteInteger(QStringLiteral("Grid"), QStringLiteral("Pos1"), 9);
    ASSERT_TRUE(store->UpdateFile());
    RecordingGrid edited;
    headed(edited, 4);
    edited.ColumnSize().Location = clIniFile;
    edited.ColumnSize().Key = ini;
    edited.ColumnSize().Section = QStringLiteral("Grid");
    edited.LoadColPositions();
    EXPECT_EQ(headers(edited), (QStringList{"c0", "c1", "c2", "c3"}));
}

TEST(VoGridColumnState, PerUserKeyStoreStandsInForTheRegistry)
{
    QTemporaryDir dir;
    const QByteArray old = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    {
        RecordingGrid source;
        source.ColumnSize().Key = QStringLiteral("Software\\Maker\\Grid");
        source.ColumnSize().Section = QStringLiteral("Columns");
        source.SetColWidths(1, 123);
        source.SaveColSizes();
        RecordingGrid target;
        target.ColumnSize().Key = source.ColumnSize().Key;
        target.ColumnSize().Section = QStringLiteral("Columns");
        target.LoadColSizes();
        EXPECT_EQ(target.ColWidths(1), 123);
    }
    qputenv("XDG_DATA_HOME", old);
}
