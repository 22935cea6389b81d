#include "platform/ComCtrls.h"
#include "platform/QtAccess.h"

#include "platform/ControlBridge.h"
#include "platform/NativeWidget.h"

#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

// ---------------------------------------------------------------------------------------------
// TPageControl and TTabSheet

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner)
{
    ControlStyle |= csAcceptsControls;
    QtPlaced = true;
}

TPageControl* TTabSheet::PageControl() const
{
    return dynamic_cast<TPageControl*>(Parent());
}

void TTabSheet::SetPageControl(TPageControl* pageControl)
{
    SetParent(pageControl);
}

int TTabSheet::PageIndex() const
{
    const TPageControl* pc = PageControl();
    return pc ? pc->tabs()->indexOf(Widget()) : -1;
}

void TTabSheet::SetTabVisible(bool v)
{
    tabVisible_ = v;
    if (TPageControl* pc = PageControl())
        pc->tabs()->setTabVisible(PageIndex(), v);
}

void TTabSheet::SetTextValue(const QString& text)
{
    TCustomControl::SetTextValue(text);
    if (TPageControl* pc = PageControl())
        pc->tabs()->setTabText(PageIndex(), text);
}

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner, new NativeWidget<QTabWidget>, false)
{
    ControlStyle |= csAcceptsControls;
    SetBounds(0, 0, 289, 193);
    QObject::connect(tabs(), &QTabWidget::currentChanged, [this] {
        if (!settingPage_ && OnChange)
            ControlBridge::guarded([this] { OnChange(this); });
    });
}

QTabWidget* TPageControl::tabs() const
{
    return static_cast<QTabWidget*>(Widget());
}

void TPageControl::AttachChild(TControl* control)
{
    auto* sheet = dynamic_cast<TTabSheet*>(control);
    if (!sheet) {
        TWinControl::AttachChild(control);
        return;
    }
    const QSignalBlocker block(tabs());
    tabs()->setTabVisible(tabs()->addTab(QtAccess::Widget(*sheet), sheet->Caption()), sheet->TabVisible());
    ensureWidgetFont();
    const int bar = tabs()->tabBar()->sizeHint().height();
    sheet->SetBounds(0, bar, Width(), std::max(0, Height() - bar));
}

int TPageControl::PageCount() const
{
    return tabs()->count();
}

TTabSheet* TPageControl::Pages(int index) const
{
    return dynamic_cast<TTabSheet*>(TControl::FromWidget(tabs()->widget(index)));
}

TTabSheet* TPageControl::ActivePage() const
{
    return dynamic_cast<TTabSheet*>(TControl::FromWidget(tabs()->currentWidget()));
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page && page->PageControl() == this)
        SetActivePageIndex(page->PageIndex());
}

int TPageControl::ActivePageIndex() const
{
    return tabs()->currentIndex();
}

void TPageControl::SetActivePageIndex(int index)
{
    settingPage_ = true;
    tabs()->setCurrentIndex(index);
    settingPage_ = false;
}

// ---------------------------------------------------------------------------------------------
// TTreeView

QString TTreeNode::Text() const
{
    return item_->text(0);
}

void TTreeNode::SetText(const QString& text)
{
    item_->setText(0, text);
}

TTreeNode* TTreeNode::Parent() const
{
    return view_->items_->NodeOf(item_->parent());
}

int TTreeNode::Count() const
{
    return item_->childCount();
}

TTreeNode* TTreeNode::Item(int index) const
{
    return view_->items_->NodeOf(item_->child(index));
}

int TTreeNode::Index() const
{
    return item_->parent() ? item_->parent()->indexOfChild(item_) : view_->tree()->indexOfTopLevelItem(item_);
}

int TTreeNode::Level() const
{
    int level = 0;
    for (const QTreeWidgetItem* p = item_->parent(); p; p = p->parent())
        ++level;
    return level;
}

bool TTreeNode::Expanded() const
{
    return item_->isExpanded();
}

void TTreeNode::SetExpanded(bool v)
{
    item_->setExpanded(v);
}

void TTreeNode::Expand(bool recurse)
{
    SetExpanded(true);
    if (recurse)
        for (int i = 0; i < Count(); ++i)
            Item(i)->Expand(true);
}

void TTreeNode::Collapse(bool recurse)
{
    SetExpanded(false);
    if (recurse)
        for (int i = 0; i < Count(); ++i)
            Item(i)->Collapse(true);
}

