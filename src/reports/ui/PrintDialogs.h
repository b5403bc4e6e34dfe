#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace zephra {

// The platform's printing side: a preview of the pages with the print
// dialog behind its Print button. The program uses Qt's dialogs; tests
// script them.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;

    // Paints the pages onto a printer.
    using PaintPages = std::function<void(QPrinter& printer)>;

    // Shows the preview of `printer`'s pages over `parent`, painted by
    // `paint` (as often as the preview needs them); when the user prints,
    // the pages are painted once more onto the printer chosen in the print
    // dialog. Returns true when they were printed, false when the user
    // closed the preview or cancelled the print dialog.
    virtual bool PreviewAndPrint(QWidget* parent, QPrinter& printer, const PaintPages& paint) = 0;
};

} // namespace zephra
