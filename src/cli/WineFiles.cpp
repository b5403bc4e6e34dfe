#include "cli/WineFiles.h"

#include "analysis/Calculate.h"
#include "cli/PrintedBoxes.h"
#include "document/WineFile.h"

#include <exception>
#include <ostream>

namespace zephra::cli {

bool ReadWine(const std::string& path, TWineRec& rec, std::ostream& err) {
    PrintedBoxes boxes(err, path);
    return ZephraFileOpen(path, rec, boxes);
}

bool SaveWine(const std::string& path, const TWineRec& rec, std::ostream& err) {
    const int code = WriteWineFile(path, rec);
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
