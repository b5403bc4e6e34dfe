#pragma once

#include <string>

namespace zephra {

// How an entry field stores its value: the range Format accepts and the
// width and decimals of the text it writes.
struct StoredFormat {
    double Lo;
    double Hi;
    int Width;
    int Decimals;
};

// The numeric entry-field routine. On success S becomes the fixed-width text
// stored in the record; on error S is left exactly as typed. `temp` receives
// the parsed value (meaningful after a range error, not after a syntax error).
// Strict variant: empty or blank text is an error.
void Format(std::string& S, bool& Error, double& temp, double Hi, double Lo, int StrLength,
            int Decimal);

// Blank-tolerant variant: one to six blanks or the empty text give the empty
// text without error (temp unchanged).
void FormatBlankTolerant(std::string& S, bool& Error, double& temp, double Hi, double Lo,
                         int StrLength, int Decimal);

// Seconds variant: one or two blanks or the empty text give the empty text
// without error; a 2-character result starting with a blank gets a leading 0.
void FormatSec(std::string& S, bool& Error, double& temp, double Hi, double Lo, int StrLength,
               int Decimal);

} // namespace zephra
