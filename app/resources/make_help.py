#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Numora developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the help document numora180.doc (Rich Text, which every word
processor opens) from the text below. Run it after editing the text:

    python3 app/resources/make_help.py

Lines starting with "# " are headings, "## " subheadings, "- " list items;
other lines are paragraphs; blank lines are ignored.
"""
from pathlib import Path

HELP = """
# Numora 1.80 帮助信息
Numora 是一套简明的计算器，可供普通用户以及高一及高一以下的学生使用。主窗口中可以同时打开多个计算窗口：基本计算、科学性计算、数学专科计算、化学专科计算，以及简易计算器、选项、常用资料和关于窗口。

## 主窗口
- 菜单“程序(P)”：打开或隐藏基本计算、专科计算（数学、化学）、科学性计算窗口，运行简易计算器，启动系统自带的计算器，退出程序。
- 菜单“设置(O)”：在“查看”中显示或隐藏工具栏和状态栏；“选项”打开选项窗口。
- 菜单“帮助(H)”：打开本帮助信息、常用资料和关于窗口。
- 在主窗口空白处单击鼠标右键，会弹出包含以上全部命令的快捷菜单。
- 工具栏按钮依次为：基本计算、数学专科计算、化学专科计算、科学性计算、设置、帮助、关于。再次单击同一个按钮会隐藏该窗口，窗口中已输入的内容保留；用窗口自己的关闭按钮关闭后，下次打开时为新的窗口，并出现在上次关闭时的位置。
- 状态栏依次显示欢迎信息、当前用户、当前时间和当前日期。
- 桌面有通知区域时，最小化主窗口会将其隐藏到通知区域的图标中；单击图标恢复窗口，右键单击图标弹出快捷菜单。

# 基本计算
基本计算窗口有三个页面，用窗口顶部的标签切换。

## 传统计算－完全界面
每种运算有一个独立的小框：求和、求差、求积、求商（同时给出整数商和余数）、乘方、开方、对数和阶乘。在框内输入数据后单击对应的按钮，结果显示在框内的结果栏中。运算采用双精度浮点数，结果最多保留15位有效数字，很大或很小的数用科学计数法表示（例如 1E+15）。

## 传统计算－简易界面
只有两个数据栏和一个结果栏，七个运算按钮共用这两个数据。适合连续做几种不同的运算。

## 1-255位整数运算
可以对最多255位的非负整数进行精确运算。
- 两数运算：和、差、积、商与余数、乘方。
- 集合运算：把多个数加入列表，再求全部数的和或积。
- 运算较长时可以单击“停止”按钮中止，其他窗口在运算期间仍可使用。

# 科学性计算
## 歌德巴赫猜想
输入一个不小于4的偶数N，程序列出所有把N写成两个素数之和（p ≤ q）的方法，并给出方法的总数。数很大时列表可能很长，可随时中止。

## 因数分解
输入一个正整数（最多10位），程序列出它的全部素因数和因数的个数。

## 莫孙尼素数计算
从指数2开始依次检查形如 2^p − 1 的数，列出其中的莫孙尼（梅森）素数、找到的个数以及最后检查的指数。单击“停止”结束搜索；中止后结果的个数未必完整。

# 数学专科计算
数学专科计算窗口有四个页面：方程、三角函数、公式和函数图象。状态栏会显示鼠标所指控件的说明。

## 方程
- 标准一元二次方程 ax² + bx + c = 0：输入a、b、c，求出两个根。
- 二元一次方程组与三元一次方程组：输入各方程的系数与常数项，求出方程组的解。

## 三角函数
输入一个角，选择角度制或弧度制，求正弦、余弦、正切、余切、正割或余割。终边在坐标轴上的角对没有定义的函数会给出提示。下半部分“绘制草图”可在对称区间上画出正弦曲线（红色）或余弦曲线（蓝色），绘制时可以中止，也可以清除图象。

## 公式
输入a和b，用乘法公式计算：平方差、完全平方和、完全平方差、立方和、立方差。把鼠标停在按钮上可以看到对应的公式。

## 函数图象
可以绘制七种函数的图象：一次函数、二次函数、指数函数、对数函数、反比例函数、正弦函数、余弦函数。先在列表中选择函数类型，输入系数，再单击“开始绘制”。在“选项”中可以设定x、y的范围和网格条数，单击“重置并应用选项”后清除画布并按新的范围画出网格和坐标轴。多条图象可以画在同一画布上；鼠标在画布上移动时，状态栏显示对应的坐标。

