// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmOptionAccessibility.h"

namespace numora {

// Control name -> accessible name, description (empty: the tool tip).
AccessibleTable OptionAccessibility() {
    const struct { const char* control; const char* name; const char* description; } rows[] = {
        {"Close", "关闭选项窗口", nullptr},
        {"BackFrame3List1", "窗口环境 窗口状态", "选中一项后按回车键或双击，调节主窗口的可见状态"},
        {"TopCheck", "窗口环境 总在最前", nullptr},
        {"BackCheck2", "工具栏 热样式", nullptr},
        {"BackCheck3", "工具栏 立体外观", nullptr},
        {"BackCheck5", "工具栏 允许自定义", nullptr},
        {"BackCheck4", "背景音乐 程序启动后自动播放", nullptr},
        {"Backcmd1", "背景音乐 选择音频文件", nullptr},
        {"BackText1", "背景音乐 当前音频文件", "按 Delete 键或双击停止播放当前音频文件"},
        {"BackCheck1", "背景音乐 静音", nullptr},
        {"BackSlider1", "背景音乐 音量", nullptr},
        {"SoftFrame1Check1", "启动设置 取消检测工作", nullptr},
        {"SoftFrame2cmd1", "复位 软件复位", nullptr},
        {"UserText1", "用户信息设定 用户名", nullptr},
    };
    AccessibleTable table;
    for (const auto& r : rows)
        table.push_back({QLatin1String(r.control), QString::fromUtf8(r.name),
                         r.description ? QString::fromUtf8(r.description) : QString()});
    return table;
}

}  // namespace numora
