#include "document/WineFile.h"

#include "document/AtomicFile.h"
#include "document/TextCatalog.h"
#include "document/WineTrailer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zephra {

namespace {

// Reads exactly `size` bytes unless the file ends first; returns the count
// read or -1 with errno set.
ssize_t ReadFully(int fd, unsigned char* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, buffer + done, size - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return -1;
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

} // namespace

bool ReadWineFile(const std::string& path, WineFileContents& wine, MessageBoxes& boxes) {
    const auto ioError = [&](int code) {
        boxes.Error("I/O Error type " + std::to_string(code) + " occurred while reading file.");
        return false;
    };
    // Non-blocking so that a named pipe given as a wine file cannot hang the
    // program; it has no length and is rejected by the size rule below.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        return ioError(errno);
    }
    struct stat st {};
    if (::fstat(file.get(), &st) != 0) {
        return ioError(errno);
    }
    if (S_ISDIR(st.st_mode)) {
        return ioError(EISDIR);
    }
    if (st.st_size / static_cast<off_t>(WineRecSize) != 1) {
        boxes.Error(ShownText("Messages", "Error reading the data file."));
        return false;
    }
    unsigned char bytes[WineRecSize + MaxTrailerSize];
    const ssize_t n = ReadFully(file.get(), bytes, static_cast<std::size_t>(st.st_size));
    if (n < 0) {
        return ioError(errno);
    }
    if (static_cast<std::size_t>(n) < WineRecSize) {
        boxes.Error(ShownText("Messages", "Error reading the data file."));
        return false;
    }
    std::memcpy(&wine.Rec, bytes, WineRecSize);
    TrailerRead trailer =
        DecodeTrailer(bytes + WineRecSize, static_cast<std::size_t>(n) - WineRecSize);
    wine.Notes = std::move(trailer.Notes);
    wine.NotesWarning.clear();
    if (!trailer.Problem.empty()) {
        wine.NotesWarning =
            "The notes after the wine record were ignored: " + trailer.Problem + ".";
    }
    return true;
}

std::string UnreadableNotesText() {
    return CoreText("WineFile",
                    "The notes after the wine record could not be read by this version of the "
                    "program; saving the wine's new notes replaces them, and their comments, full "
                    "names and reading times are lost.");
}

bool ZephraFileOpen(const std::string& path, TWineRec& rec, MessageBoxes& boxes) {
    WineFileContents wine;
    if (!ReadWineFile(path, wine, boxes)) {
        return false;
    }
    rec = wine.Rec;
    return true;
}

int WriteWineFile(const std::string& path, const TWineRec& rec, const WineNotes& notes) {
    if (notes.WouldReplaceUnreadable()) {
        return ECANCELED;
    }
    const std::vector<unsigned char> trailer = EncodeTrailer(notes);
    if (trailer.size() > MaxTrailerSize) {
        return EFBIG;
    }
    std::vector<unsigned char> bytes(WineRecSize + trailer.size());
    std::memcpy(bytes.data(), &rec, WineRecSize);
    std::copy(trailer.begin(), trailer.end(), bytes.begin() + WineRecSize);
    return WriteFileAtomically(path, bytes.data(), bytes.size());
}

std::string WineWriteErrorDetail(int code) {
    if (code == ECANCELED) {
        return " " + UnreadableNotesText();
    }
    if (code != EFBIG) {
        return {};
    }
    return " " + CoreText("WineFile",
                          "The file would be too large: the wine's notes (comments, full names, "
                          "reading times) do not fit after the record. Shorten the comments and "
                          "save again.");
}

} // namespace zephra
