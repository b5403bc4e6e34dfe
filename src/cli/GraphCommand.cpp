#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"
#include "cli/GuiApplication.h"
#include "cli/OutputFile.h"
#include "cli/PrintedBoxes.h"
#include "cli/WineFiles.h"
#include "graphs/FloatingPointFault.h"
#include "graphs/ui/GraphImages.h"

#include <QBuffer>
#include <QImage>
#include <QString>

#include <memory>
#include <ostream>

namespace zephra::cli {

namespace {

constexpr const char* Help =
    "Usage: zephra-cli graph --kind window|lab|production FILE.zph -o OUT.png\n"
    "\n"
    "Draws one of the three graphs of a wine and saves it as a PNG picture,\n"
    "exactly as the desktop program draws it, without a window:\n"
    "  window      the small graph of the wine window (250 x 200)\n"
    "  lab         the laboratory-scale graph window (700 x 600)\n"
    "  production  the production-scale graph window (700 x 600)\n"
    "The stored results are drawn as they are; nothing is recalculated.\n"
    "OUT.png is written atomically and is never a wine file; '-o -' writes the\n"
    "picture to standard output.\n"
    "Runs without a display: the offscreen platform is used unless\n"
    "QT_QPA_PLATFORM says otherwise.\n"
    "\n"
    "Exit status: 0 success, 1 the file could not be read, the graph could\n"
    "not be drawn or the picture not written, 2 wrong usage.\n";

constexpr int WineGraphWidth = 250;
constexpr int WineGraphHeight = 200;

QImage DrawPicture(const std::string& kind, const TWineRec& rec) {
    if (kind == "window") {
        return WineGraphImage(rec, QSize(WineGraphWidth, WineGraphHeight),
                              DesktopColoursOf(QGuiApplication::palette()));
    }
    const Colour text = DesktopColoursOf(QGuiApplication::palette()).WindowText;
    return GraphWindowImage(rec, kind == "lab" ? GraphScale::Laboratory : GraphScale::Production,
                            text);
}

int RunGraph(const std::vector<std::string>& args, CommandStreams& io) {
    const ParsedArguments parsed = ParseArguments(args, {{"--kind", 1, false}, {"-o", 1, false}});
    if (parsed.help) {
        io.out << Help;
        return ExitSuccess;
    }
    const std::string kind = parsed.value("--kind", "");
    if (kind != "window" && kind != "lab" && kind != "production") {
        throw UsageError("--kind must be 'window', 'lab' or 'production'");
    }
    if (!parsed.has("-o")) {
        throw UsageError("-o OUT.png is required");
    }
    if (parsed.positional.size() != 1) {
        throw UsageError("expected one wine file");
    }
    const std::string& path = parsed.positional[0];
    const std::string output = parsed.value("-o", "");

    TWineRec rec{};
    if (!ReadWine(path, rec, io.err)) {
        return ExitFailure;
    }
    const std::unique_ptr<QGuiApplication> app = EnsureGuiApplication();
    QImage picture;
    try {
        picture = DrawPicture(kind, rec);
    } catch (const FloatingPointFault& fault) {
        PrintedBoxes(io.err, path).Error(fault.what());
        return ExitFailure;
    }
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!picture.save(&png, "PNG")) {
        io.err << output << ": the picture could not be made\n";
        return ExitFailure;
    }
    const QByteArray& bytes = png.data();
    return WriteOutput(output,
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       {path}, io.out, io.err)
               ? ExitSuccess
               : ExitFailure;
}

const CommandRegistration registration{"graph", "draw a graph of a wine as a PNG picture",
                                       RunGraph};

} // namespace

} // namespace zephra::cli
