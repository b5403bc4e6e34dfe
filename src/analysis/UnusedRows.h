#pragma once

#include "document/WineRec.h"

#include <optional>
#include <string>

namespace zephra {

// The calculation counts the readings from row 1 up to the first row whose
// volume, minutes or seconds is empty; neither that row nor any after it is
// used. When a later row still holds a value, the warning that names those
// rows and why ("Rows 7 to 12 are not used: row 6 has no volume."); when only
// the incomplete row itself holds one, the warning for that row ("Row 12 is
// not used: it has no seconds."); otherwise nothing.
std::optional<std::string> UnusedRowsWarning(const TData& data);

} // namespace zephra
