// Drop targets registered for windows: the answers of RegisterDragDrop and RevokeDragDrop, and who holds the target.
#include "support/LayerInternals.h"
#include "support/Render.h"
#include "Recorder.h"

#include "windows/ActiveX.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <memory>

namespace {

class TNullTarget : public IDropTarget {
public:
    HRESULT DragEnter(IDataObject*, uint32_t, POINTL, uint32_t& Effect) override
    {
        Effect = DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT DragOver(uint32_t, POINTL, uint32_t& Effect) override
    {
        Effect = DROPEFFECT_NONE;
        return S_OK;
    }
    HRESULT DragLeave() override { return S_OK; }
    HRESULT Drop(IDataObject*, uint32_t, POINTL, uint32_t& Effect) override
    {
        Effect = DROPEFFECT_NONE;
        return S_OK;
    }
};

class DropTargetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(200, 100);
        Control = Place<TPlainControl>(Form.get(), Bounds(10, 10, 50, 50));
        Form->Show();
        ProcessPendingEvents();
    }

    std::unique_ptr<TForm> Form;
    TPlainControl* Control = nullptr;
};

TEST_F(DropTargetTest, AWindowHoldsItsTargetFromRegisteringToRevoking)
{
    auto Target = std::make_shared<TNullTarget>();
    const std::weak_ptr<TNullTarget> Held = Target;
    const HWND Wnd = Control->Handle();
    EXPECT_EQ(RevokeDragDrop(Wnd), DRAGDROP_E_NOTREGISTERED);
    EXPECT_EQ(RegisterDragDrop(Wnd, nullptr), E_INVALIDARG);
    EXPECT_FALSE(WidgetOf(Wnd)->acceptDrops());
    EXPECT_EQ(RegisterDragDrop(Wnd, Target), S_OK);
    EXPECT_TRUE(WidgetOf(Wnd)->acceptDrops()) << "the window takes drops";
    EXPECT_EQ(RegisterDragDrop(Wnd, std::make_shared<TNullTarget>()), DRAGDROP_E_ALREADYREGISTERED);
    EXPECT_EQ(RegisterDragDrop(Form->Handle(), std::make_shared<TNullTarget>()), S_OK) << "each window has its own";
    Target.reset();
    EXPECT_FALSE(Held.expired()) << "the window holds the target";
    EXPECT_EQ(RevokeDragDrop(Wnd), S_OK);
    EXPECT_TRUE(Held.expired());
    EXPECT_FALSE(WidgetOf(Wnd)->acceptDrops());
    EXPECT_EQ(RevokeDragDrop(Wnd), DRAGDROP_E_NOTREGISTERED);
    EXPECT_EQ(RegisterDragDrop(Wnd, std::make_shared<TNullTarget>()), S_OK) << "registers again after revoking";
    EXPECT_EQ(RevokeDragDrop(Wnd), S_OK);
    EXPECT_EQ(RevokeDragDrop(Form->Handle()), S_OK);
}

TEST_F(DropTargetTest, NoWindowNoRegistration)
{
    const HWND Hidden = AllocateHWnd([](TMessage&) {});
    const HWND Gone = Control->Handle();
    delete Control;
    for (const HWND Wnd : {static_cast<HWND>(nullptr), Gone, Hidden}) {
        EXPECT_EQ(RegisterDragDrop(Wnd, std::make_shared<TNullTarget>()), DRAGDROP_E_INVALIDHWND);
        EXPECT_EQ(RevokeDragDrop(Wnd), DRAGDROP_E_INVALIDHWND);
    }
    DeallocateHWnd(Hidden);
}

TEST_F(DropTargetTest, ADestroyedWindowLetsGoOfItsTarget)
{
    auto Target = std::make_shared<TNullTarget>();
    const std::weak_ptr<TNullTarget> Held = Target;
    ASSERT_EQ(RegisterDragDrop(Control->Handle(), std::move(Target)), S_OK);
    delete Control;
    EXPECT_TRUE(Held.expired());
}

}  // namespace
