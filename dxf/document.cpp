#include "dxf/document.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "dxf/strings.h"

namespace dxf {
namespace {

// The lineweights the format knows, hundredths of a millimetre.
constexpr std::array<int, 24> lineweights{0,  5,  9,  13, 15, 18,  20,  25,  30,  35,  40,  50,
                                          53, 60, 70, 80, 90, 100, 106, 120, 140, 158, 200, 211};

// A known lineweight: the special values as they are, others to the nearest of the list.
int lineweight(int w) {
  if (w == lineweightByLayer || w == lineweightDefault || w == -2) return w;
  if (w < 0) return lineweightDefault;
  int best = 0;
  for (int known : lineweights)
    if (std::abs(known - w) < std::abs(best - w)) best = known;
  return best;
}

bool finite(Point p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// The file's text: group codes, each on its line right-aligned in three places as AutoCAD writes
// them, then the value on the next.
class Out {
 public:
  void str(int code, std::string_view value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%3d\n", code);
    text_ += buffer;
    text_ += value;
    text_ += '\n';
  }
  void real(int code, double value) { str(code, number(value)); }
  void integer(int code, long long value) { str(code, std::to_string(value)); }
  void handle(int code, unsigned value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", value);
    str(code, buffer);
  }
  void point(int code, Point p) {
    real(code, p.x);
    real(code + 10, p.y);
    real(code + 20, 0);
  }
  void variable(std::string_view name) { str(9, name); }

  std::string take() { return std::move(text_); }

 private:
  std::string text_;
};

}  // namespace

Document::Document() {
  linetypes_ = {{"ByBlock", "", {}}, {"ByLayer", "", {}}, {"Continuous", "Solid line", {}}};
  layers_ = {{"0", 7, "Continuous", lineweightDefault}};
}

void Document::setTextStyle(std::string name, std::string fontFile) {
  styleName_ = tableName(name);
  if (sameName(styleName_, "Standard")) styleName_ = "Standard";
  // A file name, not a path: one line of valid UTF-8.
  fontFile_ = validUtf8(fontFile);
  for (char& c : fontFile_)
    if (static_cast<unsigned char>(c) < 0x20) c = '_';
  if (fontFile_.empty()) fontFile_ = "txt";
}

void Document::addLinetype(Linetype linetype) {
  linetype.name = tableName(linetype.name);
  for (const Linetype& l : linetypes_)
    if (sameName(l.name, linetype.name)) return;
  linetype.description = validUtf8(linetype.description);
  for (char& c : linetype.description)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  std::erase_if(linetype.pattern, [](double d) { return !std::isfinite(d); });
  linetypes_.push_back(std::move(linetype));
}

void Document::addLayer(Layer layer) {
  layer.name = tableName(layer.name);
  for (const Layer& l : layers_)
    if (sameName(l.name, layer.name)) return;
  if (layer.colour < 1 || layer.colour > 255) layer.colour = 7;
  const std::string linetype = tableName(layer.linetype);
  layer.linetype = "Continuous";
  for (const Linetype& l : linetypes_)
    if (sameName(l.name, linetype) && !sameName(l.name, "ByLayer") && !sameName(l.name, "ByBlock"))
      layer.linetype = l.name;
  layer.lineweight = lineweight(layer.lineweight);
  if (layer.lineweight == lineweightByLayer || layer.lineweight == -2)
    layer.lineweight = lineweightDefault;
  layers_.push_back(std::move(layer));
}

void Document::setExtents(Point low, Point high) {
  if (!finite(low) || !finite(high)) return;
  low_ = {std::min(low.x, high.x), std::min(low.y, high.y)};
  high_ = {std::max(low.x, high.x), std::max(low.y, high.y)};
}

std::string Document::useLayer(std::string_view name) {
  std::string written = tableName(name);
  for (const Layer& l : layers_)
    if (sameName(l.name, written)) return l.name;
  addLayer({written, 7, "Continuous", lineweightDefault});
  return layers_.back().name;
}

void Document::add(std::string_view layer, const Pen& pen,
                   std::variant<Line, Polyline, Circle, Triangle, Text> shape) {
  Pen p = pen;
  if (p.colour < 0 || p.colour > 256) p.colour = byLayer;
  p.lineweight = lineweight(p.lineweight);
  const std::string linetype = p.linetype.empty() ? std::string() : tableName(p.linetype);
  p.linetype.clear();
  for (const Linetype& l : linetypes_)
    if (!linetype.empty() && sameName(l.name, linetype)) p.linetype = l.name;
  entities_.push_back({useLayer(layer), std::move(p), std::move(shape)});
}

void Document::line(std::string_view layer, Point a, Point b, const Pen& pen) {
  if (finite(a) && finite(b)) add(layer, pen, Line{a, b});
}

void Document::polyline(std::string_view layer, const std::vector<Point>& points, bool closed,
                        const Pen& pen, double width, const std::vector<double>& bulges) {
  if (points.empty() || !std::all_of(points.begin(), points.end(), finite)) return;
  Polyline p{points, {}, closed, std::isfinite(width) && width > 0 ? width : 0};
  if (!bulges.empty()) {
    p.bulges = bulges;
    p.bulges.resize(points.size(), 0);
    for (double& b : p.bulges)
      if (!std::isfinite(b)) b = 0;
  }
  add(layer, pen, std::move(p));
}

void Document::circle(std::string_view layer, Point centre, double radius, const Pen& pen) {
  if (finite(centre) && std::isfinite(radius) && radius > 0)
    add(layer, pen, Circle{centre, radius});
}

void Document::disc(std::string_view layer, Point centre, double diameter, const Pen& pen) {
  if (!finite(centre) || !std::isfinite(diameter) || !(diameter > 0)) return;
  // Two half circles of radius d/4, drawn d/2 wide: a disc of diameter d.
  const double r = diameter / 4;
  polyline(layer, {{centre.x - r, centre.y}, {centre.x + r, centre.y}}, true, pen, diameter / 2,
           {1, 1});
}

void Document::triangle(std::string_view layer, Point a, Point b, Point c, const Pen& pen) {
  if (finite(a) && finite(b) && finite(c)) add(layer, pen, Triangle{a, b, c});
}

void Document::text(std::string_view layer, const Text& text, const Pen& pen) {
  if (!finite(text.at) || !std::isfinite(text.height) || !(text.height > 0) ||
      !std::isfinite(text.angle))
    return;
  Text t = text;
  const int a = static_cast<int>(t.attachment);
  if (a < 1 || a > 9) t.attachment = Attachment::middleLeft;
  add(layer, pen, std::move(t));
}

namespace {

// The handles of the records every file has, given out in this order.
struct Handles {
  unsigned next = 1;
  unsigned take() { return next++; }

