#pragma once
// Common controls: page control with tab sheets, tree view, track bar.
#include "platform/Controls.h"

#include <memory>
#include <unordered_map>
#include <vector>

class QSlider;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TPageControl;

// One page of a page control; its caption is the tab's text.
class TTabSheet : public TCustomControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TTabSheet"); }

    TPageControl* PageControl() const;
    void SetPageControl(TPageControl* pageControl);
    int PageIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);

protected:
    void SetTextValue(const QString& text) override;

private:
    bool tabVisible_ = true;
};

// Pages on tabs; one page shows at a time.
class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TPageControl"); }

    int PageCount() const;
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    // The user chose another tab.
    TNotifyEvent OnChange;

protected:
    void AttachChild(TControl* control) override;

private:
    friend class TTabSheet;
    QTabWidget* tabs() const;
    bool settingPage_ = false;
};

class TTreeView;

// A node of a tree view; it belongs to the view, which frees it with its children.
class TTreeNode {
public:
    QString Text() const;
    void SetText(const QString& text);
    void* Data = nullptr;
    TTreeNode* Parent() const;
    int Count() const;
    TTreeNode* Item(int index) const;
    // Position among its siblings.
    int Index() const;
    // 0 for a top node.
    int Level() const;
    bool Expanded() const;
    void SetExpanded(bool v);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    TTreeView* TreeView() const { return view_; }

private:
    friend class TTreeNodes;
    friend class TTreeView;
    TTreeNode(TTreeView* view, QTreeWidgetItem* item) : view_(view), item_(item) {}
    TTreeView* view_;
    QTreeWidgetItem* item_;
};

// The nodes of a tree view.
class TTreeNodes {
public:
    explicit TTreeNodes(TTreeView* view) : view_(view) {}
    ~TTreeNodes();
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;

    // A new last top node (sibling nullptr) or last sibling of sibling.
    TTreeNode* Add(TTreeNode* sibling, const QString& text);
    TTreeNode* AddChild(TTreeNode* parent, const QString& text);
    void Delete(TTreeNode* node);
    void Clear();
    // Every node, counting children.
    int Count() const { return static_cast<int>(nodes_.size()); }
    TTreeNode* GetFirstNode() const;
    TTreeNode* NodeOf(const QTreeWidgetItem* item) const;

private:
    TTreeNode* wrap(QTreeWidgetItem* item);
    void forget(QTreeWidgetItem* item);

    TTreeView* view_;
    std::unordered_map<const QTreeWidgetItem*, std::unique_ptr<TTreeNode>> nodes_;
};

using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;

class TTreeView : public TWinControl {
public:
    explicit TTreeView(TComponent* AOwner);
    ~TTreeView() override;
    QString ClassName() const override { return QStringLiteral("TTreeView"); }

    TTreeNodes& Items() { return *items_; }
    TTreeNode* Selected() const;
    void SetSelected(TTreeNode* node);
    void FullExpand();
    void FullCollapse();

    // The selection moved (by the user or by code).
    TTVChangedEvent OnChange;

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    QTreeWidget* tree() const;

    std::unique_ptr<TTreeNodes> items_;
};

// A horizontal track bar: a position between Min and Max; OnChange after every change of the position,
// by the user or by code. A range whose Max lies below its Min is not taken.
class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TTrackBar"); }
    int Min() const;
    void SetMin(int Value);
    int Max() const;
    void SetMax(int Value);
    int Position() const;
    void SetPosition(int Value);
    int PageSize() const;
    void SetPageSize(int Value);
    int Frequency() const;
    void SetFrequency(int Value);
    TNotifyEvent OnChange;

private:
    QSlider* slider() const;
};
