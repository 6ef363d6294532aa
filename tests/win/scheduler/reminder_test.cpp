// The linked-in chime has the promised format, and a reminder pops up the balloon with its
// text near the bottom-right corner of the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <memory>

#include "core/tool_info_win.h"
#include "core/wide_text_win.h"
#include "scheduler/reminder_win.h"
#include "support/message_pump.h"
#include "support/tool_info_recorder.h"

namespace yf {
namespace {

TEST(ReminderTest, ChimeIsStereoPcmAt44100HzWithTheExactDataSize) {
    const std::span<const std::uint8_t> wav = ReminderSound();
    ASSERT_EQ(wav.size(), 44u + 228352u);
    auto u32 = [&](std::size_t at) {
        std::uint32_t v;
        std::memcpy(&v, &wav[at], 4);
        return v;
    };
    auto u16 = [&](std::size_t at) {
        std::uint16_t v;
        std::memcpy(&v, &wav[at], 2);
        return v;
    };
    auto tag = [&](std::size_t at) {
        return std::string(reinterpret_cast<const char*>(&wav[at]), 4);
    };
    EXPECT_EQ(tag(0) + tag(8) + tag(12) + tag(36), "RIFFWAVEfmt data");
    EXPECT_EQ(u32(4), wav.size() - 8);
    EXPECT_EQ(u16(20), 1);           // PCM
    EXPECT_EQ(u16(22), 2);           // channels
    EXPECT_EQ(u32(24), 44100u);      // samples per second
    EXPECT_EQ(u32(28), 44100u * 4);  // bytes per second
    EXPECT_EQ(u16(32), 4);           // block align
    EXPECT_EQ(u16(34), 16);          // bits per sample
    EXPECT_EQ(u32(40), 228352u);     // data bytes
}

TEST(ReminderTest, BalloonPointsNearTheBottomRightCornerWithTheText) {
    const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(ReminderBalloonPoint().x, width - 20);
    EXPECT_EQ(ReminderBalloonPoint().y, height - 20);

    UniqueWindow owner(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                         nullptr, ::GetModuleHandleW(nullptr), nullptr));
    // The sizes of the tool records as comctl32 5.82 would judge them (Wine takes any).
    testing::ToolInfoRecorder recorder;
    auto balloon = std::make_unique<BalloonTip>(owner.get());
    SoundAndBalloonReminder reminder([&balloon] { return balloon.get(); });
    const std::string text = "系统将在5分钟后关闭，请注意保存您的资料！";
    EXPECT_TRUE(reminder.Remind(text));
    testing::PumpFor(100);
    ASSERT_TRUE(balloon->IsShown() && ::IsWindowVisible(balloon->Window()));

    wchar_t shown[256] = {};
    TTTOOLINFOW info = MakeToolInfo(owner.get(), 1, 0, shown);
    ::SendMessageW(balloon->Window(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(Narrow(shown), text);
    // The stem touches the point, so the tip ends within reach of it and on the screen.
    RECT rect;
    ::GetWindowRect(balloon->Window(), &rect);
    EXPECT_TRUE(rect.right <= width && rect.right >= width - 60) << rect.right;
    EXPECT_TRUE(rect.bottom <= height && rect.bottom >= height - 60) << rect.bottom;
    balloon.reset();
    EXPECT_TRUE(recorder.Saw(TTM_TRACKACTIVATE));
    for (const auto& sent : recorder.Messages()) EXPECT_LE(sent.cbSize, TTTOOLINFOW_V2_SIZE);
    // No balloon to show it in: the reminder says the user saw nothing.
    EXPECT_FALSE(reminder.Remind(text));
    SoundAndBalloonReminder withoutHost([] { return nullptr; });
    EXPECT_FALSE(withoutHost.Remind(text));
}

}  // namespace
}  // namespace yf
