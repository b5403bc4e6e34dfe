#include "analysis/UnusedRows.h"
#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"
#include "cli/WineFiles.h"
#include "entry/DataCheck.h"
#include "reports/DataCsv.h"

#include <charconv>
#include <istream>
#include <iterator>
#include <ostream>
#include <system_error>

namespace zephra::cli {

namespace {

constexpr const char* Help =
    "Usage: zephra-cli edit-data FILE.zph [--csv | --clear]\n"
    "         [--point I VOLUME MINUTES SECONDS]... [--skip K] [--drop-notes]\n"
    "\n"
    "Changes the data points of a wine as the Edit Data dialog does, then marks\n"
    "it changed, recalculates and writes it back.\n"
    "\n"
    "  --csv          read the whole data set from standard input as CSV: one\n"
    "                 point per line, 'VOLUME,MINUTES,SECONDS' (ml, whole minutes,\n"
    "                 seconds), point 1 first, at most 36 lines. A first line\n"
    "                 naming the columns (as 'zephra-cli export --format csv'\n"
    "                 writes) takes the volume_ml, minutes and seconds columns by\n"
    "                 name and ignores the others. Blanks around a value are\n"
    "                 ignored, empty lines and lines starting with '#' are skipped.\n"
    "                 Points after the last line become empty. An input without a\n"
    "                 data point (empty, or a header alone) or one that cannot\n"
    "                 be read is an error, and the file is not changed.\n"
    "  --clear        empty every point (to clear a wine's data on purpose);\n"
    "                 --point is applied after it.\n"
    "  --point I VOLUME MINUTES SECONDS\n"
    "                 set point I (1 to 36) to these texts, exactly as they would\n"
    "                 be typed into the dialog's boxes; an empty text (\"\") empties\n"
    "                 a box. Applied after --csv; may be repeated.\n"
    "  --skip K       number of leading points the fits skip, 0 to 12.\n";

constexpr const char* HelpEnd =
    "\n"
    "Points not mentioned keep their values. Every box is then checked and\n"
    "normalised as in the dialog (volume 0.1 to 100000 ml, minutes 0 to 999,\n"
    "seconds 0 to 59; decimal point \".\"): the first rejected box is reported\n"
    "with the dialog's message, followed by the box it found, and the file is not\n"
    "changed. Problems the calculation finds (such as too few points), and rows\n"
    "holding values that it does not use, are printed as '<file>: <message>'\n"
    "lines; the wine is still written.\n"
    "\n"
    "Example: printf '25.0,0,15\\n48.5,0,30\\n' | zephra-cli edit-data wine.zph --csv\n"
    "\n"
    "Exit status: 0 success, 1 a rejected entry or a file error, 2 wrong usage.\n";

// Reads the CSV data set from `in` into the form. Returns false after
// printing what is wrong with the input.
bool ReadCsv(std::istream& in, DataForm& form, std::ostream& err) {
    std::string text;
    try {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::system_error& failure) {
        err << "<stdin>: cannot be read: " << failure.code().message() << '\n';
        return false;
    }
    const DataPointsRead read = ReadDataCsv(text, form);
    if (read.Error) {
        err << "<stdin>:";
        if (read.ErrorLine > 0) {
            err << read.ErrorLine << ":";
        }
        err << " " << *read.Error << '\n';
        return false;
    }
    return true;
}

int NumberArgument(const std::string& text, int lo, int hi, const std::string& what) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value < lo ||
        value > hi) {
        throw UsageError(what + " must be a whole number from " + std::to_string(lo) + " to " +
                         std::to_string(hi) + ", not '" + text + "'");
    }
    return value;
}

std::string Describe(const DataCheckFailure& failure, const DataForm& form) {
    const int i = failure.Row - 1;
    switch (failure.Column) {
    case DataColumn::Volume:
        return "point " + std::to_string(failure.Row) + ", volume '" + form.Volume[i] + "'";
    case DataColumn::Minutes:
        return "point " + std::to_string(failure.Row) + ", minutes '" + form.Minutes[i] + "'";
    case DataColumn::Seconds:
        return "point " + std::to_string(failure.Row) + ", seconds '" + form.Seconds[i] + "'";
    }
    return {};
}

int RunEditData(const std::vector<std::string>& args, CommandStreams& io) {
    const ParsedArguments parsed = ParseArguments(args, {{"--csv", 0, false},
                                                         {"--clear", 0, false},
                                                         {"--point", 4, true},
                                                         {"--skip", 1, false},
                                                         DropNotesOptionSpec()});
    if (parsed.help) {
        io.out << Help << DropNotesHelp << HelpEnd;
        return ExitSuccess;
    }
    if (parsed.positional.size() != 1) {
        throw UsageError("expected one wine file");
    }
    if (parsed.has("--csv") && parsed.has("--clear")) {
        throw UsageError("--csv replaces every point already; give --csv or --clear");
    }
    std::optional<int> skip;
    if (parsed.has("--skip")) {
        skip = NumberArgument(parsed.value("--skip", ""), 0, MaxSkip, "--skip");
    }
    std::vector<std::pair<int, std::vector<std::string>>> points;
    if (parsed.has("--point")) {
        for (const std::vector<std::string>& values : parsed.options.at("--point")) {
            points.emplace_back(NumberArgument(values[0], 1, DataPointCount, "--point I"), values);
        }
    }

    const std::string& path = parsed.positional[0];
    TWineRec rec{};
    WineNotes notes;
    if (!ReadWine(path, rec, notes, io.err)) {
        return ExitFailure;
    }
    ApplyDropNotes(parsed, notes);
    DataForm form = LoadDataForm(rec);
    if (parsed.has("--csv") && !ReadCsv(io.in, form, io.err)) {
        return ExitFailure;
    }
    if (parsed.has("--clear")) {
        form.Volume.fill({});
        form.Minutes.fill({});
        form.Seconds.fill({});
    }
    for (const auto& [number, values] : points) {
        form.Volume[number - 1] = values[1];
        form.Minutes[number - 1] = values[2];
        form.Seconds[number - 1] = values[3];
    }
    if (skip) {
        form.Skip = skip;
    }
    if (const auto failure = DataRangeCheck(form)) {
        io.err << path << ": " << DataEntryErrorMessage << '\n'
               << path << ": " << Describe(*failure, form) << '\n';
        return ExitFailure;
    }
    StoreDataForm(rec, form, notes);
    if (!Recalculate(path, rec, io.err)) {
        return ExitFailure;
    }
    if (const auto warning = UnusedRowsWarning(rec.Data)) {
        io.err << path << ": " << *warning << '\n';
    }
    return SaveWine(path, rec, notes, io.err) ? ExitSuccess : ExitFailure;
}

const CommandRegistration registration{"edit-data", "enter or change the data points of a wine",
                                       RunEditData};

} // namespace

} // namespace zephra::cli
