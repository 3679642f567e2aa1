#include "export/printed_page.h"

#include <QFile>
#include <QPdfWriter>
#include <QPrinter>
#include <string_view>

#include "model/output_file.h"

namespace morvane::exporting {

PrintTarget::PrintTarget(QPrinter& printer) : Printer(printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    PdfFile = QFile::encodeName(printer.outputFileName()).toStdString();
  }
}

PrintedPage::PrintedPage(const PrintTarget& target, QPageLayout::Orientation orientation)
    : printer_(target.Printer), pdfFile_(target.PdfFile) {
  printer_.setPageOrientation(orientation);
  if (pdfFile_.empty()) {
    painter_.begin(&printer_);
    return;
  }
  pdfBuffer_.setBuffer(&pdfBytes_);
  pdfBuffer_.open(QIODevice::WriteOnly);
  pdf_ = std::make_unique<QPdfWriter>(&pdfBuffer_);
  pdf_->setPageLayout(printer_.pageLayout());
  pdf_->setResolution(printer_.resolution());
  pdf_->setCreator(QStringLiteral("Morvane"));
  pdf_->setTitle(printer_.docName());
  painter_.begin(pdf_.get());
}

PrintedPage::~PrintedPage() = default;

const QPaintDevice& PrintedPage::Device() const {
  return pdf_ ? static_cast<const QPaintDevice&>(*pdf_) : static_cast<const QPaintDevice&>(printer_);
}

int PrintedPage::Width() const { return Device().width(); }

int PrintedPage::Height() const { return Device().height(); }

int PrintedPage::Dpi() const { return Device().logicalDpiY(); }

bool PrintedPage::Finish() {
  if (!painter_.end()) {
    return false;
  }
  if (!pdf_) {
    return true;
  }
  return WriteWholeFile(pdfFile_,
                        std::string_view(pdfBytes_.constData(), static_cast<size_t>(pdfBytes_.size())));
}

}  // namespace morvane::exporting
