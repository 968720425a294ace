#include "ui/design_output.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPdfWriter>

#include "calc/arithmetic_names.h"
#include "calc/messages.h"
#include "calc/pressure_setting.h"
#include "ui/captions.h"
#include "ui/chart_export.h"
#include "ui/chart_print.h"
#include "ui/chart_widget.h"
#include "ui/notice.h"
#include "ui/utf8.h"
#include "workspace/sheet.h"

namespace ui {

QString designTitle(const document::Document& design) {
  if (design.path().empty()) return QString::fromUtf8(captions::printTitle);
  return QFileInfo(fromUtf8(design.path())).completeBaseName();
}

bool printDesign(QPagedPaintDevice& device, const document::Document& design,
                 const ChartWidget& chart, int* pages) {
  // A saved design is titled by its file's name and names the file; the block also states the
  // date, the pressure and the arithmetic the figures were computed with.
  const workspace::Workspace& w = design.design();
  const QFileInfo file(fromUtf8(design.path()));
  const std::string source =
      design.path().empty()
          ? std::string(captions::printUnsaved)
          : captions::printFile + QDir::toNativeSeparators(file.absoluteFilePath()).toStdString();
  const PrintedHeading heading{designTitle(design).toStdString(),
                               source + "　" + captions::printDate +
                                   QDate::currentDate().toString(Qt::ISODate).toStdString() + "　" +
                                   calc::pressureCaption(w.pressure()) + "　" +
                                   std::string(calc::arithmeticCaption) + "：" +
                                   std::string(calc::arithmeticName(w.arithmetic()))};
  return printSheets(device, chart.font(), heading, chart.scene(),
                     {workspace::sheetRows(w, design.zoneHours())}, pages);
}

bool exportPdf(const QString& path, const document::Document& design, const ChartWidget& chart,
               QString* error) {
  // Made in memory, then written whole: a failed write leaves any earlier file as it was.
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setResolution(300);
    writer.setTitle(designTitle(design));
    writer.setCreator(QStringLiteral("Torvale"));
    if (!printDesign(writer, design, chart)) {
      if (error) *error = QString::fromUtf8(captions::encodingFailed);
      return false;
    }
  }
  return writeFile(design.files(), path, bytes, error);
}

bool exportCsv(const QString& path, const document::Document& design, QString* error) {
  const std::string text = workspace::commaSeparated(design.design(), design.zoneHours());
  return writeFile(design.files(), path,
                   QByteArray(text.data(), static_cast<qsizetype>(text.size())), error);
}

void exportAs(QWidget* owner, const char* title, QString& lastPath,
              QStandardPaths::StandardLocation startFolder, const char* defaultName,
              const char* filter, const char* failed, const ExportWrite& write) {
  if (lastPath.isEmpty())
    lastPath = QStandardPaths::writableLocation(startFolder) + '/' + QString::fromUtf8(defaultName);
  QFileDialog dialog(owner, QString::fromUtf8(title), lastPath, QString::fromUtf8(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The dialog adds the suffix of the chosen type to a bare name before it asks about replacing.
  dialog.setDefaultSuffix(filterSuffix(dialog.selectedNameFilter()));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& f) { dialog.setDefaultSuffix(filterSuffix(f)); });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().front();
  lastPath = path;
  QString why;
  if (write(path, dialog.selectedNameFilter(), &why) || why.isEmpty()) return;
  showNotice(owner, fromUtf8(calc::messages::title), QString::fromUtf8(failed) + path + '\n' + why);
}

}  // namespace ui
