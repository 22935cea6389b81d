#include "platform/ComCtrls.h"
#include "platform/StdCtrls.h"

#include <gtest/gtest.h>

TEST(ComCtrlsTest, PageControlHoldsSheetsAsTabs)
{
    TPageControl pages(nullptr);
    auto* first = new TTabSheet(&pages);
    first->SetCaption(QStringLiteral("General"));
    first->SetPageControl(&pages);
    auto* second = new TTabSheet(&pages);
    second->SetPageControl(&pages);
    second->SetCaption(QStringLiteral("Advanced"));
    auto* edit = new TEdit(&pages);
    edit->SetParent(second);
    int changes = 0;
    pages.OnChange = [&](TObject*) { ++changes; };

    EXPECT_EQ(pages.PageCount(), 2);
    EXPECT_EQ(pages.Pages(1), second);
    EXPECT_EQ(second->PageIndex(), 1);
    EXPECT_EQ(second->PageControl(), &pages);
    EXPECT_EQ(pages.ActivePage(), first);
    pages.SetActivePage(second);
    EXPECT_EQ(pages.ActivePageIndex(), 1);
    EXPECT_EQ(changes, 0) << "a change by code raises no OnChange";
    EXPECT_EQ(edit->Parent(), second);
    delete first;
    EXPECT_EQ(pages.PageCount(), 1);
    EXPECT_EQ(second->PageIndex(), 0);
}

TEST(ComCtrlsTest, TreeViewNodes)
{
    TTreeView tree(nullptr);
    TTreeNodes& nodes = tree.Items();
    TTreeNode* server = nodes.Add(nullptr, QStringLiteral("Server"));
    TTreeNode* objects = nodes.AddChild(server, QStringLiteral("Objects"));
    TTreeNode* var = nodes.AddChild(objects, QStringLiteral("Var1"));
    TTreeNode* other = nodes.Add(server, QStringLiteral("Other"));
    EXPECT_EQ(nodes.Count(), 4);
    EXPECT_EQ(var->Level(), 2);
    EXPECT_EQ(var->Parent(), objects);
    EXPECT_EQ(other->Index(), 1);
    EXPECT_EQ(other->Parent(), nullptr);
    EXPECT_EQ(server->Item(0), objects);
    EXPECT_EQ(nodes.GetFirstNode(), server);

    TTreeNode* changed = nullptr;
    tree.OnChange = [&](TObject*, TTreeNode* node) { changed = node; };
    tree.SetSelected(var);
    EXPECT_EQ(changed, var);
    EXPECT_TRUE(var->Selected());
    EXPECT_EQ(tree.Selected(), var);

    nodes.Delete(objects);
    EXPECT_EQ(nodes.Count(), 2);
    EXPECT_EQ(server->Count(), 0);
    server->Expand(true);
    nodes.Clear();
    EXPECT_EQ(nodes.Count(), 0);
    EXPECT_EQ(tree.Selected(), nullptr);
}
