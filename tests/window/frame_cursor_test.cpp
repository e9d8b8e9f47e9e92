// Cursors: the program's numbers, the references a component holds, and a cursor set from
// another thread reaching the window by message.
#include "frame_testing.h"

#include "window/Cursor.h"

#include <thread>

namespace frametest {
namespace {

TEST(Cursors, ProgramCursorsAre104To107)
{
    EXPECT_EQ(window::Cursor::getProgramCursor(103), nullptr);
    EXPECT_EQ(window::Cursor::getProgramCursor(104)->getKind(), window::Cursor::Hand);
    EXPECT_EQ(window::Cursor::getProgramCursor(105)->getKind(), window::Cursor::OpenHand);
    EXPECT_EQ(window::Cursor::getProgramCursor(107)->getKind(), window::Cursor::Program107);
    EXPECT_EQ(window::Cursor::getProgramCursor(108), nullptr);
    EXPECT_EQ(window::Cursor::getArrow(), window::Cursor::getArrow());
    EXPECT_NE(window::Cursor::getArrow(), window::Cursor::getWait());
}

// Counts the set-cursor messages that reach it.
class CursorCounter : public RecordingComponent {
public:
    int32_t setCursorMessages = 0;
    window::MessageResult handleMessage(uint32_t message, window::WParam wParam, window::LParam lParam) override
    {
        if (message == window::MsgSetCursor)
            ++setCursorMessages;
        return RecordingComponent::handleMessage(message, wParam, lParam);
    }
};

class ComponentCursor : public FrameTest {};

TEST_F(ComponentCursor, HoldsOneReferenceToItsCursor)
{
    lang::Ref<window::Cursor> first = lang::adopt(new window::Cursor(window::Cursor::Cross));
    lang::Ref<window::Cursor> second = lang::adopt(new window::Cursor(window::Cursor::Beam));
    canvas->setCursor(first.get());
    EXPECT_EQ(first->getRefCount(), 2);
    canvas->setCursor(second.get());
    EXPECT_EQ(first->getRefCount(), 1);
    EXPECT_EQ(second->getRefCount(), 2);
    canvas->setCursor(nullptr);
    EXPECT_EQ(second->getRefCount(), 1);
}

TEST_F(ComponentCursor, CursorFromAnotherThreadArrivesByMessage)
{
    lang::Ref<CursorCounter> panel = lang::adopt(new CursorCounter);
    ASSERT_TRUE(panel->create(frame.get(), util::RectangleNM(0, 0, 100, 100)));
    std::thread other([&] { panel->setCursor(window::Cursor::getWait()); });
    other.join();
    EXPECT_EQ(panel->getCursor(), window::Cursor::getWait());
    EXPECT_EQ(panel->setCursorMessages, 0);
    pump();
    EXPECT_EQ(panel->setCursorMessages, 1);
    panel->setCursor(window::Cursor::getArrow());
    pump();
    EXPECT_EQ(panel->setCursorMessages, 1);
}

TEST_F(ComponentCursor, PointerMovesAskForTheCursor)
{
    lang::Ref<CursorCounter> panel = lang::adopt(new CursorCounter);
    ASSERT_TRUE(panel->create(frame.get(), util::RectangleNM(0, 0, 100, 100)));
    motion(50, 50);
    motion(500, 500);
    pump();
    EXPECT_EQ(panel->setCursorMessages, 1);
}

} // namespace
} // namespace frametest
