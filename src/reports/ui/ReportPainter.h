#pragma once

#include "reports/ReportPage.h"

#include <QRectF>

class QPainter;

namespace zephra {

// Where the parts of a report page go, in points (1/72 inch) from the top
// left corner of the printable area.
struct ReportPageLayout {
    QRectF Header;   // title, header lines and comments
    QRectF Table;    // conditions and data table
    QRectF Summary;  // fouling models and estimates
    QRectF Analysis; // the fouling analysis, under the summary
    QRectF LabGraph; // the pictures, scaled to fit, without their captions
    QRectF ProductionGraph;
};

// Places a page's parts in a printable area of `size` points: header on
// top, the table panel on the left with the summary and the analysis below
// it beside it, the two
// graphs side by side below, as large as the space left above the line of
// the page number allows.
ReportPageLayout LayoutReportPage(const ReportPage& page, QSizeF size);

// Paints the page on `painter`, whose device is a printer or PDF writer
// with its origin at the top left of the printable area of `size` points,
// with `footer` at the bottom right. Text stays text, graphs stay vector
// graphics.
void PaintReportPage(QPainter& painter, const ReportPage& page, QSizeF size,
                     const std::string& footer);

} // namespace zephra
