#include "reports/ui/QtPrintDialogs.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace zephra {

bool QtPrintDialogs::PreviewAndPrint(QWidget* parent, QPrinter& printer, const PaintPages& paint) {
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&paint](QPrinter* target) { paint(*target); });
    return preview.exec() == QDialog::Accepted;
}

} // namespace zephra
