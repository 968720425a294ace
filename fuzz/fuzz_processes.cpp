// The processes of the chart window on arbitrary input. Byte 0 picks the kind (mod 8) and, by its
// high bit, the arithmetic (set: ASHRAE 2017), byte 1
// the pair of the leaving state or the humidifying target, bytes 2–3 the pressure, 30000 + (their
// value mod 80001) Pa; the rest is split at NULs and newlines into up to seven texts: the inlet's
// t and φ, the second point's t and φ (for a mixing), the process's two values and the air flow
// (m³/h when the last byte is even, else kg/s). Every run must end in one of two ways, else the
// harness aborts:
//   - the process is refused with one message and nothing changes; or
//   - the outlet is a shown physical state (fuzzing::resultFault) and every cell of the 过程
//     table is empty, "∞", or a finite fixed-point number with its column's decimals.
// Then the pressure changes to 101325 Pa and back, and the arithmetic to the other and back, and
// the same must hold of the processes run again.
// Before that, the same inputs drive the air-handling processes of process/ that the window does
// not offer yet (heat recovery, evaporative cooling, desiccant drying, fan heat, the coil by its
// bypass factor and the rating of a coil row): the inlet and a second state (the exhaust or the
// secondary air; the inlet where none) from the first four texts, the two values of each process
// from the next two (the drying target's quantity from byte 1) and a flow in kg/s from the last.
// A refusal carries no state; an outlet is a shown physical state; a coil rating and a fan's power
// are finite numbers in their ranges.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/number_text.h"
#include "calc/state_results.h"
#include "document/process_table.h"
#include "document/words.h"
#include "process/coil.h"
#include "process/desiccant.h"
#include "process/evaporative.h"
#include "process/fan.h"
#include "process/figures.h"
#include "process/heat_recovery.h"
#include "psychro/pair_state.h"
#include "shown_results.h"
#include "workspace/process_list.h"

