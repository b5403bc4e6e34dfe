#pragma once

// The filtration data dialog without its widgets: the 36 rows of box texts
// and the skip choice (DataForm), loading them from a wine, the OK check
// (DataRangeCheck) and storing them back.
//
// Use from a dialog: LoadDataForm(record) fills the boxes; on OK copy the
// boxes into the form, call DataRangeCheck, copy the texts back into the
// boxes (rewritten up to the failing box), and on failure show
// DataEntryErrorMessage in an information box and keep the dialog open. On
// success StoreDataForm(record, form), set Modified and recalculate.

#include "document/TextCatalog.h"
#include "document/WineNotes.h"
#include "document/WineRec.h"
#include "entry/DecimalMark.h"

#include <array>
#include <optional>
#include <string>

namespace zephra {

inline constexpr int DataPointCount = 36;
inline constexpr int MaxSkip = 12;
// The volumes a data point takes, in ml: the largest one fills the record's
// six-character field.
inline constexpr double SmallestVolumeMl = 0.1;
inline constexpr double LargestVolumeMl = 100000;

// Box texts (UTF-8) of the rows 1..36 (index 0..35) and the selected skip
// button, or nothing when none is selected.
struct DataForm {
    std::array<std::string, DataPointCount> Volume;
    std::array<std::string, DataPointCount> Minutes;
    std::array<std::string, DataPointCount> Seconds;
    std::optional<int> Skip;
};

enum class DataColumn { Volume, Minutes, Seconds };

// The box that failed the check: its column and its row (1..36).
struct DataCheckFailure {
    DataColumn Column;
    int Row;
};

inline constexpr const char* DataEntryErrorMessage = ShownText(
    "Messages", "There is an error in the data entry. Please correct it and retry, or cancel. "
                "(Volume increments must be greater than 0.1 ml.)");

// The dialog's message for a failed check: the row and column of the box,
// then DataEntryErrorMessage, then the decimal-comma hint when the box's
// text in `form` uses a comma as its decimal separator and the user's
// decimals are written with a point.
std::string DataCheckMessage(const DataCheckFailure& failure, const DataForm& form,
                             DecimalMark mark = DecimalMark::Point);

// The form showing a wine's readings; no skip button is selected when
// MinSkip is above 12.
DataForm LoadDataForm(const TWineRec& rec);

// Checks the volume boxes 1..36, then the minutes boxes, then the seconds
// boxes, rewriting each one that passes to its stored form (volumes
// SmallestVolumeMl to LargestVolumeMl with one decimal in 6 characters, minutes 0 to 999 in 3,
// seconds 0 to 59 as two digits; blank boxes become empty and pass). Stops at the first box that
// fails, which keeps its text; later boxes are untouched. Returns nothing when every box passed.
// With DecimalMark::Comma a box typed with a decimal comma ("302,1") is read and stored with a
// point.
std::optional<DataCheckFailure> DataRangeCheck(DataForm& form,
                                               DecimalMark mark = DecimalMark::Point);

// Stores a checked form: MinSkip from the selected button (kept when none
// is), then every text into its field (first 6, 3 or 2 characters). Only
// the length byte and text bytes of each field are written. A row whose
// texts change loses the reading time a collection run stamped in `notes`:
// a point typed by hand has no precise time.
void StoreDataForm(TWineRec& rec, const DataForm& form, WineNotes& notes);

} // namespace zephra
