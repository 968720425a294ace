#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A drawing for CAD programs as a DXF file of version R2007 (AC1021), the first whose text is
// UTF-8 throughout: Chinese layer names and texts read in every CAD program of that age or later,
// whatever the system's code page, and no name is escaped. The drawing holds named layers with
// colours, linetypes, one text style (with a Chinese-capable font) and the entities below in model
// space, in millimetres; writing gives every record the handle and owner the version requires.
// Whatever strings and numbers it is given, the file is well formed: texts become valid UTF-8
// without control characters, names lose the characters CAD refuses in them, and an entity with a
// coordinate that is not finite is left out.
namespace dxf {

struct Point {
  double x = 0, y = 0;
};

// Colours are AutoCAD Colour Index numbers 1…255; byLayer takes the layer's.
inline constexpr int byLayer = 256;
// Lineweights are in hundredths of a millimetre (25 = 0.25 mm); these take the layer's or the
// program's default.
inline constexpr int lineweightByLayer = -1, lineweightDefault = -3;

// A dashed linetype: dashes (> 0) and gaps (< 0), millimetres, 0 for a dot.
struct Linetype {
  std::string name;
  std::string description;
  std::vector<double> pattern;
};

struct Layer {
  std::string name;
  int colour = 7;
  std::string linetype = "Continuous";
  int lineweight = lineweightDefault;
};

// How an entity is drawn where its layer is not followed.
struct Pen {
  int colour = byLayer;
  int lineweight = lineweightByLayer;
  std::string linetype;  // empty: the layer's
};

// Which point of a text block its position is: rows top, middle, bottom; columns left, centre,
// right.
enum class Attachment {
  topLeft = 1,
  topCentre,
  topRight,
  middleLeft,
  middleCentre,
  middleRight,
  bottomLeft,
  bottomCentre,
  bottomRight,
};

// A block of text (MTEXT) in the drawing's text style: its lines separated by '\n', written as
// they are (no formatting codes are read from them).
struct Text {
  Point at;
  double height = 2.5;  // of a capital letter, mm
  std::string text;
  Attachment attachment = Attachment::middleLeft;
  double angle = 0;     // degrees anticlockwise from the x axis
  bool masked = false;  // drawn on a patch of the background colour, over what lies beneath
};

class Document {
 public:
  // A drawing with layer 0, the linetypes Continuous, ByLayer and ByBlock, the text style
  // Standard and the drawing's text style.
  Document();

  // The one text style every text uses: its name and its font file (a TrueType file name such
  // as "simfang.ttf"); "Standard" with "txt" until set. The style's name follows the rules of
  // layer names.
  void setTextStyle(std::string name, std::string fontFile);

  // Adds a linetype or a layer; one whose name is taken (names compare without case) is ignored.
  // A layer's unknown linetype reads as Continuous; a colour outside 1…255 as 7.
  void addLinetype(Linetype linetype);
  void addLayer(Layer layer);

  // The drawing's extents, which the file's header gives so that a program opens it zoomed to
  // them: the sheet's corners for a drawing of a sheet of paper.
  void setExtents(Point low, Point high);

  // Entities in model space, drawn in the order given, on the named layer (made with colour 7 if
  // there is none).
  void line(std::string_view layer, Point a, Point b, const Pen& pen = {});
  // Open or closed; each vertex may carry the bulge of the arc to the next (tan of a quarter of
  // its angle, positive anticlockwise). width: the line's constant width, mm.
  void polyline(std::string_view layer, const std::vector<Point>& points, bool closed,
                const Pen& pen = {}, double width = 0, const std::vector<double>& bulges = {});
  void circle(std::string_view layer, Point centre, double radius, const Pen& pen = {});
  // A filled disc of this diameter (a closed polyline of two half circles as wide as its radius).
  void disc(std::string_view layer, Point centre, double diameter, const Pen& pen = {});
  // A filled triangle.
  void triangle(std::string_view layer, Point a, Point b, Point c, const Pen& pen = {});
  void text(std::string_view layer, const Text& text, const Pen& pen = {});

  // The whole file.
  std::string write() const;

  // What the drawing holds, for its tests.
  std::size_t entityCount() const { return entities_.size(); }

 private:
  struct Line {
    Point a, b;
  };
  struct Polyline {
    std::vector<Point> points;
    std::vector<double> bulges;
    bool closed = false;
    double width = 0;
  };
  struct Circle {
    Point centre;
    double radius = 0;
  };
  struct Triangle {
    Point a, b, c;
  };
  struct Entity {
    std::string layer;
    Pen pen;
    std::variant<Line, Polyline, Circle, Triangle, Text> shape;
  };

  // The layer's name as written, made if there is none.
  std::string useLayer(std::string_view name);
  void add(std::string_view layer, const Pen& pen,
           std::variant<Line, Polyline, Circle, Triangle, Text> shape);

  std::vector<Linetype> linetypes_;
  std::vector<Layer> layers_;
  std::string styleName_ = "Standard", fontFile_ = "txt";
  Point low_, high_{420, 297};
  std::vector<Entity> entities_;
};

}  // namespace dxf