bool TTreeNode::Selected() const
{
    return view_->tree()->currentItem() == item_;
}

TTreeNodes::~TTreeNodes() = default;

TTreeNode* TTreeNodes::wrap(QTreeWidgetItem* item)
{
    auto node = std::unique_ptr<TTreeNode>(new TTreeNode(view_, item));
    TTreeNode* raw = node.get();
    nodes_[item] = std::move(node);
    return raw;
}

TTreeNode* TTreeNodes::NodeOf(const QTreeWidgetItem* item) const
{
    auto it = nodes_.find(item);
    return it == nodes_.end() ? nullptr : it->second.get();
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const QString& text)
{
    return AddChild(sibling ? sibling->Parent() : nullptr, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const QString& text)
{
    auto* item = new QTreeWidgetItem(QStringList{text});
    if (parent)
        parent->item_->addChild(item);
    else
        view_->tree()->addTopLevelItem(item);
    return wrap(item);
}

void TTreeNodes::forget(QTreeWidgetItem* item)
{
    for (int i = 0; i < item->childCount(); ++i)
        forget(item->child(i));
    nodes_.erase(item);
}

void TTreeNodes::Delete(TTreeNode* node)
{
    if (!node)
        return;
    QTreeWidgetItem* item = node->item_;
    forget(item);
    delete item;  // leaves the tree with its children
}

void TTreeNodes::Clear()
{
    view_->tree()->clear();
    nodes_.clear();
}

TTreeNode* TTreeNodes::GetFirstNode() const
{
    return NodeOf(view_->tree()->topLevelItem(0));
}

TTreeView::TTreeView(TComponent* AOwner)
    : TWinControl(AOwner, new NativeWidget<QTreeWidget>, false), items_(std::make_unique<TTreeNodes>(this))
{
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
    DlgCode = DLGC_WANTCHARS | DLGC_WANTARROWS;
    tree()->setHeaderHidden(true);
    tree()->setColumnCount(1);
    WatchWidget(tree()->viewport());
    QObject::connect(tree(), &QTreeWidget::currentItemChanged, [this](QTreeWidgetItem* current) {
        if (OnChange)
            ControlBridge::guarded([this, current] { OnChange(this, items_->NodeOf(current)); });
    });
}

TTreeView::~TTreeView()
{
    Destroying();
    tree()->blockSignals(true);
}

QTreeWidget* TTreeView::tree() const
{
    return static_cast<QTreeWidget*>(Widget());
}

TTreeNode* TTreeView::Selected() const
{
    return items_->NodeOf(tree()->currentItem());
}

void TTreeView::SetSelected(TTreeNode* node)
{
    tree()->setCurrentItem(node ? node->item_ : nullptr);
}

void TTreeView::FullExpand()
{
    tree()->expandAll();
}

void TTreeView::FullCollapse()
{
    tree()->collapseAll();
}

// --- Track bar ---------------------------------------------------------------------------------------

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner, new NativeWidget<QSlider>, false)
{
    slider()->setOrientation(Qt::Horizontal);
    slider()->setTickPosition(QSlider::TicksBelow);
    slider()->setRange(0, 10);
    slider()->setPageStep(2);
    slider()->setTickInterval(1);
    SetBounds(0, 0, 150, 45);
    TabStop = true;
    DlgCode = DLGC_WANTARROWS;
    QObject::connect(slider(), &QSlider::valueChanged, [this] {
        if (OnChange)
            ControlBridge::guarded([this] { OnChange(this); });
    });
}

QSlider* TTrackBar::slider() const
{
    return static_cast<QSlider*>(Widget());
}

int TTrackBar::Min() const
{
    return slider()->minimum();
}

void TTrackBar::SetMin(int Value)
{
    if (Value <= Max())
        slider()->setMinimum(Value);
}

int TTrackBar::Max() const
{
    return slider()->maximum();
}

void TTrackBar::SetMax(int Value)
{
    if (Value >= Min())
        slider()->setMaximum(Value);
}

int TTrackBar::Position() const
{
    return slider()->value();
}

void TTrackBar::SetPosition(int Value)
{
    slider()->setValue(Value);
}

int TTrackBar::PageSize() const
{
    return slider()->pageStep();
}

void TTrackBar::SetPageSize(int Value)
{
    slider()->setPageStep(Value);
}

int TTrackBar::Frequency() const
{
    return slider()->tickInterval();
}

void TTrackBar::SetFrequency(int Value)
{
    slider()->setTickInterval(Value);
}
