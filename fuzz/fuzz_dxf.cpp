// The DXF writer on arbitrary drawings, and the drawing of a design on arbitrary page set-ups and
// title blocks. Every file written must be well formed, else the harness aborts: group codes and
// values paired, each value a line of valid UTF-8, sections and tables closed, every handle
// unique and below $HANDSEED, every owner a handle of the file, every entity on a layer of the
// table (testsupport::readDxf).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <variant>
#include <vector>

#include "drawing/chart_dxf.h"
#include "dxf/document.h"
#include "support/dxf_structure.h"
#include "workspace/file.h"

namespace {

void check(const std::string& file) {
  const testsupport::DxfReading r = testsupport::readDxf(file);
  if (r.problem.empty()) return;
  std::fprintf(stderr, "property violated: %s\n%s\n", r.problem.c_str(), file.c_str());
  std::abort();
}

// Any double, NaN and the infinities among them.
double anyDouble(FuzzedDataProvider& in) {
  if (in.ConsumeBool()) return in.ConsumeFloatingPointInRange<double>(-1000, 1000);
  const std::uint64_t bits = in.ConsumeIntegral<std::uint64_t>();
  double d = 0;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

std::string anyText(FuzzedDataProvider& in) {
  return in.ConsumeRandomLengthString(300);
}

dxf::Point anyPoint(FuzzedDataProvider& in) {
  return {anyDouble(in), anyDouble(in)};
}

dxf::Pen anyPen(FuzzedDataProvider& in) {
  return {in.ConsumeIntegral<int>(), in.ConsumeIntegralInRange<int>(-5, 300), anyText(in)};
}

void drawAnything(FuzzedDataProvider& in) {
  dxf::Document d;
  for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
    const std::string layer = anyText(in);
    switch (in.ConsumeIntegralInRange(0, 9)) {
      case 0:
        d.setTextStyle(anyText(in), anyText(in));
        break;
      case 1: {
        dxf::Linetype l{anyText(in), anyText(in), {}};
        for (int i = in.ConsumeIntegralInRange(0, 8); i > 0; --i)
          l.pattern.push_back(anyDouble(in));
        d.addLinetype(l);
        break;
      }
      case 2:
        d.addLayer({layer, in.ConsumeIntegral<int>(), anyText(in), in.ConsumeIntegral<int>()});
        break;
      case 3:
        d.line(layer, anyPoint(in), anyPoint(in), anyPen(in));
        break;
      case 4: {
        std::vector<dxf::Point> points;
        std::vector<double> bulges;
        for (int i = in.ConsumeIntegralInRange(0, 40); i > 0; --i) points.push_back(anyPoint(in));
        for (int i = in.ConsumeIntegralInRange(0, 40); i > 0; --i) bulges.push_back(anyDouble(in));
        d.polyline(layer, points, in.ConsumeBool(), anyPen(in), anyDouble(in), bulges);
        break;
      }
      case 5:
        d.circle(layer, anyPoint(in), anyDouble(in), anyPen(in));
        break;
      case 6:
        d.disc(layer, anyPoint(in), anyDouble(in), anyPen(in));
        break;
      case 7:
        d.triangle(layer, anyPoint(in), anyPoint(in), anyPoint(in), anyPen(in));
        break;
      case 8: {
        dxf::Text t{anyPoint(in),
                    anyDouble(in),
                    in.ConsumeRandomLengthString(2000),
                    static_cast<dxf::Attachment>(in.ConsumeIntegralInRange(-2, 12)),
                    anyDouble(in),
                    in.ConsumeBool()};
        d.text(layer, t, anyPen(in));
        break;
      }
      default:
        d.setExtents(anyPoint(in), anyPoint(in));
    }
  }
  check(d.write());
}

// A small design with a process, an ε line and a zone, opened once.
const workspace::Workspace& design() {
  static const workspace::Workspace w = std::get<workspace::Workspace>(workspace::readWorkspace(
      R"({"format": "torvale-workspace", "version": 1, "pressure": 101325,
      "points": [{"name": "W", "pair": "t+rh", "values": ["35", "60"]},
                 {"name": "N", "pair": "t+rh", "values": ["26", "55"]}],
      "processes": [{"kind": "mix", "from": "N", "other": "W", "values": ["0.8", "0.2"],
                     "outlet": "C", "at": 2},
                    {"kind": "supply", "from": "N", "values": ["8000", "8"], "outlet": "O",
                     "at": 3}],
      "zones": {"on": ["供冷工况 I级"], "user": []}})"));
  return w;
}

void drawDesign(FuzzedDataProvider& in) {
  workspace::PageSetup page;
  page.paper = static_cast<workspace::Paper>(in.ConsumeIntegralInRange(0, 3));
  page.orientation =
      in.ConsumeBool() ? workspace::Orientation::landscape : workspace::Orientation::portrait;
  page.content = static_cast<workspace::PageContent>(in.ConsumeIntegralInRange(0, 2));
  if (in.ConsumeBool())
    page.margins = workspace::Margins{anyDouble(in), anyDouble(in), anyDouble(in), anyDouble(in)};
  workspace::TitleBlock t;
  for (std::string* field : {&t.project, &t.subproject, &t.drawingName, &t.drawingNumber,
                             &t.designer, &t.checker, &t.reviewer, &t.date, &t.firm})
    *field = anyText(in);
  const drawing::TitleDefaults defaults{anyText(in), anyText(in)};
  check(drawing::chartDxf(design(), page, t, defaults));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  // Mostly the writer itself, which is fast; now and then the whole drawing of a design.
  if (in.ConsumeIntegralInRange(0, 15) == 0)
    drawDesign(in);
  else
    drawAnything(in);
  return 0;
}
