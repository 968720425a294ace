#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

class QPainter;

namespace document {
class FileSystem;
}

// Writing the h-d chart to a file, as PNG or SVG, and any bytes safely.
namespace ui {

enum class ChartFormat { Png, Svg };

// The format a file name asks for by its suffix (any case); empty for any other suffix.
std::optional<ChartFormat> chartFormatOf(const QString& path);

// The suffix a save-dialog filter offers: "svg" for "SVG 图像 (*.svg)"; "png" if it names none.
QString filterSuffix(const QString& filter);

// The path the user chose in the save dialog, with the suffix of the selected filter
// ("… (*.svg)") appended unless it already ends in .png or .svg.
QString withChartSuffix(const QString& path, const QString& selectedFilter);

// Paints with draw onto a canvas of logical size `size` and writes it to path in the format its
// suffix names: PNG at pixelRatio device pixels per logical pixel, SVG at `dpi`, through files
// (writeFile). On failure returns false, leaves any earlier file as it was and, if error is
// given, says why.
bool writeChart(document::FileSystem& files, const QString& path, QSizeF size, double pixelRatio,
                double dpi, const std::function<void(QPainter&, QSizeF)>& draw,
                QString* error = nullptr);

// Writes bytes to path whole or not at all (document::writeFile: written beside it, flushed and
// checked, then renamed over it); on failure leaves any earlier file as it was and, if error is
// given, says why.
bool writeFile(document::FileSystem& files, const QString& path, const QByteArray& bytes,
               QString* error = nullptr);

}  // namespace ui
