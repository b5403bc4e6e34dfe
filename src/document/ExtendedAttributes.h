#pragma once

#include <optional>
#include <string>

namespace zephra {

// The value of the extended attribute `name` of the open file `fd`, or
// nothing when it has none (or its attributes cannot be read).
std::optional<std::string> ExtendedAttribute(int fd, const char* name);

// Gives the open file `to` the extended attributes of the open file `from`,
// among them its access control list (system.posix_acl_access), and takes
// from `to` those `from` does not have, such as a list inherited from its
// folder; security labels the system gives every new file stay. False when
// one of them cannot be copied or taken away, for example an attribute only
// a privileged process may set.
bool CopyExtendedAttributes(int from, int to);

} // namespace zephra
