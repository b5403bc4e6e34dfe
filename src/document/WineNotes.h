#pragma once

#include <cstddef>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <vector>

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
    // Each stored reading's time since the starting weight in tenths of a
    // second, row 1 first, as the collection run stamped it at the request;
    // nothing for a row without such a time (typed or edited by hand).
    std::vector<std::optional<int>> ReadingTimesDs;
    // Keys of a later version, each with its value's JSON text exactly as
    // read; written back unchanged.
    std::map<std::string, std::string> LaterKeys;
    // The bytes after the record as the file held them when they could not
    // be read (damaged, or notes of a later version); the fields above are
    // then empty. They are written back unchanged as long as the notes get
    // no content of their own: only the user may have them replaced.
    std::vector<unsigned char> Unreadable;

    // True when the notes hold nothing of their own (Unreadable aside).
    bool Empty() const {
        return Comments.empty() && WineName.empty() && FilterName.empty() && TrialStarted.empty() &&
               ReadingTimesDs.empty() && LaterKeys.empty();
    }
    // True when saving these notes would replace unreadable ones: the user
    // has to agree first (and Unreadable is then cleared).
    bool WouldReplaceUnreadable() const { return !Unreadable.empty() && !Empty(); }
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

// The readings' times in seconds for the leading rows that have one, as
// the fouling analysis takes them; empty when row 1 has none.
std::vector<double> ReadingSeconds(const WineNotes& notes);

// Row `row`'s (0-based) reading time set to `ds` tenths of a second, or
// taken away with nothing; the list ends at its last time.
void SetReadingTime(WineNotes& notes, std::size_t row, std::optional<int> ds);

// `time` as an ISO 8601 local time with its offset from UTC, always
// TrialStartedLength characters: "2026-05-14T09:31:07+02:00".
std::string TrialStartedText(std::time_t time);
inline constexpr std::size_t TrialStartedLength = 25;

} // namespace zephra
