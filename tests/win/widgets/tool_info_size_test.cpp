// The real balloon host and the picture buttons' tooltip send every tool record in the version-2
// size: comctl32 5.82, which Windows gives a program without a common-controls 6 manifest,
// refuses larger ones (the balloon would never show), while Wine takes any size.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "core/unique_handle_win.h"
#include "gfx/tooltip_win.h"
#include "support/message_pump.h"
#include "support/tool_info_recorder.h"
#include "widgets/balloon_tip_win.h"

namespace yf {
namespace {

struct Scenario {
    const char* name;
    std::function<void(HWND owner)> run;
    std::vector<UINT> mustSend;  // so that a scenario that sends nothing cannot pass
};

TEST(ToolInfoSizeTest, EveryToolRecordIsTheVersion2Size) {
    const std::vector<Scenario> scenarios = {
        {"balloon tip",
         [](HWND owner) {
             BalloonTip balloon(owner);
             EXPECT_TRUE(balloon.PopUp(600, 500, "系统将在5分钟后关闭"));
             EXPECT_TRUE(balloon.PopUp(600, 500, "系统将在1分钟后关闭"));
             testing::PumpFor(50);
             balloon.Close();
         },
         {TTM_ADDTOOLW, TTM_UPDATETIPTEXTW, TTM_TRACKACTIVATE}},
        {"picture-button tooltip",
         [](HWND owner) {
             gfx::ToolTip tip;
             ASSERT_TRUE(tip.Create(owner));
             EXPECT_TRUE(tip.AddTool({0, 0, 20, 20}, "最小化", 1));
             tip.SetToolRect(1, {0, 0, 30, 20});
             tip.SetToolText(1, "关闭");
             tip.DeleteTool(1);
         },
         {TTM_ADDTOOLW, TTM_NEWTOOLRECTW, TTM_UPDATETIPTEXTW, TTM_DELTOOLW}},
    };
    for (const Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        UniqueWindow owner(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 40, 40, 200,
                                             100, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(owner);
        testing::ToolInfoRecorder recorder;
        ASSERT_TRUE(recorder.Hooked());
        scenario.run(owner.get());
        for (const UINT message : scenario.mustSend) {
            EXPECT_TRUE(recorder.Saw(message)) << "message 0x" << std::hex << message;
        }
        for (const auto& sent : recorder.Messages()) {
            EXPECT_LE(sent.cbSize, TTTOOLINFOW_V2_SIZE)
                << "message 0x" << std::hex << sent.message << " carried " << std::dec
                << sent.cbSize << " bytes";
        }
    }
}

}  // namespace
}  // namespace yf
