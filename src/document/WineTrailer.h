#pragma once

// The notes after the wine record. A reader of the record alone accepts
// files of 2181 to 4361 bytes and ignores everything after the first 2181,
// so the notes are invisible to it. Their layout (integers little-endian):
//
//   offset  size  field
//   0       4     magic "ZPHN"
//   4       2     version, 1
//   6       2     n, the length of the text
//   8       n     the text: one JSON object in UTF-8 (WineNotes' keys)
//   8 + n   4     CRC-32 (as zlib's crc32) of bytes 0 .. 8 + n - 1
//
// The notes end the file: its length is 2181 + 12 + n, at most 4361.

#include "document/WineNotes.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zephra {

// The room after the record: a file holds at most 4361 bytes.
inline constexpr std::size_t MaxTrailerSize = 2180;

// The notes as bytes after the record; nothing for notes without content.
// The texts are taken as UTF-8 (a malformed sequence becomes U+FFFD). The
// result may be longer than MaxTrailerSize: the caller refuses it.
std::vector<unsigned char> EncodeTrailer(const WineNotes& notes);

// The bytes after a record read back. `Problem` says why they were not
// taken ("their checksum does not match"); the notes are then empty.
// Nothing after the record gives empty notes without a problem.
struct TrailerRead {
    WineNotes Notes;
    std::string Problem;
};
TrailerRead DecodeTrailer(const unsigned char* bytes, std::size_t size);

// How far the notes of a wine with these texts would overrun the room
// after the record (0 when they fit), counting the room a collection run
// takes later for the time the trial started.
std::size_t TrailerOverrun(const WineNotes& notes);

} // namespace zephra
