#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPainter>
#include <memory>
#include <string>

#include "export/print_export.h"

class QPdfWriter;
class QPrinter;

namespace morvane::exporting {

// The one page of a print on the printer the user chose. A printer that
// prints to a PDF file has its page made in memory and the file written
// through OutputFile, so that a failed write leaves an older file of that
// name whole; any other printer is painted on directly.
class PrintedPage {
 public:
  PrintedPage(const PrintTarget& target, QPageLayout::Orientation orientation);
  ~PrintedPage();
  PrintedPage(const PrintedPage&) = delete;
  PrintedPage& operator=(const PrintedPage&) = delete;

  // False when the printer could not be started; nothing is painted then.
  bool Started() const { return painter_.isActive(); }
  QPainter& Painter() { return painter_; }
  // The paintable part of the page in device pixels, and their resolution.
  int Width() const;
  int Height() const;
  int Dpi() const;

  // Ends the page, and for a PDF file writes it. False when either fails.
  bool Finish();

 private:
  const QPaintDevice& Device() const;

  QPrinter& printer_;
  std::string pdfFile_;
  QByteArray pdfBytes_;
  QBuffer pdfBuffer_;
  std::unique_ptr<QPdfWriter> pdf_;
  // Last, so that a page left unfinished is ended before its device goes.
  QPainter painter_;
};

}  // namespace morvane::exporting
