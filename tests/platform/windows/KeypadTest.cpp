// Keypad keys: their own virtual keys and scan codes in the key data of the key and its character.
#include "support/Input.h"
#include "support/Render.h"
#include "Recorder.h"

#include <gtest/gtest.h>

namespace {

// Notes the key data of the key messages it gets.
class TKeyDataControl : public TPlainControl {
public:
    using TPlainControl::TPlainControl;
    QList<QPair<UINT, LPARAM>> Seen;
    QList<uint16_t> Keys;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == WM_KEYDOWN || Message.Msg == WM_CHAR) Seen.append({Message.Msg, Message.LParam});
        if (Message.Msg == WM_KEYDOWN) Keys.append(static_cast<uint16_t>(Message.WParam));
        TPlainControl::Dispatch(Message);
    }
};

TEST(KeypadTest, KeypadPointCarriesItsScanCode)
{
    auto Form = MakeForm(100, 60);
    auto* Control = Place<TKeyDataControl>(Form.get(), Bounds(5, 5, 50, 20));
    Control->SetTabStop(true);
    Form->Show();
    Control->SetFocus();
    ProcessPendingEvents();
    Input::PressKey(VK_DECIMAL);
    Input::PressKey(VK_OEM_PERIOD);
    ProcessPendingEvents();
    EXPECT_EQ(Control->Keys, (QList<uint16_t>{VK_DECIMAL, VK_OEM_PERIOD}));
    ASSERT_EQ(Control->Seen.size(), 4);
    // Scan code 0x53 in bits 16-23: bit 22 is set for the keypad's point, on the key and its character.
    EXPECT_EQ((Control->Seen[0].second >> 16) & 0xFF, 0x53);
    EXPECT_EQ(Control->Seen[1].first, WM_CHAR);
    EXPECT_TRUE(Control->Seen[1].second & 0x00400000);
    EXPECT_FALSE(Control->Seen[3].second & 0x00400000);
}

}  // namespace
