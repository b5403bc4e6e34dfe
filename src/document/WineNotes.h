#pragma once

#include <cstddef>
#include <ctime>
#include <map>
#include <string>

namespace zephra {

struct TWineRec;

// What a wine keeps beside its record: the texts the record's fixed fields
// cannot hold. A wine file keeps them in the notes after its record
// (WineTrailer.h). Every text is UTF-8; an empty text is absent.
struct WineNotes {
    std::string Comments;   // the Comments box of the conditions dialog
    std::string WineName;   // the wine's full name, where the record cannot hold it
    std::string FilterName; // the filter's full name, likewise
    // When the trial's starting weight was read, as TrialStartedText writes it.
    std::string TrialStarted;
    // Keys of a later version, each with its value as compact JSON text;
    // written back unchanged.
    std::map<std::string, std::string> LaterKeys;

    bool Empty() const {
        return Comments.empty() && WineName.empty() && FilterName.empty() && TrialStarted.empty() &&
               LaterKeys.empty();
    }
    bool operator==(const WineNotes&) const = default;
};

// The name the notes keep for a name typed as `name`: the name itself where
// the record's 16 Windows-1252 characters cannot hold it exactly, otherwise
// nothing.
std::string NameForNotes(const std::string& name);

// The names in full: the notes' name where they keep one, otherwise the
// record's text.
std::string FullWineName(const TWineRec& rec, const WineNotes& notes);
std::string FullFilterName(const TWineRec& rec, const WineNotes& notes);

// `time` as an ISO 8601 local time with its offset from UTC, always
// TrialStartedLength characters: "2026-05-14T09:31:07+02:00".
std::string TrialStartedText(std::time_t time);
inline constexpr std::size_t TrialStartedLength = 25;

} // namespace zephra
