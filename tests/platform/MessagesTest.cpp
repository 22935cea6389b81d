#include "platform/Controls.h"
#include "platform/Forms.h"

#include <gtest/gtest.h>

namespace {

class Recorder : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    void WndProc(TMessage& m) override
    {
        if (m.Msg >= WM_USER && m.Msg < WM_APP) {
            received.push_back(m.Msg);
            m.Result = static_cast<LRESULT>(m.WParam + m.LParam);
            return;
        }
        TCustomControl::WndProc(m);
    }
    std::vector<UINT> received;
};

}  // namespace

TEST(MessagesTest, RegisteredNumbersAreSharedByNameAndAboveC000)
{
    const UINT a = RegisterWindowMessage(QStringLiteral("GridEditDone"));
    EXPECT_GE(a, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage(QStringLiteral("GridEditDone")), a);
    EXPECT_EQ(RegisterWindowMessage(QStringLiteral("grideditdone")), a);
    const UINT b = RegisterWindowMessage(QStringLiteral("DTPShiftFocus"));
    EXPECT_GE(b, 0xC000u);
    EXPECT_NE(a, b);
    EXPECT_EQ(RegisterWindowMessage(QString()), 0u);
}

TEST(MessagesTest, SendRunsAtOncePostRunsAfterTheCurrentMessage)
{
    Recorder r(nullptr);
    EXPECT_EQ(SendMessage(r.Handle(), WM_USER + 1, 2, 3), 5);
    EXPECT_EQ(r.received, std::vector<UINT>{WM_USER + 1});
    EXPECT_TRUE(PostMessage(r.Handle(), WM_USER + 2));
    EXPECT_EQ(r.received.size(), 1u);
    Application->ProcessMessages();
    EXPECT_EQ(r.received, (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));
    EXPECT_EQ(SendMessage(nullptr, WM_USER), 0);
    EXPECT_FALSE(PostMessage(nullptr, WM_USER));
}

TEST(MessagesTest, PostedMessageToAFreedWindowIsDropped)
{
    auto r = std::make_unique<Recorder>(nullptr);
    PostMessage(r->Handle(), WM_USER + 5);
    r.reset();
    Application->ProcessMessages();  // nothing runs on the freed control (the sanitizer would tell)
}

TEST(MessagesTest, PackingHelpersKeepSignedCoordinates)
{
    const LPARAM l = MAKELPARAM(-5, 300);
    EXPECT_EQ(GET_X_LPARAM(l), -5);
    EXPECT_EQ(GET_Y_LPARAM(l), 300);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(MAKEWPARAM(MK_SHIFT, -120)), -120);
    EXPECT_EQ(LOWORD(MAKEWPARAM(MK_SHIFT, -120)), MK_SHIFT);
}
