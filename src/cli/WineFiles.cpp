#include "cli/WineFiles.h"

#include "analysis/Calculate.h"
#include "cli/PrintedBoxes.h"
#include "document/WineFile.h"

#include <exception>
#include <ostream>

namespace zephra::cli {

bool ReadWine(const std::string& path, TWineRec& rec, WineNotes& notes, std::ostream& err) {
    PrintedBoxes boxes(err, path);
    WineFileContents wine;
    if (!ReadWineFile(path, wine, boxes)) {
        return false;
    }
    if (!wine.NotesWarning.empty()) {
        err << path << ": " << wine.NotesWarning << '\n';
    }
    rec = wine.Rec;
    notes = std::move(wine.Notes);
    return true;
}

bool ReadWine(const std::string& path, TWineRec& rec, std::ostream& err) {
    WineNotes unused;
    return ReadWine(path, rec, unused, err);
}

OptionSpec DropNotesOptionSpec() {
    return {"--drop-notes", 0, false};
}

const char* const DropNotesHelp =
    "  --drop-notes   let the notes after the wine record go when this version\n"
    "                 cannot read them (damaged, or of a later version). Without\n"
    "                 it they are written back unchanged, and a change that would\n"
    "                 replace them is refused.\n";

void ApplyDropNotes(const ParsedArguments& parsed, WineNotes& notes) {
    if (parsed.has("--drop-notes")) {
        notes.Unreadable.clear();
    }
}

bool MayReplaceNotes(const std::string& path, const WineNotes& notes, bool gainsNotes,
                     std::ostream& err) {
    if (notes.Unreadable.empty() || (!gainsNotes && notes.Empty())) {
        return true;
    }
    err << path << ": not saved: " << UnreadableNotesText()
        << " Give --drop-notes to save the wine without them.\n";
    return false;
}

bool SaveWine(const std::string& path, const TWineRec& rec, const WineNotes& notes,
              std::ostream& err) {
    if (!MayReplaceNotes(path, notes, false, err)) {
        return false;
    }
    const int code = WriteWineFile(path, rec, notes);
    if (code != 0) {
        err << path << ": I/O Error type " << code
            << " occurred while saving the wine file. Your data was not saved!"
            << WineWriteErrorDetail(code) << '\n';
        return false;
    }
    return true;
}

bool Recalculate(const std::string& path, TWineRec& rec, std::ostream& err) {
    PrintedBoxes boxes(err, path);
    try {
        Calculate(rec, true, boxes);
    } catch (const std::exception& e) {
        err << path << ": " << e.what() << '\n';
        return false;
    }
    return true;
}

} // namespace zephra::cli
