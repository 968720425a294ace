#pragma once

#include <QObject>
#include <QRectF>
#include <QStandardPaths>
#include <QString>
#include <functional>
#include <memory>

#include "document/document.h"

class QAction;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

// What leaves the chart window on paper or in files: the pages printed or written as PDF, the
// tables as CSV, each drawn from the design and the chart as shown.
namespace ui {

class ChartWidget;

// The title of the printed pages, the PDF's Title and the print job: the title block's 图名, else
// the name of the design's file without its suffix, or 焓湿图 for a design never saved.
QString designTitle(const document::Document& design);

// Prints the chart and the tables to a printer or PDF writer: with the design's page set-up
// untouched and its title block empty, under a heading (printPages); otherwise on framed sheets
// with the title block (printFramed), an empty 图名 the file's name and an empty 日期 today's
// (drawing::titleDefaults, as the DXF drawing). pages, when given, receives the number of pages;
// chartAt where a framed sheet's chart went, mm from the paper's corner.
bool printDesign(QPagedPaintDevice& device, const document::Document& design,
                 const ChartWidget& chart, int* pages = nullptr, QRectF* chartAt = nullptr);

// Gives the device the page set-up's paper in its orientation (GB/T 14689 A4, A3, A2); the
// printer's own paper leaves the device's as it is.
void applyPaper(QPagedPaintDevice& device, const workspace::PageSetup& page);

// The same pages as a PDF file at path, on the page set-up's paper (A4 landscape for the
// printer's own), written whole or not at all; false and why
// when it cannot be.
bool exportPdf(const QString& path, const document::Document& design, const ChartWidget& chart,
               QString* error = nullptr);

// The tables as a CSV file (UTF-8 with a byte-order mark), written whole or not at all; false and
// why when it cannot be.
bool exportCsv(const QString& path, const document::Document& design, QString* error = nullptr);

// The way every export goes: asks where to save (titled title, starting at lastPath or at
// defaultName in startFolder, offering filter; the suffix of the type chosen added to a bare
// name), remembers the choice in lastPath and writes with write, which is given the path and the
// filter chosen. A write that fails with a reason is answered by a notice, failed then the path
// and the reason; one that fails without (the user thought better of it) by none.
using ExportWrite = std::function<bool(const QString& path, const QString& filter, QString* why)>;
void exportAs(QWidget* owner, const char* title, QString& lastPath,
              QStandardPaths::StandardLocation startFolder, const char* defaultName,
              const char* filter, const char* failed, const ExportWrite& write);

// The chart window's outputs: 导出图片…, 导出 CSV…, 导出 PDF… and 打印… in 文件, and 复制图像
// and 复制表格 in 编辑, each drawn from the design and the chart as shown over owner.
class DesignOutput : public QObject {
  Q_OBJECT

 public:
  DesignOutput(QWidget* owner, const document::Document& design, const ChartWidget& chart);
  ~DesignOutput() override;

  QAction* imageAction() const { return image_; }
  QAction* csvAction() const { return csv_; }
  QAction* pdfAction() const { return pdf_; }
  QAction* printAction() const { return print_; }
  QAction* copyImageAction() const { return copyImage_; }
  QAction* copyTableAction() const { return copyTable_; }

 private:
  void exportImage();
  void print();

  QWidget* owner_;
  const document::Document& design_;
  const ChartWidget& chart_;
  QAction* image_ = nullptr;
  QAction* csv_ = nullptr;
  QAction* pdf_ = nullptr;
  QAction* print_ = nullptr;
  QAction* copyImage_ = nullptr;
  QAction* copyTable_ = nullptr;
  std::unique_ptr<QPrinter> printer_;      // keeps the choices of the print dialog this run
  QString lastImage_, lastCsv_, lastPdf_;  // where each export went last
};

}  // namespace ui
