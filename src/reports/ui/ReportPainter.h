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
    QRectF Results;  // the results box, beside the table
    QRectF Summary;  // fouling models and estimates
    QRectF LabGraph; // the charts, without their captions
    QRectF ProductionGraph;
    QRectF FoulingGraph;
};

// The size of the text of the page's charts (points): tick labels, axis
// titles and legends.
inline constexpr double ChartTextPoints = 7.5;

// Places a page's parts in a printable area of `size` points: header on
// top, the table panel on the left with the results box and the summary
// beside it, and the three charts side by side below them, as tall as the
// space left above the line of the page number allows, up to square.
ReportPageLayout LayoutReportPage(const ReportPage& page, QSizeF size);

// Paints the page on `painter`, whose device is a printer or PDF writer
// with its origin at the top left of the printable area of `size` points,
// with `footer` at the bottom right. Text stays text, graphs stay vector
// graphics.
void PaintReportPage(QPainter& painter, const ReportPage& page, QSizeF size,
                     const std::string& footer);

} // namespace zephra
