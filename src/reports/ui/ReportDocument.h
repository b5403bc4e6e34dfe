#pragma once

#include "reports/ReportPage.h"

#include <QByteArray>
#include <QLocale>
#include <QPageLayout>
#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace zephra {

// The paper of a locale, portrait with 15 mm margins: US Letter where the
// locale measures in US units, A4 everywhere else.
QPageLayout ReportPageLayoutFor(const QLocale& locale);

// Paints one page per wine on a printer or PDF writer, in the device's page
// layout.
void PaintReport(QPagedPaintDevice& device, const std::vector<ReportPage>& pages);

// The title and author a report file carries.
struct ReportMetadata {
    QString Title;
    QString Author;
};

// The report as the bytes of a PDF file: vector graphics, text selectable,
// fonts embedded, the title in the document information and XMP metadata,
// the author in the XMP metadata (both without control characters).
QByteArray ReportPdf(const std::vector<ReportPage>& pages, const ReportMetadata& metadata,
                     const QPageLayout& pageLayout);

// The person printing: the full name of the user's account, or the login
// name when it has none.
QString ReportAuthor();

} // namespace zephra
