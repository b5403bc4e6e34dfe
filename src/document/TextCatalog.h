#pragma once

#include <initializer_list>
#include <string>

namespace zephra {

// Where the core's shown texts (the report panels' labels) take their
// language. English is the source language: the core names each text by a
// context and its English words, and the catalog in use gives the words in
// the chosen language. The desktop fills it from its translator; the CLI sets
// none, so its outputs stay English.
class TextCatalog {
public:
    virtual ~TextCatalog() = default;

    // `english` in the catalog's language (UTF-8), or `english` itself when
    // the catalog has no translation for it.
    virtual std::string Translate(const char* context, const char* english) const = 0;
};

// Makes `catalog` the one the core uses (nullptr: English). The catalog must
// outlive its use; set it once at start, before any window is built.
void UseTextCatalog(const TextCatalog* catalog);

// `english` in the language of the catalog in use. Texts passed here are
// found by the translation tools like Qt's QT_TRANSLATE_NOOP(context, text).
std::string CoreText(const char* context, const char* english);

// Marks a text that the windows show translated while the core keeps it in
// English, because the same text also goes into outputs that never change
// with the language (the CLI's, the exports). The window translates it with
// the same context; the translation tools find it like QT_TRANSLATE_NOOP.
constexpr const char* ShownText(const char* /*context*/, const char* english) {
    return english;
}

// `text` with %1, %2, ... replaced by `values` in order; a translated text
// may place them anywhere.
std::string FilledIn(std::string text, std::initializer_list<std::string> values);

} // namespace zephra
