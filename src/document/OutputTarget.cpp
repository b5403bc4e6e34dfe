#include "document/OutputTarget.h"

#include "document/FileDescriptor.h"
#include "document/TextCatalog.h"
#include "document/WineRec.h"
#include "document/WineTrailer.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zephra {

namespace {

bool NamesWineFile(const std::string& path) {
    constexpr std::string_view Extension = ".zph";
    if (path.size() < Extension.size()) {
        return false;
    }
    return std::equal(
        Extension.begin(), Extension.end(), path.end() - Extension.size(),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// The name of the file `path` leads to, links followed.
std::string RealName(const std::string& path) {
    char real[PATH_MAX];
    return ::realpath(path.c_str(), real) != nullptr ? std::string(real) : path;
}

template <std::size_t N> bool Fits(const ShortString<N>& text) {
    return text.len <= N;
}

// True when every text of the record is within its field, as in every
// record the program writes; other files of a wine's length seldom are.
bool TextsFitTheirFields(const TWineRec& rec) {
    const TConditions& c = rec.Conditions;
    bool fit = Fits(c.WineName) && Fits(c.FilterName) && Fits(c.LabP) && Fits(c.LabFiltDia) &&
               Fits(c.ProdP) && Fits(c.ProdA) && Fits(c.ProdRate) && Fits(rec.LabA) &&
               Fits(rec.bE) && Fits(rec.bP) && Fits(rec.ExpectedVolE) && Fits(rec.ExpectedVolP) &&
               Fits(rec.rE) && Fits(rec.rP) && Fits(rec.a) && Fits(rec.RmE) && Fits(rec.RmP) &&
               Fits(rec.MaxProdR) && Fits(rec.LabEquivVol) && Fits(rec.LabFaceVel) &&
               Fits(rec.ProdFaceVel);
    for (std::size_t i = 0; i < std::size(rec.Data.V); ++i) {
        const TTableRow& row = rec.TableData[i];
        fit = fit && Fits(rec.Data.V[i]) && Fits(rec.Data.T[i].M) && Fits(rec.Data.T[i].Sc) &&
              Fits(row.V) && Fits(row.Min) && Fits(row.Sec) && Fits(row.VA) && Fits(row.R) &&
              Fits(row.Rexp) && Fits(row.Rpower);
    }
    return fit;
}

// True when the regular file `path` may be a wine whatever its name: it has
// a wine file's length and its first bytes read as a wine record. A file
// of that length that cannot be read may be one too.
bool MayBeAWine(const std::string& path, const struct stat& st) {
    if (st.st_size < static_cast<off_t>(WineRecSize) ||
        st.st_size > static_cast<off_t>(WineRecSize + MaxTrailerSize)) {
        return false;
    }
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    TWineRec rec{};
    if (file.get() < 0 ||
        ::read(file.get(), &rec, WineRecSize) != static_cast<ssize_t>(WineRecSize)) {
        return true;
    }
    return TextsFitTheirFields(rec);
}

} // namespace

std::optional<std::string> OutputRefusal(const std::string& path,
                                         const std::vector<std::string>& inputs) {
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0) {
        return std::nullopt; // a new file
    }
    for (const std::string& input : inputs) {
        struct stat wine {};
        if (::stat(input.c_str(), &wine) == 0 && wine.st_dev == target.st_dev &&
            wine.st_ino == target.st_ino) {
            return FilledIn(
                CoreText("OutputTarget", "it is the wine file %1, which the output is made from"),
                {input});
        }
    }
    if (!S_ISREG(target.st_mode)) {
        return std::nullopt;
    }
    if (NamesWineFile(path) || NamesWineFile(RealName(path)) || MayBeAWine(path, target)) {
        return CoreText("OutputTarget", "it is a wine file, which an output never replaces");
    }
    // Written in place, a file with other names would change under them all.
    if (target.st_nlink > 1) {
        return CoreText("OutputTarget",
                        "the file has other names (hard links), which would all change with it");
    }
    return std::nullopt;
}

} // namespace zephra