# 化学专科计算
“溶液问题”框中先选择已知的两个量：已知溶质和溶液、已知溶剂和溶液、或已知溶质和溶剂。第三个量的输入栏会被锁定。
- 质量分数：求溶质和溶剂的质量分数。
- 溶解度：由饱和溶液中的质量求出100g溶剂中最多能溶解的溶质质量。
- 量浓度：由溶质的物质的量和溶液体积求物质的量浓度（仅在“已知溶质和溶液”时可用）。
- 稀/浓溶液：选择“求稀”或“求浓”并输入目标质量分数，程序给出应增加或减少的溶质或溶剂的质量。

# 简易计算器
选择菜单“程序(P)”中的“简易计算器”，输入一个只含加、减、乘、除和括号的算式，例如 (1+2)*3。计算结果会显示出来，并且自动复制到剪贴板中，可以直接粘贴到其他程序里。乘除优先于加减，同级运算从左到右依次计算；数字或右括号紧挨着左括号表示相乘，例如 2(3) 等于 6。结果最多保留15位有效数字，纯小数省略小数点前的0（例如 1/2 的结果为 .5）。算式有误或除数为0时显示“表达式错误”。

# 选项
- 环境设置：调节主窗口的状态（普通、最小化、最大化、恢复到初始化状态），使主窗口总在最前；设置工具栏的热样式、立体外观和是否允许自定义（允许时工具栏可以拖到主窗口的其他边上或单独浮动）；选择背景音乐、静音和调节音量。
- 软件功能设置：取消启动时的检测工作；“软件复位”会清除Numora保存的所有用户信息，并可选择立即重新启动。
- 用户：设定显示在欢迎信息和关于窗口中的用户名。

# 常用资料与关于
“常用资料”列出常用的数学、物理和化学常数。“关于”窗口显示版本信息和当前用户。

# 设置的保存位置
Numora 的全部设置（窗口位置、工具栏、用户名、背景音乐、函数图象的范围等）保存在当前用户的设置文件中：
- Linux：$XDG_CONFIG_HOME/Numora/Numora.ini（通常为 ~/.config/Numora/Numora.ini）。
- Windows：%APPDATA%\\Numora\\Numora.ini。
删除该文件或在选项中执行“软件复位”即可恢复全部默认设置。

# 帮助文件
本帮助文件 numora180.doc 应与 Numora 程序位于同一目录下。
"""


def rtf_text(text: str) -> str:
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif code < 128:
            out.append(ch)
        elif code <= 0xFFFF:
            out.append("\\u%d?" % (code - 65536 if code > 32767 else code))
        else:  # outside the basic plane: a surrogate pair
            code -= 0x10000
            for unit in (0xD800 + (code >> 10), 0xDC00 + (code & 0x3FF)):
                out.append("\\u%d?" % (unit - 65536))
    return "".join(out)


def build() -> str:
    parts = [
        "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1",
        "{\\fonttbl{\\f0\\fnil\\fcharset134 Noto Sans CJK SC;}{\\f1\\fnil\\fcharset134 SimHei;}}",
        "{\\info{\\title Numora 1.80}}",
        "\\viewkind4\\fs22\n",
    ]
    for line in HELP.strip().splitlines():
        line = line.strip()
        if not line:
            continue
        if line.startswith("## "):
            parts.append("\\pard\\sb160\\sa80\\b\\fs26 %s\\b0\\fs22\\par\n" % rtf_text(line[3:]))
        elif line.startswith("# "):
            parts.append("\\pard\\sb280\\sa120\\b\\fs32 %s\\b0\\fs22\\par\n" % rtf_text(line[2:]))
        elif line.startswith("- "):
            parts.append("\\pard\\li360\\fi-240\\sa60 \\bullet  %s\\par\n" % rtf_text(line[2:]))
        else:
            parts.append("\\pard\\sa120 %s\\par\n" % rtf_text(line))
    parts.append("}\n")
    return "".join(parts)


if __name__ == "__main__":
    target = Path(__file__).with_name("numora180.doc")
    target.write_text(build(), encoding="ascii", newline="\n")
    print("wrote", target)
