#pragma once

#include "document/FileDescriptor.h"

#include <cstddef>
#include <string>

namespace zephra {

// Replaces the file at `path` with `size` bytes of `data` so that a reader
// sees either the old file or the whole new one: a temporary file in the same
// folder is written, flushed and renamed over the target, then the folder is
// flushed. Symbolic links are followed as the kernel follows them (see
// WalkToFile) and stay, also one that names a file not yet there.
//
// The temporary file is created readable by its owner only and gets its
// final permissions before its first byte: an existing target's owner,
// mode, access control list and other extended attributes, or for a new file
// the permissions any new file in that folder gets. Temporary files that
// killed saves left in the folder are removed (see SaveTemporary.h).
//
// Where a new file cannot keep the old one's identity (the folder may not be
// written but the file may, the owner or an extended attribute cannot be
// given to a new file, or the file has other hard links), the file is written
// in place instead. The space a longer content needs is had first (reserved,
// and the part beyond the old end written): a full disk or a file size limit
// fails the write with the old bytes untouched and the old length back. Only
// then are the old bytes overwritten from the first on, without truncating
// first; a shorter content is cut at the end. A kill or a power cut during
// that overwrite can leave part new and part old content.
//
// Only a regular file is written (a folder gives EISDIR, anything else
// EINVAL), and a target the user may not write is refused with that errno.
// Returns 0 or the errno of the failure; a failure of the normal path leaves
// the old file intact.
int WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

} // namespace zephra
