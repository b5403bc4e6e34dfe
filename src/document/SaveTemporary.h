#pragma once

#include <string>

namespace zephra {

// Creates the temporary file of a save in the open folder `folder`: a new
// file named ".zephra-save-<process>-<number>", readable and writable by
// its owner only (mode 0600), and locked (flock) for as long as it is open,
// so that no other save takes it for a leftover. Returns its descriptor,
// with its name in `name`, or -1 with errno set.
int CreateSaveTemporary(int folder, std::string& name);

// Removes from the open folder `folder` the temporary files that saves
// killed before their end left behind: files of the name pattern above that
// belong to the user, that no save holds locked and that have not changed
// for some minutes. Anything that cannot be looked at is left alone.
void RemoveStaleSaveTemporaries(int folder);

} // namespace zephra
