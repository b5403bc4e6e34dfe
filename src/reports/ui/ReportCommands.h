#pragma once

#include "document/WineRec.h"
#include "entry/UnitSystem.h"
#include "reports/ReportPage.h"
#include "reports/ui/PrintDialogs.h"
#include "reports/ui/QtPrintDialogs.h"
#include "ui_common/FileDialogs.h"
#include "ui_common/UiServices.h"

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace zephra {

// The commands that take a wine out of the program: Export PDF..., Print...
// and Export Data.... Each acts on the wine it is given, as it stands (the
// stored results, nothing recalculated, unsaved changes included), with
// `wineFile` its file's path (or the name of an unsaved wine). The report
// and the JSON export give their values in `units`, which must outlive the
// commands.
class ReportCommands {
public:
    ReportCommands(QWidget& frame, UiServices services, const DisplayUnits& units = UsUnits);

    // The save dialogs, kept between uses like the wine file dialogs.
    FileDialog PdfDialog;
    FileDialog DataDialog;
    // The print preview and print dialogs: Qt's unless a test sets its own.
    PrintDialogs* Printing;
    // The settings file the report page reads the filterability index's
    // band limits from at each use (zephra.conf); empty: the published
    // limits.
    std::string BandsConfPath;

    // Asks for a file name (".pdf" forced) and writes the wine's lab report.
    void ExportPdfExecute(const TWineClass& wine, const QString& wineFile);
    // Shows the lab report in the print preview, which prints it.
    void PrintExecute(const TWineClass& wine, const QString& wineFile);
    // Asks for a file name and writes the wine's data: JSON when the name
    // ends in ".json", otherwise CSV (".csv" forced).
    void ExportDataExecute(const TWineClass& wine, const QString& wineFile);

private:
    // Shows `dialog` offering the wine file's name with `extension`, in the
    // wine's folder; the chosen path, or nothing when cancelled.
    std::optional<QString> AskFileName(FileDialog& dialog, const QString& wineFile,
                                       const QString& extension);
    // Writes the bytes made from the wine in `wineFile`; reports a failure,
    // or a path that names a wine file (see OutputRefusal), in a message box.
    void WriteOutput(const QString& path, const QByteArray& bytes, const QString& wineFile);
    // The wine's report page, the band limits read from BandsConfPath; a
    // problem with them is shown as a warning and the published limits used.
    ReportPage WineReportPage(const TWineClass& wine, const QString& wineFile);

    QWidget& frame_;
    UiServices services_;
    const DisplayUnits& units_;
    QtPrintDialogs qtPrinting_;
};

} // namespace zephra
