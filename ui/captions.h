#pragma once

// The fixed texts of the Qt windows (UTF-8). The result captions come from calc/outputs.h.
namespace ui::captions {

inline constexpr char mainTitle[] = "Torvale";
inline constexpr char aboutTitle[] = "版本信息";

inline constexpr char fileMenu[] = "文件(&F)";
inline constexpr char closeItem[] = "关闭(&C)";
inline constexpr char helpMenu[] = "帮助(&H)";
inline constexpr char aboutItem[] = "关于(&A)…";

inline constexpr char calculate[] = "计算";

// Entries of the two selectors; Combo2's order is the index calc::Command1_Click reads.
inline constexpr char dryBulb[] = "干球温度 ℃";
inline constexpr char wetBulb[] = "湿球温度 ℃";
inline constexpr char relativeHumidity[] = "相对湿度 %";

inline constexpr char noticeButton[] = "确定";

inline constexpr char aboutName[] = "Torvale";
inline constexpr char authorPrefix[] = "制作者：";
inline constexpr char emailPrefix[] = "信箱：";
inline constexpr char qqPrefix[] = "QQ：";

}  // namespace ui::captions
