#pragma once

#include "document/MessageBoxes.h"
#include "document/WineNotes.h"
#include "document/WineRec.h"

#include <string>

namespace zephra {

// A wine as its file holds it: the record and the notes after it.
struct WineFileContents {
    TWineRec Rec{};
    WineNotes Notes;
    // Why the bytes after the record were ignored ("The notes after the
    // wine record were ignored: their checksum does not match."); empty when
    // they were read or there were none.
    std::string NotesWarning;
};

// Reads the wine file at `path` into `wine`. The file is opened for reading
// only. Files of 2181..4361 bytes are accepted: the first 2181 bytes are the
// record, the rest the notes (WineTrailer.h). Notes that cannot be read are
// ignored and named in NotesWarning; they never make the file unreadable.
// On failure the message has been shown through `boxes` ("I/O Error type
// <errno> occurred while reading file." or "Error reading the data file.")
// and `wine` is unchanged.
bool ReadWineFile(const std::string& path, WineFileContents& wine, MessageBoxes& boxes);

// ReadWineFile for the record alone.
bool ZephraFileOpen(const std::string& path, TWineRec& rec, MessageBoxes& boxes);

// Writes the 2181 bytes of `rec`, followed by the notes when they hold
// anything (or the unreadable notes read with the wine, byte for byte), to
// `path` atomically: a temporary file in the same folder is written, flushed
// and renamed over the target, which keeps its permissions. Returns 0 on
// success or the errno of the failure; on failure the old file is intact.
// Notes that would make the file longer than 4361 bytes give EFBIG, notes
// that would replace unreadable ones the user has not let go
// (WineNotes::WouldReplaceUnreadable) ECANCELED; nothing is written then.
int WriteWineFile(const std::string& path, const TWineRec& rec, const WineNotes& notes = {});

// What a failed WriteWineFile's message adds to its error number, with a
// leading space: for EFBIG, that the notes do not fit in a wine file and
// what to do; for ECANCELED, UnreadableNotesText; empty for every other code.
std::string WineWriteErrorDetail(int code);

// Says that the wine's notes could not be read and that saving its new
// notes would replace them: the question before such a save.
std::string UnreadableNotesText();

} // namespace zephra
