// Names of MainWindow's controls and timers. Handlers address every control by its layout
// name, so the identifiers are those names.
#pragma once

namespace yf {

enum class ControlId : int {
    超级按钮1,
    超级按钮2,
    分组框1,
    分组框2,
    透明标签_日期星期,
    透明标签_公历日,
    透明标签_农历日期,
    透明标签_天支地干,
    透明标签1,
    透明标签2,
    透明标签3,
    透明标签_选择功能,
    透明标签_距离关机,
    透明标签_现在时间,
    编辑框3,
    透明标签_小时,
    编辑框_小时,
    调节器_小时,
    透明标签4,
    透明标签_分钟,
    编辑框_分钟,
    调节器_分钟,
    透明标签5,
    透明标签_秒钟,
    编辑框_秒钟,
    调节器_秒钟,
    透明标签_提醒时间,
    编辑框1,
    透明标签6,
    透明标签_功能,
    组合框1,
    透明标签_距离关机时间,
    编辑框2,
    Count
};

constexpr int kControlCount = static_cast<int>(ControlId::Count);

enum class TimerId : int { 时钟1, 时钟2, 时钟_关机, 时钟_时间校准, Count };

constexpr int kTimerCount = static_cast<int>(TimerId::Count);

}  // namespace yf
