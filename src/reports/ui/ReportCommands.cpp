#include "reports/ui/ReportCommands.h"

#include "reports/DataCsv.h"
#include "reports/WineJson.h"
#include "reports/ui/OutputFile.h"
#include "reports/ui/ReportDocument.h"
#include "reports/ui/ReportSourceOf.h"
#include "ui_common/OverwriteQuestion.h"
#include "ui_common/WineFileNames.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QPrinter>

namespace zephra {

ReportCommands::ReportCommands(QWidget& frame, UiServices services, const DisplayUnits& units)
    : PdfDialog(FileDialog::Kind::Save, services.Dialogs),
      DataDialog(FileDialog::Kind::Save, services.Dialogs), Printing(&qtPrinting_), frame_(frame),
      services_(services), units_(units) {
    PdfDialog.Setup.Filter = QCoreApplication::translate("ReportCommands", "PDF files|*.pdf");
    DataDialog.Setup.Filter =
        QCoreApplication::translate("ReportCommands", "CSV files|*.csv|JSON files|*.json");
}

void ReportCommands::ExportPdfExecute(const TWineClass& wine, const QString& wineFile) {
    const std::optional<QString> chosen = AskFileName(PdfDialog, wineFile, QStringLiteral(".pdf"));
    if (!chosen)
        return;
    const QString path = ForceExtension(*chosen, QStringLiteral(".pdf"));
    if (!MayOverwrite(services_.Boxes, path))
        return;
    const std::vector<ReportPage> pages{WineReportPage(wine, wineFile)};
    WriteOutput(path,
                ReportPdf(pages, {QString::fromStdString(ReportTitle(pages)), ReportAuthor()},
                          ReportPageLayoutFor(QLocale::system())),
                wineFile);
}

ReportPage ReportCommands::WineReportPage(const TWineClass& wine, const QString& wineFile) {
    std::string problem;
    const IndexBandLimits bands =
        BandsConfPath.empty() ? IndexBandLimits{} : ReadIndexBandLimits(BandsConfPath, problem);
    if (!problem.empty()) {
        services_.Boxes.Warning(problem);
    }
    return BuildReportPage(wine.WineRec,
                           ReportSourceOf(wineFile, QDateTime::currentDateTime(), wine.Modified),
                           wine.Notes, bands, units_);
}

void ReportCommands::PrintExecute(const TWineClass& wine, const QString& wineFile) {
    const std::vector<ReportPage> pages{WineReportPage(wine, wineFile)};
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReportPageLayoutFor(QLocale::system()));
    printer.setDocName(QString::fromStdString(ReportTitle(pages)));
    printer.setCreator(QStringLiteral("ZEPHRA"));
    Printing->PreviewAndPrint(&frame_, printer,
                              [&pages](QPrinter& target) { PaintReport(target, pages); });
}

void ReportCommands::ExportDataExecute(const TWineClass& wine, const QString& wineFile) {
    const std::optional<QString> chosen = AskFileName(DataDialog, wineFile, QStringLiteral(".csv"));
    if (!chosen)
        return;
    const bool json = chosen->endsWith(QStringLiteral(".json"), Qt::CaseInsensitive);
    const QString path = json ? *chosen : ForceExtension(*chosen, QStringLiteral(".csv"));
    if (!MayOverwrite(services_.Boxes, path))
        return;
    WriteOutput(path,
                QByteArray::fromStdString(json ? WineJsonText(wine.WineRec, wine.Notes)
                                               : DataCsvText(wine.WineRec)),
                wineFile);
}

std::optional<QString> ReportCommands::AskFileName(FileDialog& dialog, const QString& wineFile,
                                                   const QString& extension) {
    const QFileInfo wine(wineFile);
    dialog.Setup.FileName = wine.completeBaseName() + extension;
    if (wine.exists())
        dialog.Setup.InitialDir = wine.absolutePath();
    else if (dialog.Setup.InitialDir.isEmpty())
        dialog.Setup.InitialDir = services_.Dialogs.DocumentsFolder();
    if (!dialog.Execute(&frame_))
        return std::nullopt;
    dialog.Setup.InitialDir = FolderOf(dialog.Setup.FileName);
    return dialog.Setup.FileName;
}

void ReportCommands::WriteOutput(const QString& path, const QByteArray& bytes,
                                 const QString& wineFile) {
    WriteOutputFile(path, bytes, {LocalPath(wineFile)}, services_.Boxes);
}

} // namespace zephra
