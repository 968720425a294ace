#pragma once

#include <QStandardPaths>
#include <QString>
#include <functional>

#include "document/document.h"

class QPagedPaintDevice;
class QWidget;

// What leaves the chart window on paper or in files: the sheets printed or written as PDF, the
// tables as CSV, each drawn from the design and the chart as shown.
namespace ui {

class ChartWidget;

// The title of the printed sheets, the PDF's Title and the print job: the name of the design's
// file without its suffix, or 焓湿图 for a design never saved.
QString designTitle(const document::Document& design);

// Prints the title block, the chart and the tables to a printer or PDF writer (printSheets);
// pages, when given, receives the number of pages.
bool printDesign(QPagedPaintDevice& device, const document::Document& design,
                 const ChartWidget& chart, int* pages = nullptr);

// The same sheets as a PDF file at path, A4 landscape, written whole or not at all; false and why
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

}  // namespace ui
