#pragma once

#include "reports/TrialComparison.h"

#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QSize>

namespace zephra {

// The chart of trials compared, rendered as a picture of `size` pixels.
QImage ComparisonImage(const std::vector<ComparisonRow>& rows, QSize size);

// A PDF: a title, the chart across the first page (with what it leaves
// out, see ComparisonChartNote) and the table below it, going on over as
// many pages as it needs, its header on each; text in a proportional face,
// the chart drawn at the page's size.
QByteArray ComparisonPdf(const std::vector<ComparisonRow>& rows, const QPageLayout& pageLayout);

} // namespace zephra
