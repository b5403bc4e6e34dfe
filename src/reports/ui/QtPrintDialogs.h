#pragma once

#include "reports/ui/PrintDialogs.h"

namespace zephra {

// Qt's print preview dialog, whose Print button opens the print dialog.
class QtPrintDialogs : public PrintDialogs {
public:
    bool PreviewAndPrint(QWidget* parent, QPrinter& printer, const PaintPages& paint) override;
};

} // namespace zephra
