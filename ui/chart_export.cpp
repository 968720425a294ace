#include "ui/chart_export.h"

#include <QBuffer>
#include <QByteArray>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <cmath>

#include "document/files.h"
#include "ui/captions.h"
#include "ui/step_names.h"

namespace ui {
namespace {

bool fail(QString* error, const QString& why) {
  if (error) *error = why;
  return false;
}

bool paintPng(QByteArray& bytes, QSizeF size, double pixelRatio,
              const std::function<void(QPainter&, QSizeF)>& draw, QString* error) {
  const QSize pixels(static_cast<int>(std::ceil(size.width() * pixelRatio)),
                     static_cast<int>(std::ceil(size.height() * pixelRatio)));
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return fail(error, QString::fromUtf8(captions::imageTooLarge));
  image.setDevicePixelRatio(pixelRatio);
  {
    QPainter painter(&image);
    draw(painter, size);
  }
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  return image.save(&buffer, "PNG") || fail(error, QString::fromUtf8(captions::encodingFailed));
}

bool paintSvg(QByteArray& bytes, QSizeF size, double dpi,
              const std::function<void(QPainter&, QSizeF)>& draw, QString* error) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(static_cast<int>(std::lround(dpi)));
  svg.setSize(size.toSize());
  svg.setViewBox(QRectF(QPointF(0, 0), size));
  svg.setTitle(QString::fromUtf8(captions::chartTitle));
  QPainter painter;
  if (!painter.begin(&svg)) return fail(error, QString::fromUtf8(captions::encodingFailed));
  draw(painter, size);
  return painter.end() || fail(error, QString::fromUtf8(captions::encodingFailed));
}

}  // namespace

std::optional<ChartFormat> chartFormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("png")) return ChartFormat::Png;
  if (suffix == QLatin1String("svg")) return ChartFormat::Svg;
  return std::nullopt;
}

QString filterSuffix(const QString& filter) {
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
  return m.hasMatch() ? m.captured(1).toLower() : QStringLiteral("png");
}

QString withChartSuffix(const QString& path, const QString& selectedFilter) {
  if (path.isEmpty() || chartFormatOf(path)) return path;
  return path + '.' + filterSuffix(selectedFilter);
}

bool writeChart(document::FileSystem& files, const QString& path, QSizeF size, double pixelRatio,
                double dpi, const std::function<void(QPainter&, QSizeF)>& draw, QString* error) {
  const std::optional<ChartFormat> format = chartFormatOf(path);
  if (!format) return fail(error, QString::fromUtf8(captions::unknownImageSuffix));
  if (!(size.width() >= 1 && size.height() >= 1))
    return fail(error, QString::fromUtf8(captions::emptyChart));

  QByteArray bytes;
  const bool painted = *format == ChartFormat::Png ? paintPng(bytes, size, pixelRatio, draw, error)
                                                   : paintSvg(bytes, size, dpi, draw, error);
  if (!painted) return false;
  return writeFile(files, path, bytes, error);
}

bool writeFile(document::FileSystem& files, const QString& path, const QByteArray& bytes,
               QString* error) {
  const document::Refused why = document::writeFile(
      files, path.toStdString(),
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  return !why || fail(error, refusalText(*why));
}

}  // namespace ui
