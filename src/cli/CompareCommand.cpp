#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"
#include "cli/GuiApplication.h"
#include "cli/OutputFile.h"
#include "cli/TerminalText.h"
#include "cli/WineFiles.h"
#include "document/ProgramConf.h"
#include "entry/AlignedLines.h"
#include "entry/ControlCharacters.h"
#include "reports/TrialComparison.h"
#include "reports/ui/ComparisonDocument.h"
#include "reports/ui/ReportDocument.h"

#include <QBuffer>
#include <QLocale>

#include <ostream>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace zephra::cli {

namespace {

constexpr const char* Help =
    "Usage: zephra-cli compare FILE.zph... [--csv | --json] [--by capacity|date]\n"
    "         [-o PLOT.png|PLOT.pdf]\n"
    "\n"
    "Puts trials side by side: for each wine its full name and filter, the trial\n"
    "start, the points counted, the filterability index with its reading band\n"
    "(only at standard conditions), Vmax with its 95 % interval where the\n"
    "standard law is the best, the best law, the capacity per m2 of filter by\n"
    "the exponential and power models (from the production area) and by the\n"
    "best law, and the flux decline. The stored results are used; nothing is\n"
    "recalculated.\n"
    "\n"
    "  --csv, --json   the table as CSV or as a JSON array instead of text\n"
    "  --by capacity   largest capacity per m2 by the best law first (default)\n"
    "  --by date       earliest trial start first: the trend of trials of one\n"
    "                  wine over days\n"
    "  -o PLOT         the graph of throughput per area (L/m2) against time of\n"
    "                  the trials: a PNG picture, or a landscape PDF with the\n"
    "                  whole table below the graph, over as many pages as it\n"
    "                  needs (by the name's extension). The graph holds the\n"
    "                  first 12 trials in the table's order; when there are\n"
    "                  more, it says so (the PDF under the graph, a PNG on\n"
    "                  standard error)\n"
    "\n"
    "The index bands' limits come from the [bands] section of zephra.conf.\n"
    "A wine that cannot be read is reported on standard error and left out; a\n"
    "file given more than once (under any name) is listed once.\n"
    "\n"
    "Exit status: 0 success, 1 a wine was left out or PLOT not written,\n"
    "2 wrong usage.\n";

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

QByteArray PlotBytes(const std::vector<ComparisonRow>& rows, bool pdf) {
    if (pdf) {
        QPageLayout landscape = ReportPageLayoutFor(QLocale::system());
        landscape.setOrientation(QPageLayout::Landscape);
        return ComparisonPdf(rows, landscape);
    }
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    ComparisonImage(rows, QSize(900, 600)).save(&png, "PNG");
    return png.data();
}

int RunCompare(const std::vector<std::string>& args, CommandStreams& io) {
    const ParsedArguments parsed = ParseArguments(
        args, {{"--csv", 0, false}, {"--json", 0, false}, {"--by", 1, false}, {"-o", 1, false}});
    if (parsed.help) {
        io.out << Help;
        return ExitSuccess;
    }
    if (parsed.has("--csv") && parsed.has("--json")) {
        throw UsageError("--csv and --json exclude each other");
    }
    const std::string by = parsed.value("--by", "capacity");
    if (by != "capacity" && by != "date") {
        throw UsageError("--by must be 'capacity' or 'date'");
    }
    const std::string plot = parsed.value("-o", "");
    const bool pdf = EndsWith(plot, ".pdf") || EndsWith(plot, ".PDF");
    if (parsed.has("-o") && !pdf && !EndsWith(plot, ".png") && !EndsWith(plot, ".PNG")) {
        throw UsageError("-o must name a .png or .pdf file");
    }
    if (parsed.positional.empty()) {
        throw UsageError("expected at least one wine file");
    }

    std::string problem;
    const IndexBandLimits bands = ReadIndexBandLimits(ProgramConfPath(), problem);
    if (!problem.empty()) {
        io.err << "zephra-cli compare: " << VisibleControlCharacters(problem) << '\n';
    }
    std::vector<ComparisonRow> rows;
    bool leftOut = false;
    std::set<std::pair<dev_t, ino_t>> seen;
    for (const std::string& path : parsed.positional) {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && !seen.insert({st.st_dev, st.st_ino}).second) {
            io.err << path << ": given before; listed once\n";
            continue;
        }
        TWineRec rec{};
        WineNotes notes;
        if (ReadWine(path, rec, notes, io.err)) {
            rows.push_back(
                ComparisonRowOf(rec, notes, path.substr(path.find_last_of('/') + 1), bands));
        } else {
            leftOut = true;
        }
    }
    if (rows.empty()) {
        io.err << "zephra-cli compare: no wine could be read\n";
        return ExitFailure;
    }
    SortComparison(rows, by == "date" ? ComparisonOrder::Date : ComparisonOrder::Capacity);

    if (parsed.has("--json")) {
        io.out << ComparisonJson(rows).dump(2) << '\n';
    } else if (parsed.has("--csv")) {
        io.out << ComparisonCsv(rows);
    } else {
        PrintAligned(ComparisonTableRows(rows), io.out);
    }
    if (parsed.has("-o")) {
        const std::unique_ptr<QGuiApplication> app = EnsureGuiApplication();
        const QByteArray bytes = PlotBytes(rows, pdf);
        if (!WriteOutput(
                plot, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                parsed.positional, io.out, io.err)) {
            return ExitFailure;
        }
        if (const std::string note = ComparisonChartNote(rows); !note.empty() && !pdf) {
            io.err << plot << ": " << note << '\n';
        }
    }
    return leftOut ? ExitFailure : ExitSuccess;
}

const CommandRegistration registration{"compare", "put trials side by side", RunCompare};

} // namespace

} // namespace zephra::cli
