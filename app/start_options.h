#pragma once

#include <span>
#include <string>
#include <string_view>

#include "psychro/arithmetic.h"
#include "psychro/constants.h"

// What the command line of the window program asks for.
namespace app {

struct StartOptions {
  double pa = psychro::standardPressure;  // the pressure in force at start, Pa
  // The arithmetic in force at start (--model); classic unless given.
  psychro::Arithmetic arithmetic = psychro::Arithmetic::classic;
  bool quitAfterFirstPaint = false;  // start-up measurement (bench/startup.sh)
  bool help = false;                 // --help or -h was given, whatever else was
  std::string workspaceFile;         // a workspace file to open in the chart window, if any
  std::string error;                 // why the command line is unusable; empty if usable
};

inline constexpr std::string_view usage =
    "用法：torvale [--pressure PA | --altitude M] [--model ashrae|classic] [文件.torvale]\n"
    "  文件.torvale    在焓湿图窗口中打开这个工作区（其大气压力随之生效）\n"
    "  --pressure PA   以大气压力 PA（Pa，30000～110000）开始计算\n"
    "  --altitude M    以海拔 M（m，-500～9000）处标准大气的压力开始计算\n"
    "  --model 名称    以计算方法开始计算：classic 经典（默认）或 ashrae（ASHRAE 2017）\n"
    "  --quit-after-first-paint   窗口画出一次后即退出（用于测量启动时间）\n"
    "  --help          显示本说明\n"
    "大气压力也可在 设置 → 大气压力 中更改；每次启动仍从上面给出的值（或 101325 Pa）开始。\n"
    "程序保存的只有：焓湿图窗口最近打开的文件和表格区的高度\n"
    "（Linux 上在 ~/.config/Torvale/torvale.conf），以及未保存工作区的恢复文件\n"
    "（~/.local/share/torvale，保存或放弃后即删除）。\n";

// Reads the arguments after the program name (Qt's own already removed). An option's value
// follows it as the next word or after "=" (--altitude=-200). Only one of --pressure and --altitude
// may be given, once; one word that is not an option names a workspace file; any other word is a
// usage error. A value is read by calc::readPressure, and
// an error about it names the accepted range. --model takes ashrae or classic, once; any other
// name is a usage error that names it.
StartOptions readStartOptions(std::span<const std::string> args);

}  // namespace app
