#include "document/TextCatalog.h"

#include <atomic>

namespace zephra {

namespace {

std::atomic<const TextCatalog*> catalogInUse{nullptr};

} // namespace

void UseTextCatalog(const TextCatalog* catalog) {
    catalogInUse.store(catalog);
}

std::string CoreText(const char* context, const char* english) {
    const TextCatalog* catalog = catalogInUse.load();
    return catalog == nullptr ? std::string(english) : catalog->Translate(context, english);
}

std::string FilledIn(std::string text, std::initializer_list<std::string> values) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (text[at] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            out += values.begin()[index];
            ++at;
        } else {
            out += text[at];
        }
    }
    return out;
}

} // namespace zephra
