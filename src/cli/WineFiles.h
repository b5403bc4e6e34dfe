#pragma once

// Reading and writing wine files as the program does, with its messages
// printed as "<file>: <text>" lines.

#include "document/WineRec.h"

#include <iosfwd>
#include <string>

namespace zephra::cli {

// Reads like opening a wine in the program; false after printing the
// message. Notes after the record that cannot be read are ignored with a
// printed warning.
bool ReadWine(const std::string& path, TWineRec& rec, WineNotes& notes, std::ostream& err);

// The same for a command that uses the record alone.
bool ReadWine(const std::string& path, TWineRec& rec, std::ostream& err);

// Saves the record and its notes atomically; false after printing the save
// failure message.
bool SaveWine(const std::string& path, const TWineRec& rec, const WineNotes& notes,
              std::ostream& err);

// Runs the calculation as the dialogs do, its warnings printed. A fault
// that stops the calculation is printed too and gives false: the record is
// then not to be saved.
bool Recalculate(const std::string& path, TWineRec& rec, std::ostream& err);

} // namespace zephra::cli
