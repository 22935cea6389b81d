#include "platform/DragDrop.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/KeyMap.h"
#include "platform/QtAccess.h"

namespace {
// Milliseconds between two steps of a running drag.
constexpr int DragStepInterval = 15;

TDragData dataOf(const QMimeData* mime)
{
    TDragData data;
    if (!mime)
        return data;
    for (const QString& f : mime->formats())
        data.insert(f, mime->data(f));
    if (mime->hasText())
        data.insert(MimePlainText, mime->text().toUtf8());
    return data;
}

int effectsOf(Qt::DropActions actions)
{
    return (actions & Qt::CopyAction ? DROPEFFECT_COPY : 0) | (actions & Qt::MoveAction ? DROPEFFECT_MOVE : 0);
}

Qt::DropAction actionOf(int effect)
{
    return effect & DROPEFFECT_MOVE ? Qt::MoveAction : effect & DROPEFFECT_COPY ? Qt::CopyAction : Qt::IgnoreAction;
}

// Forwards a widget's drag events to its target.
class TDropFilter : public QObject {
public:
    static constexpr const char* Name = "dropTargetFilter";
    TDropFilter(QWidget* widget, IDropTarget* target) : QObject(widget), target_(target) { setObjectName(Name); }
    IDropTarget* target_;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto* e = static_cast<QDropEvent*>(event);
            const QPoint g = widget->mapToGlobal(e->position().toPoint());
            const TPoint pt{g.x(), g.y()};
            const TShiftState shift = ShiftStateFromQt(e->modifiers(), e->buttons());
            const int allowed = effectsOf(e->possibleActions());
            int effect = DROPEFFECT_NONE;
            try {
                if (event->type() == QEvent::DragEnter)
                    effect = target_->DragEnter(dataOf(e->mimeData()), shift, pt, allowed);
                else if (event->type() == QEvent::DragMove)
                    effect = target_->DragOver(shift, pt, allowed);
                else
                    effect = target_->Drop(dataOf(e->mimeData()), shift, pt, allowed);
            } catch (...) {
                // A drop of malformed data: the error is shown and the drop refused.
                HandleEventException();
                effect = DROPEFFECT_NONE;
            }
            if (effect == DROPEFFECT_NONE) {
                e->ignore();
            } else {
                e->setDropAction(actionOf(effect));
                e->accept();
            }
            return true;
        }
        case QEvent::DragLeave:
            target_->DragLeave();
            return true;
        default:
            return false;
        }
    }
};
}  // namespace

TDragDropHook& DragDropHook()
{
    static TDragDropHook hook;
    return hook;
}

bool RegisterDragDrop(TWinControl& Control, IDropTarget* Target)
{
    QWidget* widget = QtAccess::Widget(Control);
    if (!widget)
        return false;
    for (QObject* old : widget->findChildren<QObject*>(TDropFilter::Name, Qt::FindDirectChildrenOnly)) {
        widget->removeEventFilter(old);
        delete old;
    }
    widget->setAcceptDrops(Target != nullptr);
    if (Target)
        widget->installEventFilter(new TDropFilter(widget, Target));
    return true;
}

int DoDragDrop(TWinControl& Source, IDropSource& DropSource, const TDragData& Data, int AllowedEffects)
{
    if (const TDragDropHook& hook = DragDropHook())
        return hook(Source, DropSource, Data, AllowedEffects);
    QWidget* widget = QtAccess::Widget(Source);
    if (!widget)
        return DROPEFFECT_NONE;
    auto* mime = new QMimeData;  // the drag takes it
    for (auto it = Data.begin(); it != Data.end(); ++it) {
        if (it.key() == MimePlainText)
            mime->setText(QString::fromUtf8(it.value()));
        else
            mime->setData(it.key(), it.value());
    }
    QPointer<QDrag> drag = new QDrag(widget);
    drag->setMimeData(mime);
    // The drag loop reports no plain mouse moves: the source is asked at a short interval as well.
    QTimer step;
    step.setInterval(DragStepInterval);
    QObject::connect(&step, &QTimer::timeout, [&DropSource] { DropSource.QueryDrag(); });
    step.start();
    QObject::connect(drag, &QDrag::actionChanged, [&DropSource](Qt::DropAction action) {
        DropSource.QueryDrag();
        DropSource.GiveFeedback(effectsOf(action));
    });
    const Qt::DropActions allowed = (AllowedEffects & DROPEFFECT_COPY ? Qt::CopyAction : Qt::IgnoreAction) |
                                    (AllowedEffects & DROPEFFECT_MOVE ? Qt::MoveAction : Qt::IgnoreAction);
    const Qt::DropAction result = drag->exec(allowed, Qt::CopyAction);
    DropSource.DragFinished();
    return effectsOf(result);
}
