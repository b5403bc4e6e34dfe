#include "UiScript.h"

#include "document/NumberMarks.h"
#include "document/WineFile.h"
#include "reports/ui/CompareTrialsWindow.h"
#include "support/PdfTools.h"
#include "support/SampleWine.h"

#include <QFile>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace zephra;
using zephra::testing::UiScript;

namespace {

// The sample with its points scaled: a wine filtering `factor` times as
// fast and far, started on `day` of May 2026.
TWineRec Scaled(double factor) {
    TWineRec rec = test::SampleWine();
    for (int i = 0; i < 36; ++i) {
        const double v = std::atof(std::string(rec.Data.V[i].text()).c_str());
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", v * factor);
        rec.Data.V[i].assign(text);
    }
    return rec;
}

WineNotes Started(int day) {
    WineNotes notes;
    notes.TrialStarted = "2026-05-" + std::to_string(day) + "T09:00:00+02:00";
    return notes;
}

QString Column(const QTableWidget& table, int column, int row) {
    return table.item(row, column)->text();
}

} // namespace

class CompareTrialsWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The trials are ranked by capacity per m²; a click on the trial start's
    // header shows them in date order; the chart shows every trial.
    void ranksByCapacityAndSortsByAnyColumn() {
        UiScript ui;
        CompareTrialsWindow window(ui.Services());
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Compare Trials"));
        window.AddTrial(test::SampleWine(), Started(13), QStringLiteral("/lab/b.zph"));
        window.AddTrial(Scaled(0.8), Started(12), QStringLiteral("/lab/a.zph"));
        window.AddTrial(Scaled(1.3), Started(14), QStringLiteral("/lab/c.zph"));
        QTableWidget& table = *window.Table();
        QCOMPARE(table.rowCount(), 3);
        QCOMPARE(table.horizontalHeaderItem(2)->text(), QStringLiteral("Trial start"));
        QCOMPARE(window.Rows()[0].File, "c.zph");
        QCOMPARE(window.Rows()[2].File, "a.zph");
        QCOMPARE(Column(table, 2, 0), QStringLiteral("2026-05-14 09:00"));
        QCOMPARE(Column(table, 2, 2), QStringLiteral("2026-05-12 09:00"));

        table.horizontalHeader()->setSortIndicator(2, Qt::AscendingOrder);
        QCOMPARE(Column(table, 2, 0), QStringLiteral("2026-05-12 09:00"));
        QCOMPARE(Column(table, 2, 2), QStringLiteral("2026-05-14 09:00"));
        // Numbers sort as numbers: the capacity column descending.
        table.horizontalHeader()->setSortIndicator(11, Qt::DescendingOrder);
        QVERIFY(table.item(0, 11)->data(Qt::EditRole).toDouble() >
                table.item(1, 11)->data(Qt::EditRole).toDouble());

        const QPixmap chart = window.ChartLabel()->pixmap();
        QVERIFY(!chart.isNull());
        QCOMPARE(chart.size(), window.ChartLabel()->size());
        QCOMPARE(ui.Unexpected, QStringList());
    }

    void addsFilesAndExportsTheTableAndThePdf() {
        QTemporaryDir dir;
        const QString wine = dir.filePath("riesling.zph");
        WineNotes notes;
        notes.WineName = "Riesling Kabinett 2025 Lot 12";
        QCOMPARE(WriteWineFile(wine.toStdString(), test::SampleWine(), notes), 0);

        UiScript ui;
        CompareTrialsWindow window(ui.Services());
        ui.DialogAnswers = {wine, dir.filePath("missing.zph"), dir.filePath("table.JSON"),
                            dir.filePath("table"), dir.filePath("trials")};
        window.AddFilesExecute();
        QCOMPARE(window.Rows().size(), std::size_t{1});
        QCOMPARE(window.Rows()[0].Wine, "Riesling Kabinett 2025 Lot 12");
        QCOMPARE(ui.Dialogs[0].Setup.Filter, QStringLiteral("ZEPHRA files|*.zph"));
        // A file that cannot be read is reported and adds nothing.
        ui.BoxAnswers = {BoxAnswer::Ok};
        window.AddFilesExecute();
        QCOMPARE(window.Rows().size(), std::size_t{1});
        QCOMPARE(ui.Boxes.size(), std::size_t{1});
        QVERIFY(ui.Boxes[0].Text.contains(QStringLiteral("I/O Error")));

        window.ExportTableExecute();
        QFile json(dir.filePath("table.JSON"));
        QVERIFY(json.open(QIODevice::ReadOnly));
        const QJsonArray rows = QJsonDocument::fromJson(json.readAll()).array();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].toObject()["file"].toString(), QStringLiteral("riesling.zph"));
        QCOMPARE(rows[0].toObject()["best_law"].toString(), QStringLiteral("cake"));

        window.ExportTableExecute();
        QFile csv(dir.filePath("table.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readAll().startsWith("file,wine,filter,trial_started"));

        window.ExportPdfExecute();
        const std::string pdf = dir.filePath("trials.pdf").toStdString();
        const std::vector<test::PdfPage> pages = test::PdfWords(pdf);
        QCOMPARE(pages.size(), std::size_t{1});
        QVERIFY(pages[0].Width > pages[0].Height); // landscape
        QVERIFY(QString::fromStdString(test::PdfText(pdf))
                    .contains(QStringLiteral("Riesling Kabinett 2025 Lot 12")));
        QCOMPARE(ui.Unexpected, QStringList());
    }

    // In a decimal-comma locale the table shows its numbers with the comma
    // (as the fouling window and the PDF do) and still sorts them as numbers.
    void decimalCommaNumbersSortAsNumbers() {
        UseNumberMarks(LocaleNumberMarks(",", "."));
        UiScript ui;
        CompareTrialsWindow window(ui.Services());
        window.AddTrial(Scaled(0.8), Started(12), QStringLiteral("/lab/a.zph"));
        window.AddTrial(test::SampleWine(), Started(13), QStringLiteral("/lab/b.zph"));
        window.AddTrial(Scaled(1.3), Started(14), QStringLiteral("/lab/c.zph"));
        QTableWidget& table = *window.Table();
        QCOMPARE(Column(table, 4, 1), QStringLiteral("75,4"));
        const NumberMarks marks = *NumberMarksInUse();
        const auto value = [&](int column, int row) {
            return QString::fromStdString(
                       WithoutMarks(Column(table, column, row).toStdString(), marks))
                .toDouble();
        };
        for (const int column : {4, 11}) {
            table.horizontalHeader()->setSortIndicator(column, Qt::DescendingOrder);
            QVERIFY2(value(column, 0) > value(column, 1) && value(column, 1) > value(column, 2),
                     qPrintable(Column(table, column, 0) + " " + Column(table, column, 1) + " " +
                                Column(table, column, 2)));
        }
        UseNumberMarks(std::nullopt);
    }

    // Names too long for the PDF's table are shortened in the middle:
    // filters that differ only at the end stay told apart.
    void longNamesInThePdfKeepWhatTellsThemApart() {
        QTemporaryDir dir;
        UiScript ui;
        CompareTrialsWindow window(ui.Services());
        const std::string common = "Membrane polyethersulfone pleated cartridge 0.45 um lot ";
        for (const std::string lot : {"Twelve", "Thirteen"}) {
            WineNotes notes = Started(12);
            notes.WineName = "Riesling Kabinett trocken Mosel 2025 barrel " + lot;
            notes.FilterName = common + lot;
            window.AddTrial(test::SampleWine(), notes, QStringLiteral("/lab/x.zph"));
        }
        ui.DialogAnswers = {dir.filePath("trials")};
        window.ExportPdfExecute();
        const QString text =
            QString::fromStdString(test::PdfText(dir.filePath("trials.pdf").toStdString()));
        QVERIFY2(text.contains(QStringLiteral("Twelve")) &&
                     text.contains(QStringLiteral("Thirteen")),
                 qPrintable(text));
        QCOMPARE(ui.Unexpected, QStringList());
    }
};

QTEST_MAIN(CompareTrialsWindowTest)
#include "CompareTrialsWindowTest.moc"