  unsigned vportTable, ltypeTable, layerTable, styleTable, viewTable, ucsTable, appidTable,
      dimstyleTable, blockRecordTable;
  unsigned vport, appid, dimstyle, modelRecord, paperRecord, modelBlock, modelEnd, paperBlock,
      paperEnd, root, groups, layouts, plotStyles, normalStyle, modelLayout, paperLayout;
};

void tableHead(Out& o, std::string_view name, unsigned handle, std::size_t count) {
  o.str(0, "TABLE");
  o.str(2, name);
  o.handle(5, handle);
  o.handle(330, 0);
  o.str(100, "AcDbSymbolTable");
  o.integer(70, static_cast<long long>(count));
}

void recordHead(Out& o, std::string_view type, unsigned handle, unsigned table,
                std::string_view subclass) {
  o.str(0, type);
  o.handle(type == "DIMSTYLE" ? 105 : 5, handle);
  o.handle(330, table);
  o.str(100, "AcDbSymbolTableRecord");
  o.str(100, subclass);
}

void layout(Out& o, unsigned handle, unsigned owner, unsigned record, std::string_view name,
            int tab, Point high) {
  o.str(0, "LAYOUT");
  o.handle(5, handle);
  o.handle(330, owner);
  o.str(100, "AcDbPlotSettings");
  o.str(1, "");
  o.str(2, "none_device");
  o.str(4, "");
  o.str(6, "");
  for (int code = 40; code <= 43; ++code) o.real(code, 0);
  o.real(44, high.x);
  o.real(45, high.y);
  for (int code : {46, 47, 48, 49, 140, 141}) o.real(code, 0);
  o.real(142, 1);
  o.real(143, 1);
  o.integer(70, tab == 0 ? 1024 : 0);
  o.integer(72, 1);  // millimetres
  o.integer(73, 0);
  o.integer(74, 5);
  o.str(7, "");
  o.integer(75, 16);  // 1:1
  o.integer(76, 0);
  o.integer(77, 2);
  o.integer(78, 300);
  o.real(147, 1);
  o.real(148, 0);
  o.real(149, 0);
  o.str(100, "AcDbLayout");
  o.str(1, name);
  o.integer(70, 1);
  o.integer(71, tab);
  o.point(10, {});
  o.point(11, high);
  o.point(12, {});
  o.point(14, {1e20, 1e20});
  o.point(15, {-1e20, -1e20});
  o.real(146, 0);
  o.point(13, {});
  o.point(16, {1, 0});
  o.point(17, {0, 1});
  o.integer(76, 1);
  o.handle(330, record);
}

void dictionary(Out& o, std::string_view type, unsigned handle, unsigned owner,
                const std::vector<std::pair<std::string_view, unsigned>>& entries) {
  o.str(0, type);
  o.handle(5, handle);
  o.handle(330, owner);
  o.str(100, "AcDbDictionary");
  o.integer(281, 1);
  for (const auto& [name, entry] : entries) {
    o.str(3, name);
    o.handle(350, entry);
  }
}

}  // namespace

std::string Document::write() const {
  Handles h;
  for (unsigned* table : {&h.vportTable,       &h.ltypeTable,  &h.layerTable,  &h.styleTable,
                          &h.viewTable,        &h.ucsTable,    &h.appidTable,  &h.dimstyleTable,
                          &h.blockRecordTable, &h.vport,       &h.appid,       &h.dimstyle,
                          &h.modelRecord,      &h.paperRecord, &h.modelBlock,  &h.modelEnd,
                          &h.paperBlock,       &h.paperEnd,    &h.root,        &h.groups,
                          &h.layouts,          &h.plotStyles,  &h.normalStyle, &h.modelLayout,
                          &h.paperLayout})
    *table = h.take();
  const unsigned firstLinetype = h.next;
  h.next += static_cast<unsigned>(linetypes_.size());
  const unsigned firstLayer = h.next;
  h.next += static_cast<unsigned>(layers_.size());
  const bool ownStyle = styleName_ != "Standard";
  const unsigned standardStyle = h.take();
  const unsigned textStyle = ownStyle ? h.take() : standardStyle;
  const unsigned firstEntity = h.next;
  h.next += static_cast<unsigned>(entities_.size());

  Out o;
  const Point size{high_.x - low_.x, high_.y - low_.y};
  o.str(0, "SECTION");
  o.str(2, "HEADER");
  o.variable("$ACADVER");
  o.str(1, "AC1021");
  // The code page AutoCAD would save the drawing in for an older version; the file is UTF-8.
  o.variable("$DWGCODEPAGE");
  o.str(3, "ANSI_936");
  o.variable("$INSBASE");
  o.point(10, {});
  o.variable("$EXTMIN");
  o.point(10, low_);
  o.variable("$EXTMAX");
  o.point(10, high_);
  o.variable("$LIMMIN");
  o.real(10, low_.x);
  o.real(20, low_.y);
  o.variable("$LIMMAX");
  o.real(10, high_.x);
  o.real(20, high_.y);
  o.variable("$LTSCALE");
  o.real(40, 1);
  o.variable("$TEXTSIZE");
  o.real(40, 2.5);
  o.variable("$TEXTSTYLE");
  o.str(7, styleName_);
  o.variable("$CLAYER");
  o.str(8, "0");
  o.variable("$CELTYPE");
  o.str(6, "ByLayer");
  o.variable("$LUNITS");
  o.integer(70, 2);
  o.variable("$LUPREC");
  o.integer(70, 2);
  o.variable("$HANDSEED");
  o.handle(5, h.next);
  o.variable("$PSLTSCALE");
  o.integer(70, 0);
  o.variable("$MEASUREMENT");
  o.integer(70, 1);
  o.variable("$LWDISPLAY");
  o.integer(290, 1);
  o.variable("$INSUNITS");
  o.integer(70, 4);  // millimetres
  o.str(0, "ENDSEC");

  o.str(0, "SECTION");
  o.str(2, "CLASSES");
  for (const auto& [name, cpp] :
       {std::pair{"ACDBDICTIONARYWDFLT", "AcDbDictionaryWithDefault"},
        std::pair{"ACDBPLACEHOLDER", "AcDbPlaceHolder"}, std::pair{"LAYOUT", "AcDbLayout"}}) {
    o.str(0, "CLASS");
    o.str(1, name);
    o.str(2, cpp);
    o.str(3, "ObjectDBX Classes");
    o.integer(90, 0);
    o.integer(91, 0);
    o.integer(280, 0);
    o.integer(281, 0);
  }
  o.str(0, "ENDSEC");

  o.str(0, "SECTION");
  o.str(2, "TABLES");
  tableHead(o, "VPORT", h.vportTable, 1);
  recordHead(o, "VPORT", h.vport, h.vportTable, "AcDbViewportTableRecord");
  o.str(2, "*Active");
  o.integer(70, 0);
  o.real(10, 0);
  o.real(20, 0);
  o.real(11, 1);
  o.real(21, 1);
  o.real(12, low_.x + size.x / 2);
  o.real(22, low_.y + size.y / 2);
  o.real(13, 0);
  o.real(23, 0);
  o.real(14, 10);
  o.real(24, 10);
  o.real(15, 10);
  o.real(25, 10);
  o.point(16, {0, 0});
  o.real(36, 1);  // the view direction's z
  o.point(17, {});
  o.real(40, std::max(1.0, size.y * 1.05));
  o.real(41, size.y > 0 ? std::clamp(size.x / size.y, 0.1, 10.0) : 1);
  o.real(42, 50);
  o.real(43, 0);
  o.real(44, 0);
  o.real(50, 0);
  o.real(51, 0);
  for (const auto& [code, value] : {std::pair{71, 0},
                                    {72, 1000},
                                    {73, 1},
                                    {74, 3},
                                    {75, 0},
                                    {76, 0},
                                    {77, 0},
                                    {78, 0},
                                    {281, 0},
                                    {65, 1}})
    o.integer(code, value);
  o.real(146, 0);
  o.str(0, "ENDTAB");

  tableHead(o, "LTYPE", h.ltypeTable, linetypes_.size());
  for (std::size_t i = 0; i < linetypes_.size(); ++i) {
    const Linetype& l = linetypes_[i];
    recordHead(o, "LTYPE", firstLinetype + static_cast<unsigned>(i), h.ltypeTable,
               "AcDbLinetypeTableRecord");
    o.str(2, l.name);
    o.integer(70, 0);
    o.str(3, l.description);
    o.integer(72, 65);
    o.integer(73, static_cast<long long>(l.pattern.size()));
    double total = 0;
    for (double d : l.pattern) total += std::abs(d);
    o.real(40, total);
    for (double d : l.pattern) {
      o.real(49, d);
      o.integer(74, 0);
    }
  }
  o.str(0, "ENDTAB");

  tableHead(o, "LAYER", h.layerTable, layers_.size());
  for (std::size_t i = 0; i < layers_.size(); ++i) {
    const Layer& l = layers_[i];
    recordHead(o, "LAYER", firstLayer + static_cast<unsigned>(i), h.layerTable,
               "AcDbLayerTableRecord");
    o.str(2, l.name);
    o.integer(70, 0);
    o.integer(62, l.colour);
    o.str(6, l.linetype);
    o.integer(370, l.lineweight);
    o.handle(390, h.normalStyle);
  }
  o.str(0, "ENDTAB");

  tableHead(o, "STYLE", h.styleTable, ownStyle ? 2 : 1);
  const auto style = [&](unsigned handle, std::string_view name, std::string_view font) {
    recordHead(o, "STYLE", handle, h.styleTable, "AcDbTextStyleTableRecord");
    o.str(2, name);
    o.integer(70, 0);
    o.real(40, 0);
    o.real(41, 1);
    o.real(50, 0);
    o.integer(71, 0);
    o.real(42, 2.5);
    o.str(3, font);
    o.str(4, "");
  };
  style(standardStyle, "Standard", "txt");
  if (ownStyle) style(textStyle, styleName_, fontFile_);
  o.str(0, "ENDTAB");

  tableHead(o, "VIEW", h.viewTable, 0);
  o.str(0, "ENDTAB");
  tableHead(o, "UCS", h.ucsTable, 0);
  o.str(0, "ENDTAB");

  tableHead(o, "APPID", h.appidTable, 1);
  recordHead(o, "APPID", h.appid, h.appidTable, "AcDbRegAppTableRecord");
  o.str(2, "ACAD");
  o.integer(70, 0);
  o.str(0, "ENDTAB");

  tableHead(o, "DIMSTYLE", h.dimstyleTable, 1);
  o.str(100, "AcDbDimStyleTable");
  recordHead(o, "DIMSTYLE", h.dimstyle, h.dimstyleTable, "AcDbDimStyleTableRecord");
  o.str(2, "Standard");
  o.integer(70, 0);
  o.str(0, "ENDTAB");

  // Model space and the one paper space: their block records, blocks and layouts.
  struct Space {
    unsigned record, begin, end, layout;
    std::string_view name;
    bool paper;
  };
  const Space spaces[] = {
      {h.modelRecord, h.modelBlock, h.modelEnd, h.modelLayout, "*Model_Space", false},
      {h.paperRecord, h.paperBlock, h.paperEnd, h.paperLayout, "*Paper_Space", true}};
  tableHead(o, "BLOCK_RECORD", h.blockRecordTable, 2);
  for (const Space& s : spaces) {
    recordHead(o, "BLOCK_RECORD", s.record, h.blockRecordTable, "AcDbBlockTableRecord");
    o.str(2, s.name);
    o.handle(340, s.layout);
    o.integer(70, 0);
    o.integer(280, 1);
    o.integer(281, 0);
  }
  o.str(0, "ENDTAB");
  o.str(0, "ENDSEC");

  o.str(0, "SECTION");
  o.str(2, "BLOCKS");
  for (const Space& s : spaces) {
    o.str(0, "BLOCK");
    o.handle(5, s.begin);
    o.handle(330, s.record);
    o.str(100, "AcDbEntity");
    if (s.paper) o.integer(67, 1);
    o.str(8, "0");
    o.str(100, "AcDbBlockBegin");
    o.str(2, s.name);
    o.integer(70, 0);
    o.point(10, {});
    o.str(3, s.name);
    o.str(1, "");
    o.str(0, "ENDBLK");
    o.handle(5, s.end);
    o.handle(330, s.record);
    o.str(100, "AcDbEntity");
    if (s.paper) o.integer(67, 1);
    o.str(8, "0");
    o.str(100, "AcDbBlockEnd");
  }
  o.str(0, "ENDSEC");

  o.str(0, "SECTION");
  o.str(2, "ENTITIES");
  for (std::size_t i = 0; i < entities_.size(); ++i) {
    const Entity& e = entities_[i];
    const auto head = [&](std::string_view type) {
      o.str(0, type);
      o.handle(5, firstEntity + static_cast<unsigned>(i));
      o.handle(330, h.modelRecord);
      o.str(100, "AcDbEntity");
      o.str(8, e.layer);
      if (!e.pen.linetype.empty()) o.str(6, e.pen.linetype);
      if (e.pen.colour != byLayer) o.integer(62, e.pen.colour);
      if (e.pen.lineweight != lineweightByLayer) o.integer(370, e.pen.lineweight);
    };
    if (const Line* l = std::get_if<Line>(&e.shape)) {
      head("LINE");
      o.str(100, "AcDbLine");
      o.point(10, l->a);
      o.point(11, l->b);
    } else if (const Polyline* p = std::get_if<Polyline>(&e.shape)) {
      head("LWPOLYLINE");
      o.str(100, "AcDbPolyline");
      o.integer(90, static_cast<long long>(p->points.size()));
      o.integer(70, p->closed ? 1 : 0);
      o.real(43, p->width);
      for (std::size_t k = 0; k < p->points.size(); ++k) {
        o.real(10, p->points[k].x);
        o.real(20, p->points[k].y);
        if (!p->bulges.empty() && p->bulges[k] != 0) o.real(42, p->bulges[k]);
      }
    } else if (const Circle* c = std::get_if<Circle>(&e.shape)) {
      head("CIRCLE");
      o.str(100, "AcDbCircle");
      o.point(10, c->centre);
      o.real(40, c->radius);
    } else if (const Triangle* t = std::get_if<Triangle>(&e.shape)) {
      // A SOLID's corners go first, second, fourth, third: the third twice makes a triangle.
      head("SOLID");
      o.str(100, "AcDbTrace");
      o.point(10, t->a);
      o.point(11, t->b);
      o.point(12, t->c);
      o.point(13, t->c);
    } else if (const Text* x = std::get_if<Text>(&e.shape)) {
      head("MTEXT");
      o.str(100, "AcDbMText");
      o.point(10, x->at);
      o.real(40, x->height);
      o.real(41, 0);  // no wrapping
      o.integer(71, static_cast<int>(x->attachment));
      o.integer(72, 1);  // left to right
      const std::string content = textContent(x->text);
      const std::vector<std::string_view> chunks = textChunks(content);
      for (std::size_t k = 0; k + 1 < chunks.size(); ++k) o.str(3, chunks[k]);
      o.str(1, chunks.back());
      o.str(7, styleName_);
      const double radians = x->angle * std::acos(-1.0) / 180;
      o.point(11, {std::cos(radians), std::sin(radians)});
      o.integer(73, 1);
      o.real(44, 1);
      if (x->masked) {
        o.integer(90, 3);  // the background's colour
        o.integer(63, 256);
        o.real(45, 1.2);
      }
    }
  }
  o.str(0, "ENDSEC");

  o.str(0, "SECTION");
  o.str(2, "OBJECTS");
  dictionary(
      o, "DICTIONARY", h.root, 0,
      {{"ACAD_GROUP", h.groups}, {"ACAD_LAYOUT", h.layouts}, {"ACAD_PLOTSTYLENAME", h.plotStyles}});
  dictionary(o, "DICTIONARY", h.groups, h.root, {});
  dictionary(o, "DICTIONARY", h.layouts, h.root,
             {{"Layout1", h.paperLayout}, {"Model", h.modelLayout}});
  dictionary(o, "ACDBDICTIONARYWDFLT", h.plotStyles, h.root, {{"Normal", h.normalStyle}});
  o.str(100, "AcDbDictionaryWithDefault");
  o.handle(340, h.normalStyle);
  o.str(0, "ACDBPLACEHOLDER");
  o.handle(5, h.normalStyle);
  o.handle(330, h.plotStyles);
  layout(o, h.modelLayout, h.layouts, h.modelRecord, "Model", 0, high_);
  layout(o, h.paperLayout, h.layouts, h.paperRecord, "Layout1", 1, high_);
  o.str(0, "ENDSEC");
  o.str(0, "EOF");
  return o.take();
}

}  // namespace dxf
