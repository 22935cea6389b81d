// Cell graphics: attaching, replacing and freeing (checked under the address sanitizer), the shared row
// check box, the room each type takes, and the cell object operations.
#include "VoGridTestGrid.h"

TEST(VoGridGraphics, NewGraphicReplacesAndFreesTheOldOne)
{
    RecordingGrid g;
    TBitmap* first = g.CreateBitmap(2, 2, false, haLeft, vaTop);
    first->SetSize(10, 10);
    EXPECT_EQ(g.GetBitmap(2, 2), first);
    EXPECT_EQ(g.Cells(2, 2), QString());                                          // the blank text only while attaching
    TPicture* picture = g.CreatePicture(2, 2, false, Stretch, 0, haLeft, vaTop);  // frees bitmap and graphic
    EXPECT_EQ(g.GetPicture(2, 2), picture);
    EXPECT_EQ(g.GetBitmap(2, 2), nullptr);
    EXPECT_EQ(g.GetCellType(2, 2), ctPicture);
    TStringList* items = g.CreateRadio(3, 3, 0, 1);
    items->Add(QStringLiteral("a"));
    g.CreateIcon(4, 4, haLeft, vaTop);
    g.CreateBitButton(1, 4, 30, 20, QStringLiteral("Go"), haLeft, vaTop);
    g.CreateFilePicture(1, 5, false, noStretch, 0, haLeft, vaTop);
    g.AddMultiImage(1, 6, 0, haLeft, vaTop);  // no image list: nothing added
    EXPECT_EQ(g.GetCellType(1, 6), ctEmpty);
    EXPECT_TRUE(g.RemovePicture(2, 2));
    EXPECT_FALSE(g.RemovePicture(2, 2));
    EXPECT_FALSE(g.RemoveBitmap(3, 3));  // another type stays
    EXPECT_EQ(g.GetCellType(3, 3), ctRadio);
    // The grid frees the rest when it goes.
}

TEST(VoGridGraphics, BorrowedObjectsStayWithTheirOwner)
{
    TBitmap bmp(4, 4);
    TStringList items;
    items.Add(QStringLiteral("one"));
    {
        RecordingGrid g;
        g.AddBitmap(1, 1, &bmp, true, haLeft, vaTop);
        g.AddRadio(2, 2, 1, 0, &items);
        EXPECT_EQ(g.GetRadioStrings(2, 2), &items);
        g.AddBitmap(1, 1, &bmp, true, haLeft, vaTop);  // replaced: the bitmap is not freed
    }
    EXPECT_EQ(bmp.Width(), 4);
    EXPECT_EQ(items.Count(), 1);
}

TEST(VoGridGraphics, PlainObjectIsNoGraphic)
{
    RecordingGrid g;
    TObject plain;
    g.GetCellProperties(2, 2)->GraphicObject = &plain;
    EXPECT_EQ(g.GetCellGraphic(2, 2), nullptr);
    EXPECT_EQ(g.GetCellType(2, 2), ctEmpty);
    EXPECT_EQ(g.GetCellType(-1, 2), ctEmpty);
    g.GetCellProperties(2, 2)->GraphicObject = nullptr;
}

TEST(VoGridGraphics, RowCheckBoxOfColumnZeroIsSharedAndNeverFreed)
{
    RecordingGrid g;
    g.MouseActions().SetHotmailRowSelect(true);
    EXPECT_EQ(g.GetCellType(0, 3), ctRowCheckBox);
    g.AddComment(0, 4, QStringLiteral("own"));
    EXPECT_EQ(g.GetCellType(0, 4), ctRowCheckBox);  // the shared graphic answers
    EXPECT_TRUE(g.RemoveCellGraphic(0, 3));         // detached, not freed
    EXPECT_EQ(g.GetCellType(0, 3), ctRowCheckBox);
    EXPECT_EQ(g.GetCellGraphic(0, 0)->CellBoolean, false);
    EXPECT_EQ(g.GetCellGraphic(0, 0)->CellAngle, 0);
    g.MouseActions().SetHotmailRowSelect(false);
    EXPECT_EQ(g.GetCellType(0, 4), ctComment);
}

