// The linked-in chime has the promised format, and a reminder pops up the balloon with its
// text near the bottom-right corner of the screen.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <memory>
#include <string>

#include "core/wide_text_win.h"
#include "scheduler/reminder_win.h"
#include "support/message_pump.h"

namespace yf {
namespace {

std::uint32_t U32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}
std::uint16_t U16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}
bool Tag(std::span<const std::uint8_t> bytes, std::size_t at, const char* tag) {
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

TEST(ReminderTest, ChimeIsStereoPcmAt44100HzWithTheExactDataSize) {
    const std::span<const std::uint8_t> wav = ReminderSound();
    ASSERT_GE(wav.size(), 44u);
    EXPECT_TRUE(Tag(wav, 0, "RIFF"));
    EXPECT_EQ(U32(wav, 4), wav.size() - 8);
    EXPECT_TRUE(Tag(wav, 8, "WAVE"));
    // Chunks after WAVE: fmt first, then data (other chunks are skipped by players too).
    std::size_t at = 12;
    std::size_t dataSize = 0;
    bool formatSeen = false;
    while (at + 8 <= wav.size()) {
        const std::uint32_t size = U32(wav, at + 4);
        if (Tag(wav, at, "fmt ")) {
            formatSeen = true;
            EXPECT_EQ(U16(wav, at + 8), 1);            // PCM
            EXPECT_EQ(U16(wav, at + 10), 2);           // channels
            EXPECT_EQ(U32(wav, at + 12), 44100u);      // samples per second
            EXPECT_EQ(U32(wav, at + 16), 44100u * 4);  // bytes per second
            EXPECT_EQ(U16(wav, at + 20), 4);           // block align
            EXPECT_EQ(U16(wav, at + 22), 16);          // bits per sample
        } else if (Tag(wav, at, "data")) {
            dataSize = size;
            EXPECT_LE(at + 8 + size, wav.size());
        }
        at += 8 + size + (size & 1);
    }
    EXPECT_TRUE(formatSeen);
    EXPECT_EQ(dataSize, 228352u);
}

TEST(ReminderTest, BalloonPointsNearTheBottomRightCornerWithTheText) {
    const POINT at = ReminderBalloonPoint();
    EXPECT_EQ(at.x, ::GetSystemMetrics(SM_CXSCREEN) - 20);
    EXPECT_EQ(at.y, ::GetSystemMetrics(SM_CYSCREEN) - 20);

    HWND owner = ::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    {
        auto balloon = std::make_unique<BalloonTip>(owner);
        SoundAndBalloonReminder reminder([&balloon] { return balloon.get(); });
        const std::string text = "系统将在5分钟后关闭，请注意保存您的资料！";
        reminder.Remind(text);
        testing::PumpFor(100);
        ASSERT_TRUE(balloon->IsShown());
        ASSERT_TRUE(::IsWindowVisible(balloon->Window()));

        wchar_t shown[256] = {};
        TOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.hwnd = owner;
        info.uId = 1;
        info.lpszText = shown;
        ::SendMessageW(balloon->Window(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(Narrow(shown), text);

        // The balloon's stem touches the point, so the tip lies within reach of it.
        RECT rect;
        ::GetWindowRect(balloon->Window(), &rect);
        EXPECT_LE(rect.right, ::GetSystemMetrics(SM_CXSCREEN));
        EXPECT_LE(rect.bottom, ::GetSystemMetrics(SM_CYSCREEN));
        EXPECT_GE(rect.right, at.x - 40);
        EXPECT_GE(rect.bottom, at.y - 40);
    }
    ::DestroyWindow(owner);
}

}  // namespace
}  // namespace yf
