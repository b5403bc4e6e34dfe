#pragma once

// The filtration conditions dialog without its widgets: the box texts and
// choices (ConditionsForm) and the OK check (ConditionsRangeCheck).
//
// Use from a dialog: copy the boxes into a ConditionsForm, call
// ConditionsRangeCheck, copy the numeric texts back into the boxes (they are
// rewritten up to the failing field), and on failure show the returned
// message in an information box and keep the dialog open. On success the
// form holds the texts the record stores; see ConditionsRecord.h.

#include "entry/EntryFormat.h"

#include <optional>
#include <string>

namespace zephra {

// What the dialog holds. Names are UTF-8 as typed; the numeric texts are the
// boxes' texts (rewritten to their stored fixed-width form by the check).
struct ConditionsForm {
    std::string WineName;
    std::string FilterName;
    int WineType = 0;           // 0 = Normal, 1 = Dessert
    std::string LabPressure;    // psi
    std::string FilterDiameter; // mm
    std::string MaxPressure;    // psi
    std::string Area;           // m²
    std::string Rate;           // bpm or gpm
    int RateUnits = 0;          // 0 = bpm, 1 = gpm (2, 3 in a shown form: ShownConditions.h)
    std::string Comments;       // UTF-8, as typed
};

// The fields in the order the check examines them.
enum class ConditionsField {
    WineName,
    FilterName,
    LabPressure,
    FilterDiameter,
    MaxPressure,
    Area,
    Rate,
    Comments
};

struct ConditionsCheckFailure {
    ConditionsField Field;
    // The text of the information box; for a numeric field typed with a
    // decimal comma it ends with DecimalCommaHint.
    std::string Message;
};

// Checks the fields in order and stops at the first failure. A blank name
// counts as filled (only the empty text fails); a name holding a control
// character (see ControlCharacters.h) fails right after its own emptiness
// check, before the next field. Each numeric text is
// replaced by its fixed-width form as soon as it passes; the failing text
// stays as typed and later fields are not looked at. Last, the full names
// and the comments must fit the wine file's notes (WineTrailer.h), with
// room for what a collection run adds; otherwise the box holding the
// longest of them fails. Returns nothing when every field passed.
std::optional<ConditionsCheckFailure> ConditionsRangeCheck(ConditionsForm& form);

// How a numeric field (LabPressure to Rate) stores its text, as the check
// formats it.
StoredFormat StoredFormatOf(ConditionsField field);

} // namespace zephra
