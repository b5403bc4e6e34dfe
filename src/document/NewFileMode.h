#pragma once

#include <sys/types.h>

namespace zephra {

// The permissions a file created with mode 0666 in the open folder `folder`
// gets: those the folder's default access control list gives where it has
// one, else 0666 without the bits of the process's umask.
mode_t NewFileMode(int folder);

} // namespace zephra
