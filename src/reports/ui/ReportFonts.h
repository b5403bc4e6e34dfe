#pragma once

#include <QFont>

namespace zephra::report_fonts {

// The report is painted in units of a tenth of a point, so that fonts can
// be sized in whole pixels of that unit (a pixel size of 85 is 8.5 pt).
inline constexpr double UnitsPerPoint = 10.0;

// The faces of the lab report. The panels keep a face with one cell per
// character (the em dashes of the rules included) so that the table's
// columns line up as on screen.
QFont Title();
QFont Header();
QFont Caption();
QFont Panel();
// The results box: labels, values, the verdict and the note on conditions.
QFont ResultLabel();
QFont ResultValue();
QFont Verdict();
QFont Note();

} // namespace zephra::report_fonts
