#pragma once

#include "document/FileDescriptor.h"

#include <string>

namespace zephra {

// A file named by its folder, held open, and its name in that folder; the
// file itself need not exist yet.
struct FileInFolder {
    FileDescriptor Folder; // opened for reading where the user may, else as a path only
    std::string Name;
};

// Finds the file that `path` names for writing it, walking the path one name
// at a time from the folder reached so far, so that no name is looked up
// twice. Symbolic links are followed as the kernel follows them, also a last
// one naming a file that does not exist yet (that file is the one to
// write), with two rules of the kernel kept whatever the system is set to:
// at most 40 links (ELOOP after that), and in a folder that everybody may
// write to and only owners may delete from (mode 1777, as /tmp) a link is
// followed only when the user or the folder's owner made it (EACCES
// otherwise), so that another user's link cannot lead the write to the
// user's own files.
//
// Returns 0, or the errno of the walk: ENOENT or ENOTDIR for a folder on
// the way that is missing or is not one, EISDIR for a path that names a
// folder by its form ("/", "dir/", "dir/.").
int WalkToFile(const std::string& path, FileInFolder& file);

} // namespace zephra
