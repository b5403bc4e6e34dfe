#include "graphs/GraphColours.h"
#include "graphs/PixelGeometry.h"
#include "graphs/ui/QtTextMetrics.h"
#include "reports/CountedRows.h"
#include "reports/ui/ReportDocument.h"
#include "reports/ui/ReportFonts.h"
#include "reports/ui/ReportPainter.h"
#include "support/PdfTools.h"
#include "support/SampleWine.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

using namespace zephra;

namespace {

const ReportSource Source{"chardonnay.zph", "2026-03-14 09:05", "2026-03-15 10:00"};

ReportPage PageOf(const TWineRec& rec) {
    const QtTextMetrics metrics;
    return BuildReportPage(rec, Source, metrics);
}

// Writes the pages as a PDF file; returns its path.
std::string WritePdf(const test::TempFolder& folder, const std::vector<ReportPage>& pages,
                     const QPageLayout& layout = ReportPageLayoutFor(QLocale::c())) {
    const std::string path = folder.file("report.pdf");
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(ReportPdf(pages, {QString::fromStdString(ReportTitle(pages)), "A. Taster"}, layout));
    return path;
}

// Text with every run of blanks made one blank, so that spacing decided by
// the text extraction does not matter.
QString Simplified(const std::string& text) {
    return QString::fromStdString(text).replace(QRegularExpression("[ \t]+"), " ");
}

int Luminance(QRgb c) {
    return (qRed(c) * 30 + qGreen(c) * 59 + qBlue(c) * 11) / 100;
}

bool Near(QRgb c, Colour expected) {
    return std::abs(qRed(c) - expected.Red) <= 6 && std::abs(qGreen(c) - expected.Green) <= 6 &&
           std::abs(qBlue(c) - expected.Blue) <= 6;
}

} // namespace

