#pragma once

// Printing the export area: one picture on a landscape page, or the
// mechanism in 18 positions over one turn on a portrait page.

#include <string>

#include "export/export_progress.h"
#include "export/export_scene.h"

class QPrinter;

namespace morvane::exporting {

// Where a print goes: the printer gives the page and the resolution, and for
// a printer that prints to a PDF file, `PdfFile` names that file byte for
// byte as the file system spells it; a QString, the printer's own file name,
// cannot hold every name a Unix file system allows.
struct PrintTarget {
  // The printer the user chose, a PDF file named by its output file name
  // included. Not explicit, so that a printer can be handed on as it is.
  PrintTarget(QPrinter& printer);
  PrintTarget(QPrinter& printer, std::string pdfFile) : Printer(printer), PdfFile(std::move(pdfFile)) {}

  QPrinter& Printer;
  // Empty for a printer that prints on paper.
  std::string PdfFile;
};

// The area as rendered now, captioned as a single image is, as large as its
// shape allows from the page's top-left corner.
ExportOutcome PrintSingleImage(const ExportScene& scene, const PrintTarget& target);

// Six rows of three pictures, each framed, and the caption at the page's
// top-left. A refused move stops the series, but the page is still printed
// with the pictures drawn so far. The mechanism ends where it stood.
ExportOutcome PrintSeries(ExportScene& scene, const PrintTarget& target, ExportProgress& progress);

}  // namespace morvane::exporting
