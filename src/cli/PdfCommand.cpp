#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"
#include "cli/GuiApplication.h"
#include "cli/OutputFile.h"
#include "cli/UnitSystemOption.h"
#include "cli/WineFiles.h"
#include "document/ProgramConf.h"
#include "entry/ControlCharacters.h"
#include "reports/ui/ReportDocument.h"
#include "reports/ui/ReportSourceOf.h"

#include <QDateTime>

#include <ostream>

namespace zephra::cli {

namespace {

constexpr const char* Help =
    "Usage: zephra-cli pdf FILE.zph... -o OUT.pdf [--paper a4|letter]\n"
    "         [--unit-system us|metric]\n"
    "\n"
    "Writes the lab report of each wine as one page of a PDF file, in the order\n"
    "given: names, notes, file and dates; a results box (filterability index\n"
    "with its reading band at standard conditions, Vmax with its interval and\n"
    "lower bound where the standard law applies, the best law, the capacities\n"
    "and a verdict); the laboratory and full-scale conditions, the data table\n"
    "(points the fouling fits do not use marked '*'), both fouling models with\n"
    "their full-scale estimates, and the laboratory-scale, production-scale and\n"
    "fouling analysis graphs. The index bands' limits come from the [bands]\n"
    "section of zephra.conf (very_good, good, poor; 25, 50, 100 s by default). The paper follows "
    "the locale (US Letter where it\n"
    "measures in US units, A4 elsewhere) unless --paper is given.\n"
    "The stored results are shown as they are; nothing is recalculated.\n"
    "With --unit-system metric the values are in bar, L/h, L/(m²·h) and hL.\n"
    "Runs without a display.\n"
    "\n"
    "A wine that cannot be read is reported on standard error and left out; no\n"
    "file is written when none could be read. OUT.pdf is never a wine file:\n"
    "neither one of the wines nor another existing '.zph' file is replaced.\n"
    "'-o -' writes the PDF to standard output.\n"
    "\n"
    "Exit status: 0 success, 1 a wine was left out or OUT.pdf not written,\n"
    "2 wrong usage.\n";

QPageLayout PaperLayout(const std::string& paper) {
    if (paper == "a4") {
        return ReportPageLayoutFor(QLocale(QLocale::German, QLocale::Germany));
    }
    if (paper == "letter") {
        return ReportPageLayoutFor(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    return ReportPageLayoutFor(QLocale::system());
}

int RunPdf(const std::vector<std::string>& args, CommandStreams& io) {
    const ParsedArguments parsed =
        ParseArguments(args, {{"-o", 1, false}, {"--paper", 1, false}, UnitSystemOptionSpec()});
    if (parsed.help) {
        io.out << Help;
        return ExitSuccess;
    }
    const std::string paper = parsed.value("--paper", "");
    if (parsed.has("--paper") && paper != "a4" && paper != "letter") {
        throw UsageError("--paper must be 'a4' or 'letter'");
    }
    const DisplayUnits units = UnitsOption(parsed);
    if (!parsed.has("-o")) {
        throw UsageError("-o OUT.pdf is required");
    }
    if (parsed.positional.empty()) {
        throw UsageError("expected at least one wine file");
    }

    const std::unique_ptr<QGuiApplication> app = EnsureGuiApplication();
    std::string problem;
    const IndexBandLimits bands = ReadIndexBandLimits(ProgramConfPath(), problem);
    if (!problem.empty()) {
        io.err << "zephra-cli pdf: " << VisibleControlCharacters(problem) << '\n';
    }
    const QDateTime now = QDateTime::currentDateTime();
    std::vector<ReportPage> pages;
    bool leftOut = false;
    for (const std::string& path : parsed.positional) {
        TWineRec rec{};
        WineNotes notes;
        if (ReadWine(path, rec, notes, io.err)) {
            pages.push_back(BuildReportPage(rec, ReportSourceOf(QString::fromStdString(path), now),
                                            notes, bands, units));
        } else {
            leftOut = true;
        }
    }
    if (pages.empty()) {
        io.err << "zephra-cli pdf: no wine could be read; nothing was written\n";
        return ExitFailure;
    }
    const QByteArray pdf = ReportPdf(
        pages, {QString::fromStdString(ReportTitle(pages)), ReportAuthor()}, PaperLayout(paper));
    const std::string output = parsed.value("-o", "");
    if (!WriteOutput(output,
                     std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())),
                     parsed.positional, io.out, io.err)) {
        return ExitFailure;
    }
    return leftOut ? ExitFailure : ExitSuccess;
}

const CommandRegistration registration{"pdf", "write the lab report of wines as a PDF file",
                                       RunPdf};

} // namespace

} // namespace zephra::cli