TEST(VoGridGraphics, ScreenRoomOfEachType)
{
    RecordingGrid g;
    TBitmap bmp(16, 12);
    g.SetCells(1, 1, QStringLiteral("text"));
    g.AddBitmap(1, 1, &bmp, false, haLeft, vaTop);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), (TPoint{0, 0}));
    g.AddBitmap(1, 1, &bmp, false, haBeforeText, vaTop);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), (TPoint{16, 0}));
    g.AddBitmap(1, 2, &bmp, false, haLeft, vaTop);  // no text
    EXPECT_EQ(g.GetCellGraphicSize(1, 2), (TPoint{16, 12}));

    g.AddRating(2, 1, 5, clYellow, clSilver);
    EXPECT_EQ(g.GetCellGraphicSize(2, 1), (TPoint{90, 16}));
    g.AddProgressPie(2, 2, clRed, 40);
    EXPECT_EQ(g.GetCellGraphicSize(2, 2), (TPoint{20, 20}));

    TStringList items;
    for (const char* t : {"a", "b", "c"})
        items.Add(QString::fromLatin1(t));
    g.AddRadio(3, 1, 0, 0, &items);
    const int gh = g.Canvas().TextHeight(QStringLiteral("gh"));
    EXPECT_EQ(g.GetCellGraphicSize(3, 1).Y, std::max(16, gh) * 3);
    EXPECT_EQ(g.CalcCellGraphicPrintSize(3, 1, 64, 22, 1.0).Y, gh * 3);

    g.AddButton(3, 2, 40, 18, QStringLiteral("Go"), haLeft, vaTop);
    EXPECT_EQ(g.GetCellGraphicSize(3, 2), (TPoint{40, 18}));
    g.AddButton(3, 3, 40, 18, QStringLiteral("Go"), haLeft, vaFull);
    EXPECT_EQ(g.GetCellGraphicSize(3, 3).Y, g.RowHeights(3));
    g.AddShape(4, 1, csCircle, clRed, clBlack, haLeft, vaTop);
    EXPECT_EQ(g.CalcCellGraphicPrintSize(4, 1, 64, 22, 1.0), (TPoint{22 - 4, 22 - 4}));
}

TEST(VoGridGraphics, PictureFitsItsRoom)
{
    TCellGraphic g;
    TPicture picture;
    picture.Bitmap().SetSize(100, 50);
    g.SetPicture(&picture, false, StretchWithAspectRatio, 4, haLeft, vaTop);
    const std::pair<TStretchMode, TPoint> cases[] = {{StretchWithAspectRatio, {50, 25}},
                                                     {Shrink, {50, 50}},
                                                     {noStretch, {100, 50}},
                                                     {Stretch, {50, 50}},
                                                     {ShrinkWithAspectRatio, {50, 25}}};
    for (const auto& [mode, expected] : cases) {
        g.CellAngle = mode;
        TPoint size;
        g.GetPictureSize(54, 54, size, false);
        EXPECT_EQ(size, expected) << mode;
    }
    TCellGraphic other;
    other.SetCheckBox(true, false, false, haLeft, vaTop);
    TPoint unchanged{7, 8};
    other.GetPictureSize(54, 54, unchanged, false);
    EXPECT_EQ(unchanged, (TPoint{7, 8}));
}

TEST(VoGridGraphics, AngleAndAssign)
{
    TCellGraphic g;
    const std::pair<int, int> angles[] = {{720, 360}, {-90, 270}, {360, 360}, {-360, 0}};
    for (auto [in, out] : angles) {
        g.SetAngle(static_cast<std::int16_t>(in));
        EXPECT_EQ(g.CellAngle, out) << in;
        EXPECT_EQ(g.CellType, ctRotated);
    }
    TCellGraphic copy;
    g.CellText = QStringLiteral("caption");
    g.CellVar = 5;
    copy.Assign(g);
    EXPECT_EQ(copy.CellType, ctRotated);
    EXPECT_EQ(copy.CellText, QStringLiteral("caption"));
    EXPECT_FALSE(copy.CellVar.isValid());
}

