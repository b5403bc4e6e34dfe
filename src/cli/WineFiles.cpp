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

bool SaveWine(const std::string& path, const TWineRec& rec, const WineNotes& notes,
              std::ostream& err) {
    const int code = WriteWineFile(path, rec, notes);
    if (code != 0) {
        err << path << ": I/O Error type " << code
            << " occurred while saving the wine file. Your data was not saved!\n";
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
