#pragma once

#include "document/WineNotes.h"
#include "document/WineRec.h"

#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace zephra {

// Where the recovery journals live: $XDG_STATE_HOME/zephra, or
// ~/.local/state/zephra when XDG_STATE_HOME is unset or empty. The folder is
// the user's alone (mode 0700): a journal creates it so, closes one of the
// user's that others could read or write, and refuses a folder of another
// user.
std::string RecoveryFolder();

// A wine as a recovery journal keeps it: enough to show it again in a window.
struct CollectedWine {
    std::string fileName; // the wine's file; empty for a wine never saved
    std::string caption;  // the caption of its window, UTF-8
    TWineRec rec{};
    WineNotes notes; // what the wine's file keeps after the record
};

// The bytes of a journal. It starts with "ZPHJ" and the version (u32, 1),
// then holds frames: a kind (one byte), the payload's length (u32), the
// payload and the CRC-32 of kind, length and payload (u32); numbers are
// little-endian. A 'W' frame holds the whole wine: its file name and caption
// (each a u16 length and UTF-8 bytes), the 2181 bytes of the record, then
// the notes as a wine file keeps them after the record (WineTrailer.h;
// nothing for a wine without notes). A 'D' frame holds the 506 bytes of the
// record's data after a stored point.
// The first frame is a 'W' frame; the wine is the last 'W' frame with the
// data of the last 'D' frame after it.
std::string JournalStart(const CollectedWine& wine);
std::string JournalFrame(const CollectedWine& wine);
std::string JournalFrame(const TData& data);

// What a journal's bytes hold.
struct JournalContents {
    enum class State {
        Intact,  // `wine` holds what the journal kept
        Unused,  // the journal ends before its first frame: it never kept a reading
        Damaged, // not a journal this program can read; `problem` says why
    };
    State state = State::Damaged;
    std::string problem;
    CollectedWine wine;
    // Leading points of the wine's data, as collected.
    int readings = 0;
    // Frames after the last intact one were left out: the last write was
    // cut short when the program ended.
    bool tornTail = false;
};

// Reads a journal's bytes. Only the end of a journal may be unfinished (a
// frame cut short, a frame whose check fails with nothing but zero bytes
// after it); anything else wrong makes the journal damaged.
JournalContents ReadJournal(std::string_view bytes);

class LeftJournal;

// The recovery journal of one wine's collected data. The first `Keep`
// creates a journal file in the folder (creating the folder when missing)
// and writes the whole wine; a later one appends the wine's data, or the
// whole wine again when its file name, caption or notes changed. Each `Keep` is on
// the disk when it returns. While the object holds its file the file is
// locked, so that a program starting meanwhile leaves it alone. `Remove`
// (the wine was saved or its data given up) and the destructor delete it.
class RecoveryJournal {
public:
    explicit RecoveryJournal(std::string folder);
    ~RecoveryJournal();
    RecoveryJournal(const RecoveryJournal&) = delete;
    RecoveryJournal& operator=(const RecoveryJournal&) = delete;

    // Returns 0, or the errno of the failure; the file is then as it was.
    int Keep(const CollectedWine& wine);
    // Takes `left` over as this journal, holding the wine it keeps: for a
    // wine restored from it whose own journal could not be written, so that
    // its data never live in memory alone. Later `Keep`s append to it, and
    // `Remove` deletes it. Returns 0, or the errno of the failure; `left`
    // then stays where it is, to be offered at the next start.
    int TakeOver(LeftJournal& left);
    void Remove();
    // The journal file, empty while there is none.
    const std::string& Path() const { return path_; }

private:
    int Create();
    int Append(const std::string& bytes);

    std::string folder_;
    std::string path_;
    int fd_ = -1;
    off_t size_ = 0;
    std::string fileName_;
    std::string caption_;
    WineNotes notes_;
};

// A journal that a program left behind: it ended while a wine held data
// that no file held. Holds the journal's lock until it is destroyed.
class LeftJournal {
public:
    LeftJournal(std::string path, int lockFd, JournalContents contents);
    LeftJournal(LeftJournal&& other) noexcept;
    LeftJournal& operator=(LeftJournal&& other) noexcept;
    LeftJournal(const LeftJournal&) = delete;
    ~LeftJournal();

    const std::string& Path() const { return path_; }
    const JournalContents& Contents() const { return contents_; }
    // Deletes the journal; 0 or the errno of the failure.
    int Discard();
    // Lets go of the journal's lock (RecoveryJournal::TakeOver takes it).
    void Unlock() noexcept;
    // Renames a damaged journal to "<path>.damaged", where it is kept for a
    // look but never offered again; returns the new path, or empty when the
    // rename failed.
    std::string MoveAside();

private:
    std::string path_;
    int lockFd_;
    JournalContents contents_;
};

// The journals in `folder` left by programs that are no longer running,
// oldest first. Journals that never kept a reading are deleted on the way;
// a journal still locked by a running program is left alone. Only regular
// files of the user in a folder of the user's are taken (the folder's mode
// closed to 0700 first): none planted by another user is ever offered.
std::vector<LeftJournal> FindLeftJournals(const std::string& folder);

} // namespace zephra
