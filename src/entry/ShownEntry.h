#pragma once

// An entry field of the record shown and typed in another unit: the value
// typed is converted to the record's unit and stored in the field's own
// fixed-width form (Format, EntryFormat.h); the value shown is the stored
// one converted back. `factor` is the shown unit per stored unit (shown
// value = stored value × factor, see UnitSystem.h).

#include "entry/EntryFormat.h"

#include <optional>
#include <string>
#include <string_view>

namespace zephra {

// `shown`, a number of the entry grammar typed in the shown unit, as a
// number of the same grammar in the stored unit, every digit kept (the
// field's check formats it); any other text unchanged.
std::string ConvertedEntryText(std::string_view shown, double factor);

// The stored text of `shown`, a number of the entry grammar typed in the
// shown unit; nothing when it is not a number or its stored value lies
// outside the field's range.
std::optional<std::string> StoredEntryText(std::string_view shown, double factor,
                                           const StoredFormat& format);

// What a stored text shows: the shortest decimal number (the fewest
// significant digits) whose stored text is `stored` in the field's form.
// Confirming it therefore stores the same text again, and a value typed to
// that precision comes back as typed ("2" bar is stored as " 29.0" psi,
// which shows as "2"). A text that is not a number is shown unchanged; a
// number the field would not accept is converted and shown with four
// significant digits.
std::string ShownEntryText(std::string_view stored, double factor, const StoredFormat& format);

// The field's range limit `storedBound` in the shown unit, for a message:
// three significant digits, rounded into the range (up for the lower
// limit, down for the upper), without trailing zeros ("0.0069", "68.9").
std::string ShownBoundText(double storedBound, double factor, bool lower);

// x with `digits` significant digits in fixed-point notation ("0.006895",
// "344.7", "454034").
std::string SignificantFixedText(double x, int digits);

} // namespace zephra
