#include "ui/design_output.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <algorithm>

#include "calc/arithmetic_names.h"
#include "calc/messages.h"
#include "calc/pressure_setting.h"
#include "document/design_table.h"
#include "ui/captions.h"
#include "ui/chart_export.h"
#include "ui/chart_print.h"
#include "ui/chart_widget.h"
#include "ui/framed_print.h"
#include "ui/notice.h"
#include "ui/utf8.h"

namespace ui {

QString designTitle(const document::Document& design) {
  if (const std::string& name = design.design().titleBlock().drawingName; !name.empty())
    return fromUtf8(name);
  if (design.path().empty()) return QString::fromUtf8(captions::printTitle);
  return QFileInfo(fromUtf8(design.path())).completeBaseName();
}

namespace {

// The paper the device has, mm, with its margins; a device without any (a PDF) those of A4's
// standard frame.
drawing::PrinterPaper devicePaper(const QPagedPaintDevice& device) {
  const QPageLayout layout = device.pageLayout();
  const QRectF full = layout.fullRect(QPageLayout::Millimeter);
  const QMarginsF m = layout.margins(QPageLayout::Millimeter);
  workspace::Margins margins{m.left(), m.top(), m.right(), m.bottom()};
  if (std::max({m.left(), m.top(), m.right(), m.bottom()}) < 1)
    margins = workspace::standardMargins(workspace::Paper::a4);
  return {{full.width(), full.height()}, margins};
}

}  // namespace

bool printDesign(QPagedPaintDevice& device, const document::Document& design,
                 const ChartWidget& chart, int* pages, QRectF* chartAt) {
  const workspace::Workspace& w = design.design();
  const PrintedTable table{document::designTable(w, design.zoneHours())};
  if (chartAt) *chartAt = QRectF();
  // A page set-up or a title block of the design's own: framed sheets with the title block.
  if (w.page() != workspace::PageSetup{} || !w.titleBlock().empty())
    return printFramed(
        device, chart.font(),
        {w.page(), w.titleBlock(), drawing::titleDefaults(design.path()), devicePaper(device)},
        chart.scene(), table, pages, chartAt);
  // A saved design is titled by its file's name and names the file; the block also states the
  // date, the pressure and the arithmetic the figures were computed with.
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
  return printPages(device, chart.font(), heading, chart.scene(), table, pages);
}

void applyPaper(QPagedPaintDevice& device, const workspace::PageSetup& page) {
  const std::optional<workspace::PaperSize> size =
      workspace::paperSize(page.paper, page.orientation);
  if (!size) return;
  // The sheet as its size in millimetres (portrait), turned by the orientation.
  const QPageSize::PageSizeId id = page.paper == workspace::Paper::a2   ? QPageSize::A2
                                   : page.paper == workspace::Paper::a3 ? QPageSize::A3
                                                                        : QPageSize::A4;
  device.setPageSize(QPageSize(id));
  device.setPageOrientation(page.orientation == workspace::Orientation::landscape
                                ? QPageLayout::Landscape
                                : QPageLayout::Portrait);
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
    applyPaper(writer, design.design().page());
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
  const std::string text = document::commaSeparated(design.design(), design.zoneHours());
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

namespace {

bool confirmReplace(QWidget* owner, const QString& title, const QString& path) {
  QMessageBox box(QMessageBox::Question, title,
                  QString::fromUtf8(captions::replaceQuestion).arg(path), QMessageBox::NoButton,
                  owner);
  box.setTextFormat(Qt::PlainText);
  QPushButton* replace =
      box.addButton(QString::fromUtf8(captions::replaceButton), QMessageBox::AcceptRole);
  QPushButton* keep =
      box.addButton(QString::fromUtf8(captions::cancelButton), QMessageBox::RejectRole);
  box.setDefaultButton(keep);
  box.setEscapeButton(keep);
  box.exec();
  return box.clickedButton() == replace;
}

}  // namespace

DesignOutput::DesignOutput(QWidget* owner, const document::Document& design,
                           const ChartWidget& chart)
    : QObject(owner), owner_(owner), design_(design), chart_(chart) {
  const auto item = [this](const char* name, const char* caption, const QKeySequence& keys,
                           auto slot) {
    auto* a = new QAction(QString::fromUtf8(caption), owner_);
    a->setObjectName(QString::fromUtf8(name));
    a->setShortcut(keys);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  image_ = item("SaveChart", captions::saveItem, {}, [this] { exportImage(); });
  csv_ = item("ExportCsv", captions::exportCsvItem, {}, [this] {
    exportAs(owner_, captions::csvDialogTitle, lastCsv_, QStandardPaths::DocumentsLocation,
             captions::csvDefaultName, captions::csvFilter, captions::csvFailed,
             [this](const QString& path, const QString&, QString* why) {
               return exportCsv(path, design_, why);
             });
  });
  pdf_ = item("ExportPdf", captions::exportPdfItem, {}, [this] {
    exportAs(owner_, captions::pdfDialogTitle, lastPdf_, QStandardPaths::DocumentsLocation,
             captions::pdfDefaultName, captions::pdfFilter, captions::pdfFailed,
             [this](const QString& path, const QString&, QString* why) {
               return exportPdf(path, design_, chart_, why);
             });
  });
  print_ = item("PrintChart", captions::printItem, QKeySequence::Print, [this] { print(); });
  copyImage_ = item("CopyChart", captions::copyItem, QKeySequence::Copy, [this] {
    QGuiApplication::clipboard()->setImage(chart_.image(chart_.devicePixelRatioF()));
  });
  copyTable_ = item("CopyTable", captions::copyTableItem,
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] {
                      QGuiApplication::clipboard()->setText(
                          fromUtf8(document::tabSeparated(design_.design(), design_.zoneHours())));
                    });
}

DesignOutput::~DesignOutput() = default;

void DesignOutput::exportImage() {
  exportAs(owner_, captions::saveDialogTitle, lastImage_, QStandardPaths::PicturesLocation,
           captions::saveDefaultName, captions::saveFilter, captions::saveFailed,
           [this](const QString& chosen, const QString& filter, QString* why) {
             const QString path = withChartSuffix(chosen, filter);
             // A suffix added here ("图.v2" → "图.v2.png") was not seen by the dialog's question.
             if (path != chosen && QFileInfo::exists(path) &&
                 !confirmReplace(owner_, QString::fromUtf8(captions::saveDialogTitle), path))
               return false;
             lastImage_ = path;
             return chart_.saveTo(design_.files(), path, why);
           });
}

void DesignOutput::print() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setPageOrientation(QPageLayout::Landscape);
  }
  applyPaper(*printer_, design_.design().page());
  printer_->setDocName(designTitle(design_));
  QPrintDialog dialog(printer_.get(), owner_);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!printDesign(*printer_, design_, chart_))
    showNotice(owner_, fromUtf8(calc::messages::title), QString::fromUtf8(captions::printFailed));
}

}  // namespace ui