TEST(VoGridObjects, BalloonsCommentsShapesMarkersRadios)
{
    RecordingGrid g;
    g.AddButton(1, 1, 20, 20, QStringLiteral("b"), haLeft, vaTop);
    g.AddBalloon(1, 1, QStringLiteral("t"), QStringLiteral("x"), biInfo);
    EXPECT_EQ(g.GetCellType(1, 1), ctButton);
    QString title, text;
    TBalloonIcon icon = biNone;
    EXPECT_FALSE(g.IsBalloon(1, 1, title, text, icon));

    g.NewCellGraphic(1, 2)->SetCheckBox(true, false, false, haLeft, vaTop);
    g.AddBalloon(1, 2, QStringLiteral("Title"), QStringLiteral("Text"), biWarning);
    g.AddBalloon(1, 2, QStringLiteral("Title2"), QStringLiteral("Text2"), biError);  // replaces, no leak
    ASSERT_TRUE(g.IsBalloon(1, 2, title, text, icon));
    EXPECT_EQ(title, QStringLiteral("Title2"));
    EXPECT_EQ(icon, biError);
    EXPECT_TRUE(g.GetCellGraphic(1, 2)->CellBoolean);
    g.RemoveBalloon(1, 2);
    EXPECT_FALSE(g.IsBalloon(1, 2, title, text, icon));
    g.AddBalloon(1, 3, QStringLiteral("T"), QStringLiteral("X"), biInfo);
    EXPECT_TRUE(g.HasBalloon(1, 3));

    EXPECT_EQ(g.GetShapeColor(2, 2), clNone);
    g.AddShape(2, 2, csSquare, clRed, clBlack, haLeft, vaTop);
    g.SetShapeColor(2, 2, clLime);
    EXPECT_EQ(g.GetShapeColor(2, 2), clLime);

    g.AddComment(3, 3, QStringLiteral("note"));
    g.AddMarker(3, 3, 2, 4);
    int from = -1, len = -1;
    g.GetMarker(3, 3, from, len);
    EXPECT_EQ(from, 2);
    g.RemoveMarker(3, 3);
    g.GetMarker(3, 3, from, len);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(g.GetComment(3, 3), QStringLiteral("note"));
    g.AddMarker(4, 3, 1, 1);
    EXPECT_EQ(g.GetCellType(4, 3), ctEmpty);
    g.RemoveMarker(4, 3);
    EXPECT_EQ(g.GetCellGraphic(4, 3), nullptr);
    g.SetComment(4, 3, QStringLiteral("new"));
    EXPECT_EQ(g.GetComment(4, 3), QStringLiteral("new"));
    g.RemoveAllComments();
    EXPECT_EQ(g.GetComment(3, 3), QString());

    TStringList items;
    items.Add(QStringLiteral("a"));
    g.SetCells(4, 4, QStringLiteral("a"));
    g.AddRadio(4, 4, 0, 0, &items);
    int idx = 9;
    EXPECT_TRUE(g.GetRadioIdx(4, 4, idx));
    EXPECT_EQ(idx, 0);
    EXPECT_TRUE(g.SetRadioIdx(4, 4, -1));
    EXPECT_EQ(g.Cells(4, 4), QString());
    EXPECT_FALSE(g.SetRadioIdx(1, 5, 2));  // no graphic
}

TEST(VoGridObjects, ButtonsTakeDisplayColumnsAndClickableTypes)
{
    RecordingGrid g;
    g.SetColCount(6);
    g.HideColumn(1);
    g.AddButton(3, 2, 30, 16, QStringLiteral("Go"), haLeft, vaTop);  // real column 3 shows at 2
    EXPECT_EQ(g.GetButtonText(2, 2), QStringLiteral("Go"));
    g.SetButtonText(2, 2, QStringLiteral("Run"));
    EXPECT_EQ(g.GetButtonText(2, 2), QStringLiteral("Run"));
    g.PushButton(2, 2, true);
    EXPECT_TRUE(g.GetCellGraphic(3, 2)->CellBoolean);
    const TRect cell = g.CellRect(2, 2);
    EXPECT_EQ(g.GetCellButtonRect(2, 2), Rect(cell.Left, cell.Top, cell.Left + 30, cell.Top + 16));
    EXPECT_TRUE(g.HasButton(3, 2));
    EXPECT_TRUE(g.HasClickableGraphic(3, 2));
    EXPECT_FALSE(g.HasClickableGraphic(-1, 2));
    g.RemoveAllButtons();
    EXPECT_FALSE(g.HasButton(3, 2));
    EXPECT_EQ(g.GetExpandButtonRect(3, 2), TRect{});
}
