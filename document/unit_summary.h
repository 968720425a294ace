#pragma once

#include <string>
#include <vector>

#include "workspace/points.h"
#include "workspace/process_list.h"

// The unit's summary (机组汇总): per air stream through the unit, what its plant does — cooling
// with its sensible and latent parts, heating, reheat, humidifier water, condensate, heat
// recovered and fan heat — and the totals, from the rows of the 过程 table that have loads.
//
// An air stream is a chain of processes with loads (a flow given, or carried on): a process
// continues the stream whose last outlet is its inlet, else it starts a stream of its own. A
// mixing ends the streams that enter it (its outlet starts a new one), and a supply point's row is
// the room's load, not the unit's, so neither belongs to a stream. A stream is named by the first
// and last points of its chain, "C→O′".
namespace document {

// Refrigeration tons: 1 RT = 3.517 kW.
inline constexpr double kilowattsPerTon = 3.517;

// The figures of one stream, or of the totals; amounts the plant provides are positive.
struct StreamSummary {
  std::string name;       // "C→O′"
  double cooling = 0;     // kW: −Σ 全热 of the cooling rows
  double sensible = 0;    // kW: −Σ 显热 of the cooling rows
  double latent = 0;      // kW: −Σ 潜热 of the cooling rows
  double heating = 0;     // kW: Σ 全热 of 加热 rows before any cooling row of the stream
  double reheat = 0;      // kW: Σ 全热 of 加热 rows after a cooling row of the stream
  double humidifier = 0;  // kg/h: Σ 水量 of the humidifying and direct evaporation rows
  double condensate = 0;  // kg/h: −Σ 水量 of the cooling rows
  double recovered = 0;   // kW: Σ 全热 of the heat recovery rows, signed as there
  double fan = 0;         // kW: Σ 全热 of the 风机温升 rows
  // Which of the figures above some row gave (a cell with none stays empty).
  bool cools = false, heats = false, reheats = false, humidifies = false, recovers = false,
       fans = false;
};

// The streams of the design, in the order their first process was made.
std::vector<StreamSummary> unitStreams(const workspace::ProcessList& processes,
                                       const workspace::PointList& points);

// The summary's header: 机组汇总（空气流）, 冷量 kW, 冷吨 RT, 显冷 kW, 潜冷 kW, 加热 kW, 再热 kW,
// 加湿量 kg/h, 冷凝水 kg/h, 热回收 kW, 风机温升 kW.
std::vector<std::string> summaryHeader();

// The summary's rows: one per stream, then 合计; figures with two decimals as the 过程 table rounds
// them, a cell empty where no row gave that figure. Empty where the design has no stream.
std::vector<std::vector<std::string>> summaryRows(const workspace::ProcessList& processes,
                                                  const workspace::PointList& points);

}  // namespace document
