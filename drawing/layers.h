#pragma once

// The drawing's layers, each kind of thing on its own, so that CAD can switch it off.
namespace drawing::layers {

inline constexpr char frame[] = "图框";             // the paper's edge and the frame
inline constexpr char titleBlock[] = "标题栏";      // the title block's cells and texts
inline constexpr char grid[] = "网格";              // isotherms, d lines, the plot's frame, ticks
inline constexpr char humidity[] = "相对湿度线";    // φ = 10 … 90 %
inline constexpr char saturation[] = "饱和线";      // φ = 100 %
inline constexpr char enthalpy[] = "等焓线";        // lines of constant h
inline constexpr char points[] = "状态点";          // marks, their labels and leaders
inline constexpr char processes[] = "过程";         // lines with arrowheads
inline constexpr char epsilon[] = "热湿比线";       // ε lines through points
inline constexpr char protractor[] = "热湿比标尺";  // the ε protractor, its values and title
inline constexpr char zones[] = "舒适区";           // comfort zones' outlines
inline constexpr char text[] = "文字";              // scales, labels of lines, titles, notes
inline constexpr char tables[] = "表格";            // the points' and processes' tables

}  // namespace drawing::layers
