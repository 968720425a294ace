#include "document/process_words.h"

#include <cmath>

#include "calc/pair_calculation.h"

namespace document {

using workspace::epsilonText;
using workspace::ProcessKind;
using workspace::ProcessRequest;
using workspace::valueText;

std::string_view kindCaption(ProcessKind kind) {
  switch (kind) {
    case ProcessKind::mix:
      return "混合";
    case ProcessKind::heat:
      return "加热";
    case ProcessKind::cool:
      return "冷却";
    case ProcessKind::coolAndDry:
      return "冷却除湿";
    case ProcessKind::coolToDewPoint:
      return "冷却除湿（机器露点）";
    case ProcessKind::humidifyAdiabatic:
      return "等焓加湿";
    case ProcessKind::humidifyIsothermal:
      return "等温加湿";
    case ProcessKind::supply:
      return "送风状态点";
    case ProcessKind::recoverSensible:
      return "热回收（显热）";
    case ProcessKind::recoverTotal:
      return "热回收（全热）";
    case ProcessKind::evaporate:
      return "直接蒸发冷却";
    case ProcessKind::evaporateIndirect:
      return "间接蒸发冷却";
    case ProcessKind::dryAdiabatic:
      return "等焓减湿";
    case ProcessKind::fan:
      return "风机温升";
    case ProcessKind::coolByBypass:
      return "冷却除湿（旁通系数）";
  }
  return {};
}

std::string givenText(const ProcessRequest& r) {
  const std::string a = valueText(r.first), b = valueText(r.second);
  std::string text(kindCaption(r.kind));
  text += "：";
  switch (r.kind) {
    case ProcessKind::mix:
      return text + a + " : " + b;
    case ProcessKind::heat:
    case ProcessKind::cool:
      return text + "t=" + a;
    case ProcessKind::coolAndDry:
      return text + calc::givenText(r.pair, a, b);
    case ProcessKind::coolToDewPoint:
      return text + "机器露点 " + a + ", φ=" + b + "%";
    case ProcessKind::humidifyAdiabatic:
    case ProcessKind::humidifyIsothermal:
    case ProcessKind::dryAdiabatic: {
      const std::string part = calc::givenText({r.pair.first, r.pair.first}, a, a);
      return text + part.substr(0, part.find(", "));
    }
    case ProcessKind::recoverSensible:
      return text + "ηt=" + a;
    case ProcessKind::recoverTotal:
      return text + "ηh=" + a + (std::isnan(r.second) ? "" : ", ηd=" + b);
    case ProcessKind::evaporate:
    case ProcessKind::evaporateIndirect:
      return text + "η=" + a;
    case ProcessKind::fan:
      return text + "ΔP=" + a + " Pa, η=" + b;
    case ProcessKind::coolByBypass:
      return text + "机器露点 " + a + ", 旁通系数 " + b;
    case ProcessKind::supply:
      if (r.loads)
        return text + "Q=" + valueText(r.loads->heat) + " kW, W=" + valueText(r.loads->moisture) +
               " kg/h, ε=" + epsilonText(r.first) + ", Δt=" + b;
      return text + "ε=" + epsilonText(r.first) + ", Δt=" + b;
  }
  return text;
}

std::string givenCell(const workspace::ProcessList& processes, const workspace::StatePoint& point) {
  if (point.derived)
    for (const workspace::Process& p : processes.processes())
      if (p.outlet == point.id) return givenText(p.request);
  return point.given;
}

}  // namespace document
