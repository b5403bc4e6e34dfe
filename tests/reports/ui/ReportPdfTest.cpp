#include "graphs/GraphColours.h"
#include "reports/CountedRows.h"
#include "reports/ui/ReportDocument.h"
#include "reports/ui/ReportPainter.h"
#include "support/PdfTools.h"
#include "support/SampleWine.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

using namespace zephra;

namespace {

const ReportSource Source{"chardonnay.zph", "2026-03-14 09:05", "2026-03-15 10:00"};

ReportPage PageOf(const TWineRec& rec) {
    return BuildReportPage(rec, Source);
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
                                     "Filterability index",
                                     "75.4 s \xE2\x80\x94 non-standard conditions,",
                                     "Best described by",
                                     "cake filtration",
                                     "2425 gal = 918.0 L/m\xC2\xB2",
                                     "Index not comparable at these",
                                     "Laboratory-scale graph",
                                     "Production-scale graph",
                                     "Fouling analysis",
                                     "cake (best)"})
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
        const ReportPage page = BuildReportPage(test::SampleWine(), Source, notes);
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

    // The charts are vector graphics: no images in the file, and rendered,
    // each chart's rectangle is mostly the plot's ivory with dark lines of
    // its frame and ticks, while the page beside the charts is white.
    void chartsAreVectorGraphicsWhereTheLayoutPutsThem() {
        const test::TempFolder folder;
        const ReportPage page = PageOf(test::SampleWine());
        const QPageLayout paper = ReportPageLayoutFor(QLocale::c());
        const std::string pdf = WritePdf(folder, {page}, paper);
        QCOMPARE(
            QString::fromStdString(test::CommandOutput("pdfimages -list " + pdf + " | tail -n +3")),
            QString());

        constexpr int Dpi = 100;
        const QImage image(
            QString::fromStdString(test::RenderPdfPage(pdf, 1, Dpi, folder.file("page"))));
        QVERIFY(!image.isNull());
        const QRectF printable = paper.paintRect(QPageLayout::Point);
        const ReportPageLayout layout = LayoutReportPage(page, printable.size());
        const auto pixels = [&](const QRectF& area) {
            const QRectF on = area.translated(printable.topLeft());
            return QRect(QPoint(static_cast<int>(on.left() * Dpi / 72),
                                static_cast<int>(on.top() * Dpi / 72)),
                         QPoint(static_cast<int>(on.right() * Dpi / 72),
                                static_cast<int>(on.bottom() * Dpi / 72)));
        };
        for (const QRectF& chart : {layout.LabGraph, layout.ProductionGraph, layout.FoulingGraph}) {
            QVERIFY(chart.width() > 150);
            int ivory = 0;
            int dark = 0;
            const QRect area = pixels(chart);
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    ivory += Near(image.pixel(x, y), graph_colours::Ivory) ? 1 : 0;
                    dark += Luminance(image.pixel(x, y)) < 110 ? 1 : 0;
                }
            const int all = area.width() * area.height();
            QVERIFY2(ivory > all / 3,
                     qPrintable(QString::number(ivory) + " of " + QString::number(all)));
            QVERIFY(dark > 100);
        }
        // Right of the results box's column, above the charts: the margin.
        QCOMPARE(image.pixel(image.width() - 5, image.height() / 2), qRgb(255, 255, 255));
    }

    // One page per wine on A4 and Letter, also with a long name, a long
    // filter name and long comments: no text below 7 pt, nothing in the
    // margins, no word over another.
    void everyPageFitsItsPaperReadably() {
        const test::TempFolder folder;
        WineNotes notes;
        notes.WineName = "Chardonnay Vieilles Vignes Grand Cru Reserve du Domaine des "
                         "Quatre Vents Cuvee Speciale Tank 7";
        notes.FilterName = "Membrane 0.65 \xC2\xB5m PES cartridge, pleated, 10 inch, "
                           "double open end, code 7 adaptor, lot 2026-0412";
        notes.TrialStarted = "2026-05-14T09:31:07+02:00";
        for (int i = 0; i < 6; ++i)
            notes.Comments += "Cold stabilised; bentonite 2 g/hL, fined twice before the trial. ";
        const std::vector<ReportPage> pages{PageOf(test::SampleWine()),
                                            BuildReportPage(test::SampleWine(), Source, notes)};
        for (const QLocale& locale :
             {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German)}) {
            const QPageLayout paper = ReportPageLayoutFor(locale);
            const std::string pdf = WritePdf(folder, pages, paper);
            const std::vector<test::PdfPage> read = test::PdfWords(pdf);
            QCOMPARE(read.size(), pages.size());
            const double margin = paper.margins(QPageLayout::Point).left();
            for (const test::PdfPage& p : read) {
                QVERIFY(p.Words.size() > 300);
                const std::vector<std::string> faults = test::PdfLayoutFaults(p, margin, 7);
                QVERIFY2(faults.empty(), faults.empty() ? "" : faults.front().c_str());
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
            QVERIFY(layout.Table.right() < layout.Results.left());
            QVERIFY(layout.Results.right() <= size.width() + 0.01);
            QVERIFY(layout.Results.bottom() < layout.Summary.top());
            QCOMPARE(layout.Summary.left(), layout.Results.left());
            QVERIFY(std::max(layout.Table.bottom(), layout.Summary.bottom()) <
                    layout.LabGraph.top());
            QVERIFY(layout.LabGraph.right() < layout.ProductionGraph.left());
            QVERIFY(layout.ProductionGraph.right() < layout.FoulingGraph.left());
            QVERIFY(layout.FoulingGraph.right() <= size.width() + 0.01);
            QVERIFY(layout.LabGraph.bottom() <= size.height() - 10);
            QVERIFY(layout.LabGraph.height() > 120);
        }
    }
};

QTEST_MAIN(ReportPdfTest)
#include "ReportPdfTest.moc"