namespace {

[[noreturn]] void violated(const char* what, std::string_view detail) {
  std::fprintf(stderr, "property violated: %s\n  %s\n", what, fuzzing::printable(detail).c_str());
  std::abort();
}

void checkTable(const workspace::ProcessList& processes, const workspace::PointList& points) {
  for (const workspace::StatePoint& p : points.points())
    if (p.exists())
      if (const char* fault = fuzzing::resultFault(p.result.texts)) violated(fault, p.name);
  for (const auto& row : document::processRows(processes, points)) {
    if (row.size() != document::processHeader().size()) violated("row of the wrong width", row[0]);
    for (std::size_t i = 0; i < document::columns.size(); ++i) {
      const std::string& cell = row[3 + i];
      if (cell.empty() || cell == "∞" || cell == document::noRating) continue;
      const bool minusZero =
          cell.starts_with('-') && cell.find_first_not_of("-0.") == std::string::npos;
      if (!fuzzing::isFixed(cell, document::columns[i].decimals) || minusZero)
        violated("figure is not a shown number", cell);
    }
  }
}

// An air-handling process's answer: a refusal with no state, or a shown physical state.
void checkOutlet(const process::Outlet& out, psychro::Arithmetic m, const char* process) {
  if (!out.ok()) {
    const psychro::AirState& a = out.air;
    if (a.t != 0 || a.φ != 0 || a.tw != 0 || a.h != 0 || a.tl != 0 || a.ρ != 0 || a.d != 0)
      violated("a refusal carries a state", process);
    return;
  }
  std::array<std::string, calc::outputs.size()> texts;
  if (!calc::formatResults(out.air, texts, m)) violated("outlet cannot be shown", process);
  if (const char* fault = fuzzing::resultFault(texts)) violated(fault, process);
}

// A coil rating, where there is one: a dry bulb in -50…100 °C and a bypass factor in [0, 1).
void checkRating(const std::optional<process::CoilRating>& r) {
  if (r && !(r->tAdp >= -50 && r->tAdp <= 100 && r->bf >= 0 && r->bf < 1)) {
    char detail[64];
    std::snprintf(detail, sizeof detail, "%.17g %.17g", r->tAdp, r->bf);
    violated("coil rating out of range", detail);
  }
}

void checkAirHandling(const std::vector<std::string_view>& texts, psychro::Quantity target,
                      double pa, psychro::Arithmetic m) {
  using Q = psychro::Quantity;
  const auto state = [&](std::string_view t, std::string_view φ) {
    return psychro::stateFromPair({Q::t, calc::numericValue(t)},
                                  {Q::rh, calc::numericValue(φ) / 100}, pa, {}, m);
  };
  const psychro::StateOutcome first = state(texts[0], texts[1]);
  if (!first.ok()) return;
  const psychro::AirState& in = first.air;
  const psychro::StateOutcome second = state(texts[2], texts[3]);
  const psychro::AirState& other = second.ok() ? second.air : in;
  const double a = calc::numericValue(texts[4]), b = calc::numericValue(texts[5]);
  const std::optional<double> ηd = texts[5].empty() ? std::nullopt : std::optional(b);

  checkOutlet(process::recoverSensible(in, other, a, pa, m), m, "recoverSensible");
  checkOutlet(process::recoverTotal(in, other, a, ηd, pa, m), m, "recoverTotal");
  checkOutlet(process::evaporativeCool(in, a, pa, m), m, "evaporativeCool");
  checkOutlet(process::evaporativeCoolIndirect(in, other, a, pa, m), m, "evaporativeCoolIndirect");
  checkOutlet(process::dryAdiabatic(in, {target, a}, pa, m), m, "dryAdiabatic");
  const process::Outlet fan = process::fanHeat(in, a, b, pa, m);
  checkOutlet(fan, m, "fanHeat");
  const double g = calc::numericValue(texts[6]);
  if (fan.ok() && std::abs(g) < 1e9 && !std::isfinite(process::fanPower(in, a, b, g)))
    violated("fan power not finite", texts[6]);
  const process::Outlet coil = process::coolAndDryByBypass(in, a, b, pa, m);
  checkOutlet(coil, m, "coolAndDryByBypass");
  if (coil.ok()) checkRating(process::apparatusDewPoint(in, coil.air, pa, m));
  checkRating(process::apparatusDewPoint(in, other, pa, m));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const auto kind = workspace::processKinds[data[0] % workspace::processKinds.size()];
  const auto first = static_cast<psychro::Quantity>(data[1] % 6);
  const auto second = static_cast<psychro::Quantity>((data[1] / 6) % 6);
  const double pa = 30000 + (data[2] * 256 + data[3]) % 80001;
  std::vector<std::string_view> texts;
  std::string_view rest(reinterpret_cast<const char*>(data + 4), size - 4);
  while (texts.size() < 7) {
    const std::size_t split = rest.find_first_of(std::string_view("\0\n", 2));
    texts.push_back(rest.substr(0, split));
    if (split == std::string_view::npos) break;
    rest.remove_prefix(split + 1);
  }
  texts.resize(7, "");

  const auto arithmetic =
      data[0] & 0x80 ? psychro::Arithmetic::ashrae2017 : psychro::Arithmetic::classic;
  checkAirHandling(texts, first, pa, arithmetic);

  workspace::PointList points(pa);
  points.setArithmetic(arithmetic);
  const calc::Pair tRh{psychro::Quantity::t, psychro::Quantity::rh};
  if (points.add({tRh, std::string(texts[0]), std::string(texts[1])})) return 0;
  const bool second_point = !points.add({tRh, std::string(texts[2]), std::string(texts[3])});

  workspace::ProcessRequest r;
  r.kind = kind;
  r.from = points.points()[0].id;
  r.other = second_point ? points.points()[1].id : 0;
  r.pair = {first, second};
  r.first = calc::numericValue(texts[4]);
  r.second = calc::numericValue(texts[5]);
  if (kind == workspace::ProcessKind::supply)
    if (const auto ε = workspace::readEpsilon(texts[4])) r.first = *ε;
  if (!texts[6].empty())
    r.flow = workspace::Flow{calc::numericValue(texts[6]),
                             data[size - 1] % 2 ? workspace::FlowUnit::kilogramsPerSecond
                                                : workspace::FlowUnit::cubicMetresPerHour};

  workspace::ProcessList processes;
  const std::size_t before = points.size();
  if (const workspace::Refused why = processes.add(points, r)) {
    const std::string message = document::words(*why);
    if (message.empty()) violated("refused without a message", "");
    if (points.size() != before || !processes.processes().empty())
      violated("a refused process changed the points", message);
    return 0;
  }
  if (points.size() != before + 1) violated("no outlet point", "");
  checkTable(processes, points);
  for (double p : {psychro::standardPressure, pa}) {
    points.setPressure(p);
    processes.rerun(points);
    checkTable(processes, points);
  }
  for (psychro::Arithmetic m :
       {arithmetic == psychro::Arithmetic::classic ? psychro::Arithmetic::ashrae2017
                                                   : psychro::Arithmetic::classic,
        arithmetic}) {
    points.setArithmetic(m);
    processes.rerun(points);
    checkTable(processes, points);
  }
  return 0;
}
