#include "document/ShortString.h"

#include <cstdio>
#include <cstdlib>

namespace zephra {

void FieldCut(std::string_view bytes, std::size_t capacity) {
    static const bool stop = std::getenv("ZEPHRA_FIELD_CHECKS") != nullptr;
    if (stop) {
        std::fprintf(stderr, "text \"%.*s\" cut to %zu characters to fit its field\n",
                     static_cast<int>(bytes.size()), bytes.data(), capacity);
        std::abort();
    }
}

} // namespace zephra
