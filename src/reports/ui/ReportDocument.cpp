#include "reports/ui/ReportDocument.h"

#include "entry/ControlCharacters.h"
#include "reports/ui/ReportPainter.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <pwd.h>
#include <unistd.h>

namespace zephra {

namespace {

constexpr double MarginMillimetres = 15;

QByteArray XmpMetadata(const ReportMetadata& metadata) {
    const QString xmp =
        QStringLiteral("<?xpacket begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                       "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                       " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                       "  <rdf:Description rdf:about=\"\"\n"
                       "    xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
                       "    xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\"\n"
                       "    xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
                       "   <dc:title><rdf:Alt><rdf:li "
                       "xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>\n"
                       "   <dc:creator><rdf:Seq><rdf:li>%2</rdf:li></rdf:Seq></dc:creator>\n"
                       "   <pdf:Producer>ZEPHRA</pdf:Producer>\n"
                       "   <xmp:CreatorTool>ZEPHRA</xmp:CreatorTool>\n"
                       "  </rdf:Description>\n"
                       " </rdf:RDF>\n"
                       "</x:xmpmeta>\n"
                       "<?xpacket end=\"w\"?>")
            .arg(metadata.Title.toHtmlEscaped(), metadata.Author.toHtmlEscaped());
    return xmp.toUtf8();
}

} // namespace

QPageLayout ReportPageLayoutFor(const QLocale& locale) {
    const QPageSize paper(locale.measurementSystem() == QLocale::ImperialUSSystem
                              ? QPageSize::Letter
                              : QPageSize::A4);
    const double m = MarginMillimetres;
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(m, m, m, m),
                       QPageLayout::Millimeter);
}

void PaintReport(QPagedPaintDevice& device, const std::vector<ReportPage>& pages) {
    const QSizeF size = device.pageLayout().paintRect(QPageLayout::Point).size();
    QPainter painter(&device);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            device.newPage();
        }
        const int count = static_cast<int>(pages.size());
        PaintReportPage(painter, pages[i], size, PageNumberText(static_cast<int>(i) + 1, count));
    }
}

QByteArray ReportPdf(const std::vector<ReportPage>& pages, const ReportMetadata& given,
                     const QPageLayout& pageLayout) {
    // Control characters from a damaged or foreign wine are no text to
    // show, and most of them are not allowed in XML.
    const auto printable = [](const QString& text) {
        return QString::fromStdString(WithoutControlCharacters(text.toStdString()));
    };
    const ReportMetadata metadata{printable(given.Title), printable(given.Author)};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(pageLayout);
        writer.setTitle(metadata.Title);
        writer.setCreator(QStringLiteral("ZEPHRA"));
        writer.setDocumentXmpMetadata(XmpMetadata(metadata));
        PaintReport(writer, pages);
    }
    return buffer.data();
}

QString ReportAuthor() {
    if (const passwd* account = ::getpwuid(::getuid())) {
        const QString fullName = QString::fromLocal8Bit(account->pw_gecos).section(u',', 0, 0);
        return fullName.trimmed().isEmpty() ? QString::fromLocal8Bit(account->pw_name)
                                            : fullName.trimmed();
    }
    return QString::fromLocal8Bit(qgetenv("USER"));
}

} // namespace zephra
