#pragma once

// Reading and writing wine files as the program does, with its messages
// printed as "<file>: <text>" lines.

#include "cli/Arguments.h"
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

// The option of the commands that save a wine: --drop-notes lets notes
// that this version could not read go, and is otherwise refused (see
// MayReplaceNotes). DropNotesHelp is its line of the usage text.
OptionSpec DropNotesOptionSpec();
extern const char* const DropNotesHelp;

// Clears the unreadable notes read with the wine when --drop-notes was given.
void ApplyDropNotes(const ParsedArguments& parsed, WineNotes& notes);

// False after printing why when the wine still holds notes this version
// could not read and saving would replace them: when the notes have content
// of their own, or `gainsNotes` (a collection run adds reading times).
bool MayReplaceNotes(const std::string& path, const WineNotes& notes, bool gainsNotes,
                     std::ostream& err);

// Saves the record and its notes atomically (notes that could not be read
// byte for byte, unless MayReplaceNotes refuses); false after printing the
// save failure message.
bool SaveWine(const std::string& path, const TWineRec& rec, const WineNotes& notes,
              std::ostream& err);

// Runs the calculation as the dialogs do, its warnings printed. A fault
// that stops the calculation is printed too and gives false: the record is
// then not to be saved.
bool Recalculate(const std::string& path, TWineRec& rec, std::ostream& err);

} // namespace zephra::cli
