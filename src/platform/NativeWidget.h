#pragma once
// A Qt widget under a control: the keys it gets stay with it instead of going on to its parent widget,
// as keys go only to the focused window.
#include <QKeyEvent>

template <typename W>
class NativeWidget : public W {
public:
    using W::W;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        W::keyPressEvent(e);
        e->accept();
    }
    void keyReleaseEvent(QKeyEvent* e) override
    {
        W::keyReleaseEvent(e);
        e->accept();
    }
};
