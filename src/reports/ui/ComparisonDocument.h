#pragma once

#include "reports/TrialComparison.h"

#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QSize>

namespace zephra {

// The chart of trials compared, rendered as a picture of `size` pixels.
QImage ComparisonImage(const std::vector<ComparisonRow>& rows, QSize size);

// One page of PDF: a title, the chart across the page and the table below
// it, text in a proportional face, the chart drawn at the page's size.
QByteArray ComparisonPdf(const std::vector<ComparisonRow>& rows, const QPageLayout& pageLayout);

} // namespace zephra
