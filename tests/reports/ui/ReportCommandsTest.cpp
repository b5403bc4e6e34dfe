#include "UiScript.h"

#include "reports/ui/ReportCommands.h"
#include "support/PdfTools.h"
#include "support/SampleWine.h"

#include <QFile>
#include <QJsonDocument>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>

using namespace zephra;
using zephra::testing::UiScript;

namespace {

// Prints to a PDF file instead of showing the preview: paints the pages
// once for the preview and once for the printer, as the real dialog does
// when the user presses Print.
class PrintToFile : public PrintDialogs {
public:
    explicit PrintToFile(QString path) : path_(std::move(path)) {}

    bool Print = true;
    int Shown = 0;

    bool PreviewAndPrint(QWidget*, QPrinter& printer, const PaintPages& paint) override {
        ++Shown;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path_ + ".preview.pdf");
        paint(printer);
        if (!Print)
            return false;
        printer.setOutputFileName(path_);
        paint(printer);
        return true;
    }

private:
    QString path_;
};

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ReportCommandsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<UiScript> ui;
    std::unique_ptr<QWidget> frame;
    std::unique_ptr<ReportCommands> commands;
    TWineClass wine;

    QString WineFile() const { return dir->filePath("chardonnay.zph"); }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        ui = std::make_unique<UiScript>();
        frame = std::make_unique<QWidget>();
        commands = std::make_unique<ReportCommands>(*frame, ui->Services());
        wine.WineRec = test::SampleWine();
        QVERIFY(QFile::copy(ZEPHRA_SAMPLE_WINE, WineFile()));
    }

    void cleanup() {
        commands.reset();
        frame.reset();
        QCOMPARE(ui->Unexpected, QStringList());
        ui.reset();
        dir.reset();
    }

    void exportPdfOffersTheWinesNameForcesTheExtensionAndAsksBeforeReplacing() {
        const QString chosen = dir->filePath("lab/report.txt");
        QVERIFY(QDir(dir->path()).mkpath("lab"));
        ui->DialogAnswers = {chosen, chosen};
        commands->ExportPdfExecute(wine, WineFile());
        QCOMPARE(ui->Dialogs.size(), std::size_t{1});
        QCOMPARE(ui->Dialogs[0].Setup.Filter, QStringLiteral("PDF files|*.pdf"));
        QCOMPARE(ui->Dialogs[0].Setup.FileName, QStringLiteral("chardonnay.pdf"));
        QCOMPARE(ui->Dialogs[0].Setup.InitialDir, dir->path());
        const QString pdf = dir->filePath("lab/report.pdf");
        QVERIFY(Contents(pdf).startsWith("%PDF-"));
        QVERIFY(QString::fromStdString(test::PdfText(pdf.toStdString()))
                    .contains(QStringLiteral("Chardonnay 2024")));
        QVERIFY(!QFile::exists(chosen));

        // Again to the same name: Cancel at the question keeps the file.
        QFile(pdf).resize(10);
        ui->BoxAnswers = {BoxAnswer::Cancel};
        commands->ExportPdfExecute(wine, WineFile());
        QCOMPARE(ui->BoxTexts(),
                 QStringList{"A file with that name already exists. Overwrite it?"});
        QCOMPARE(Contents(pdf).size(), 10);
        QCOMPARE(ui->Dialogs[1].Setup.InitialDir, dir->path());
    }

    void exportDataWritesJsonOrCsvByTheChosenName() {
        ui->DialogAnswers = {dir->filePath("wine.JSON"), dir->filePath("table"),
                             dir->filePath("table.txt")};
        commands->ExportDataExecute(wine, WineFile());
        QCOMPARE(ui->Dialogs[0].Setup.Filter, QStringLiteral("CSV files|*.csv|JSON files|*.json"));
        QCOMPARE(ui->Dialogs[0].Setup.FileName, QStringLiteral("chardonnay.csv"));
        const QJsonDocument json = QJsonDocument::fromJson(Contents(dir->filePath("wine.JSON")));
        QCOMPARE(json["conditions"]["wine"].toString(), QStringLiteral("Chardonnay 2024"));

        commands->ExportDataExecute(wine, WineFile());
        QVERIFY(Contents(dir->filePath("table.csv")).startsWith("row,volume_ml,"));

        ui->BoxAnswers = {BoxAnswer::Ok};
        QFile(dir->filePath("table.csv")).resize(3);
        commands->ExportDataExecute(wine, WineFile());
        QCOMPARE(ui->BoxTexts(),
                 QStringList{"A file with that name already exists. Overwrite it?"});
        QVERIFY(Contents(dir->filePath("table.csv")).size() > 1000);
    }

    void failedWriteIsReportedAndCancelWritesNothing() {
        ui->DialogAnswers = {dir->filePath("missing/folder/wine.csv"), std::nullopt};
        ui->BoxAnswers = {BoxAnswer::Ok};
        commands->ExportDataExecute(wine, WineFile());
        QCOMPARE(
            ui->BoxTexts(),
            QStringList{"I/O Error type 2 occurred while writing the file. Nothing was written."});
        commands->ExportPdfExecute(wine, QStringLiteral("unsaved"));
        QCOMPARE(ui->Dialogs[1].Setup.FileName, QStringLiteral("unsaved.pdf"));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"chardonnay.zph"});
    }

    // Commands given metric units write the report in them; the JSON keeps
    // the record's units, whose names its keys carry.
    void metricUnitsReachThePdfNotTheJson() {
        const DisplayUnits metric{UnitSystem::Metric, MetricFlowUnit::LitresPerHour};
        ReportCommands inMetric(*frame, ui->Services(), metric);
        ui->DialogAnswers = {dir->filePath("report.pdf"), dir->filePath("wine.json")};
        inMetric.ExportPdfExecute(wine, WineFile());
        const QString text =
            QString::fromStdString(test::PdfText(dir->filePath("report.pdf").toStdString()));
        QVERIFY2(text.contains(QStringLiteral("pressure: 2.07 bar")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("131 hL")));
        QVERIFY(text.contains(QStringLiteral("91.8 hL = 918.0")));
        QVERIFY(!text.contains(QStringLiteral("gallons")));
        QVERIFY(!text.contains(QStringLiteral("psi")));

        inMetric.ExportDataExecute(wine, WineFile());
        const QJsonDocument json = QJsonDocument::fromJson(Contents(dir->filePath("wine.json")));
        QCOMPARE(json["conditions"]["lab_pressure_psi"].toDouble(), 30.0);
        QVERIFY(json["conditions"]["lab_pressure_bar"].isUndefined());
        QVERIFY(json["analysis"]["best_production_capacity_gal"].isDouble());
        QVERIFY(json["analysis"]["best_production_capacity_hL"].isUndefined());
    }

    // An export never replaces a wine file, also where the name chosen is a
    // link to the wine itself or to another one.
    void exportOverAWineFileIsRefused() {
        const QString other = dir->filePath("other.zph");
        QVERIFY(QFile::copy(ZEPHRA_SAMPLE_WINE, other));
        QVERIFY(QFile::link(WineFile(), dir->filePath("report.pdf")));
        QVERIFY(QFile::link(other, dir->filePath("table.csv")));
        const QByteArray sample = Contents(WineFile());
        ui->DialogAnswers = {dir->filePath("report.pdf"), dir->filePath("table.csv")};
        ui->BoxAnswers = {BoxAnswer::Ok, BoxAnswer::Ok, BoxAnswer::Ok, BoxAnswer::Ok};
        commands->ExportPdfExecute(wine, WineFile());
        commands->ExportDataExecute(wine, WineFile());
        QCOMPARE(ui->BoxTexts(),
                 (QStringList{"A file with that name already exists. Overwrite it?",
                              "Nothing was written: it is the wine file " + WineFile() +
                                  ", which the output is made from.",
                              "A file with that name already exists. Overwrite it?",
                              "Nothing was written: it is a wine file, which an output never "
                              "replaces."}));
        QCOMPARE(Contents(WineFile()), sample);
        QCOMPARE(Contents(other), sample);
    }

    void printPaintsTheReportOnThePrinterChosen() {
        const QString printed = dir->filePath("printed.pdf");
        PrintToFile printing(printed);
        commands->Printing = &printing;
        commands->PrintExecute(wine, WineFile());
        QCOMPARE(printing.Shown, 1);
        const std::string info = test::PdfInfo(printed.toStdString());
        QVERIFY2(QString::fromStdString(info).contains("Pages:           1"), info.c_str());
        const QString text = QString::fromStdString(test::PdfText(printed.toStdString()));
        QVERIFY(text.contains(QStringLiteral("Chardonnay 2024")));
        QVERIFY(text.contains(QStringLiteral("3,453 gallons")));
        QVERIFY(text.contains(QStringLiteral("File: chardonnay.zph")));
        QVERIFY(!text.contains(QStringLiteral("changed since")));

        // A wine with unsaved changes says that the page is not the file.
        wine.Modified = true;
        commands->PrintExecute(wine, WineFile());
        QVERIFY(QString::fromStdString(test::PdfText(printed.toStdString()))
                    .contains(QStringLiteral("(changed since, not saved)")));
        wine.Modified = false;

        printing.Print = false;
        QFile::remove(printed);
        commands->PrintExecute(wine, WineFile());
        QVERIFY(!QFile::exists(printed));
        QCOMPARE(ui->Events, QStringList());
    }
};

QTEST_MAIN(ReportCommandsTest)
#include "ReportCommandsTest.moc"