class ReportPdfTest : public QObject {
    Q_OBJECT

private slots:
    void textHoldsNamesConditionsEveryRowAndBothEstimates() {
        const test::TempFolder folder;
        const TWineRec rec = test::SampleWine();
        const QString text = Simplified(test::PdfText(WritePdf(folder, {PageOf(rec)})));
        for (const char* expected : {"Chardonnay 2024",
                                     "Filter: Membrane 0.65 Wine type: Normal",
                                     "File: chardonnay.zph Modified: 2026-03-14 09:05",
                                     "Printed: 2026-03-15 10:00",
                                     "Laboratory Conditions Full Scale Conditions",
                                     "pressure: 30.0 psi",
                                     "maximum pressure: 30 psi",
                                     "area: 17.3 cm2",
                                     "area: 10.0 m2",
                                     "equivalent volume passed: 914 gal",
                                     "rate: 100 bpm",
                                     "average face velocity: 10.2 gpm/m2",
                                     "face velocity: 2.0 gpm/m2",
                                     "0 na 00 0.000 na 110.38 79.58 1103.1",
                                     "Rm: 79.58",
                                     "a:783.348",
                                     "b:0.999",
                                     "Rm:110.38",
                                     "b:3.557",
                                     "r:0.987",
                                     "3,453 gallons",
                                     "1,709 gallons",
                                     "* not used by the fouling fits",
                                     "Fouling analysis",
                                     "Best described by: cake filtration",
                                     "Vmax: \xE2\x80\x94",
                                     "Capacity at 10 % of J0: 2425 gal",
                                     "(constant pressure, no safety factor)",
                                     "Laboratory-scale graph",
                                     "Production-scale graph"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        for (const CountedRow& row : CountedRows(rec)) {
            const QString line =
                QStringLiteral("%1%2 %3 %4 %5 %6 %7 %8 %9")
                    .arg(row.Skipped ? "* " : "")
                    .arg(row.Number)
                    .arg(QString::fromStdString(row.Volume), QString::fromStdString(row.Minutes),
                         QString::fromStdString(row.Seconds), QString::fromStdString(row.VA),
                         QString::fromStdString(row.R), QString::fromStdString(row.Rexp),
                         QString::fromStdString(row.Rpower));
            QVERIFY2(text.contains(line), qPrintable(line));
        }
    }

    void accentedNamesSurviveInTextAndMetadata() {
        const test::TempFolder folder;
        TWineRec rec = test::SampleWine();
        rec.Conditions.WineName.assign("Ros\xE9 d'\xC9t\xE9"); // Windows-1252
        rec.Conditions.FilterName.assign("Pl\xE4ttchen \xC6");
        const std::string pdf = WritePdf(folder, {PageOf(rec)});
        const QString text = Simplified(test::PdfText(pdf));
        QVERIFY(text.contains(QString::fromUtf8("Ros\xC3\xA9 d'\xC3\x89t\xC3\xA9")));
        QVERIFY(text.contains(QString::fromUtf8("Filter: Pl\xC3\xA4ttchen \xC3\x86")));
        const QString info = QString::fromStdString(test::PdfInfo(pdf));
        QVERIFY2(info.contains(QString::fromUtf8(
                     "Title:           Filterability report: Ros\xC3\xA9 d'\xC3\x89t\xC3\xA9")),
                 qPrintable(info));
        QVERIFY(info.contains(QStringLiteral("Page size:       595 x 842 pts (A4)")));
        const QString xmp = QString::fromStdString(test::PdfInfo(pdf, true));
        QVERIFY2(xmp.contains(QStringLiteral("<dc:creator><rdf:Seq><rdf:li>A. Taster</rdf:li>")),
                 qPrintable(xmp));
    }

    // A wine with a 30-character name and comments: the full names in the
    // text and the title, the comments wrapped within the page above the
    // table.
    void fullNamesAndCommentsAreOnThePage() {
        const test::TempFolder folder;
        WineNotes notes;
        notes.WineName = "Sauvignon Blanc 25 Reserve Lot";
        notes.FilterName = "Membrane 0.45 \xC2\xB5m PES cartridge";
        notes.Comments = std::string("Cold stabilised; bentonite 2 g/hL. ") +
                         "Fined twice before the trial, filtered at 12 C. " +
                         "Second sample from tank 7, taken after racking.";
        const QtTextMetrics metrics;
        const ReportPage page = BuildReportPage(test::SampleWine(), Source, metrics, notes);
        const std::string pdf = WritePdf(folder, {page});
        const QString text = Simplified(test::PdfText(pdf));
        QVERIFY2(text.contains(QStringLiteral("Sauvignon Blanc 25 Reserve Lot")), qPrintable(text));
        QVERIFY(text.contains(QString::fromUtf8("Filter: Membrane 0.45 \xC2\xB5m PES cartridge")));
        QVERIFY(text.contains(QStringLiteral("Comments: Cold stabilised; bentonite 2 g/hL.")));
        QVERIFY(text.contains(QStringLiteral("taken after racking.")));
        const QString info = QString::fromStdString(test::PdfInfo(pdf));
        QVERIFY2(
            info.contains(QStringLiteral("Filterability report: Sauvignon Blanc 25 Reserve Lot")),
            qPrintable(info));

        // The comments take the room they need, below the header lines.
        const QSizeF a4(523, 770);
        const ReportPageLayout plain = LayoutReportPage(PageOf(test::SampleWine()), a4);
        const ReportPageLayout noted = LayoutReportPage(page, a4);
        QVERIFY(noted.Header.height() > plain.Header.height());
        QVERIFY(noted.Table.top() > plain.Table.top());
        QVERIFY(noted.Header.width() <= a4.width());
    }

    void graphsAreVectorGraphicsWhereTheLayoutPutsThem() {
        const test::TempFolder folder;
        const ReportPage page = PageOf(test::SampleWine());
        const QPageLayout paper = ReportPageLayoutFor(QLocale::c());
        const std::string pdf = WritePdf(folder, {page}, paper);
        QCOMPARE(
            QString::fromStdString(test::CommandOutput("pdfimages -list " + pdf + " | tail -n +3")),
            QString());

        constexpr int Dpi = 150;
        const QImage image(
            QString::fromStdString(test::RenderPdfPage(pdf, 1, Dpi, folder.file("page"))));
        QVERIFY(!image.isNull());
        const QRectF printable = paper.paintRect(QPageLayout::Point);
        const ReportPageLayout layout = LayoutReportPage(page, printable.size());
        const auto pixel = [&](const QRectF& graph, double x, double y) {
            const double px =
                (printable.left() + graph.left() + x * graph.width() / 700) * Dpi / 72;
            const double py = (printable.top() + graph.top() + y * graph.height() / 600) * Dpi / 72;
            return QPoint(static_cast<int>(px), static_cast<int>(py));
        };
        const PixelRect plot = GraphWindowPlotRect;
        for (const QRectF& graph : {layout.LabGraph, layout.ProductionGraph}) {
            QVERIFY(graph.width() > 200);
            // The plot's inside, the picture around it, and the page outside.
            QVERIFY(Near(image.pixel(pixel(graph, plot.Left + 20, plot.Top + 20)),
                         graph_colours::Ivory));
            QVERIFY(Near(image.pixel(pixel(graph, plot.Left + 20, plot.Top - 12)),
                         graph_colours::GhostWhite));
            QVERIFY(Near(image.pixel(pixel(graph, 350, -20)), Colour{255, 255, 255}));
            // The frame: a dark line along the plot's top and left edges.
            for (const QPoint& edge : {pixel(graph, 350, plot.Top), pixel(graph, plot.Left, 300)}) {
                int darkest = 255;
                for (int d = -2; d <= 2; ++d)
                    for (const QPoint& p : {edge + QPoint(0, d), edge + QPoint(d, 0)})
                        darkest = std::min(darkest, Luminance(image.pixel(p)));
                QVERIFY2(darkest < 110, qPrintable(QString::number(darkest)));
            }
        }
    }

    void paperFollowsTheLocaleAndThePageFitsIt() {
        const QPageLayout letter =
            ReportPageLayoutFor(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(letter.pageSize().id(), QPageSize::Letter);
        QCOMPARE(letter.orientation(), QPageLayout::Portrait);
        QCOMPARE(ReportPageLayoutFor(QLocale(QLocale::French, QLocale::Canada)).pageSize().id(),
                 QPageSize::A4);
        QCOMPARE(ReportPageLayoutFor(QLocale(QLocale::German, QLocale::Germany)).pageSize().id(),
                 QPageSize::A4);

        const ReportPage page = PageOf(test::SampleWine());
        for (const QPageLayout& paper : {letter, ReportPageLayoutFor(QLocale::c())}) {
            const QSizeF size = paper.paintRect(QPageLayout::Point).size();
            const ReportPageLayout layout = LayoutReportPage(page, size);
            QVERIFY(layout.Table.right() < layout.Summary.left());
            QVERIFY(layout.Summary.right() <= size.width() + 0.01);
            QVERIFY(layout.Summary.bottom() < layout.Analysis.top());
            QCOMPARE(layout.Analysis.left(), layout.Summary.left());
            for (const std::string& line : page.AnalysisLines) {
                const double width = QFontMetricsF(report_fonts::Panel())
                                         .horizontalAdvance(QString::fromStdString(line)) /
                                     report_fonts::UnitsPerPoint;
                QVERIFY2(width <= layout.Analysis.width(), line.c_str());
            }
            QVERIFY(std::max(layout.Table.bottom(), layout.Analysis.bottom()) <
                    layout.LabGraph.top());
            QVERIFY(layout.LabGraph.right() < layout.ProductionGraph.left());
            QVERIFY(layout.ProductionGraph.right() <= size.width() + 0.01);
            QVERIFY(layout.LabGraph.bottom() <= size.height() - 10);
            QVERIFY(layout.LabGraph.width() > 180);
        }
    }
};

QTEST_MAIN(ReportPdfTest)
#include "ReportPdfTest.moc"
