#include "document/WineNotes.h"

#include "document/Windows1252.h"
#include "document/WineRec.h"

#include <string_view>

namespace zephra {

namespace {

template <std::size_t N>
std::string FullName(const ShortString<N>& field, const std::string& kept) {
    return kept.empty() ? Win1252ToUtf8(field.text()) : kept;
}

} // namespace

std::string NameForNotes(const std::string& name) {
    const std::string stored = Utf8ToWin1252(name);
    const bool fits =
        stored.size() <= decltype(TConditions::WineName)::Capacity && Win1252ToUtf8(stored) == name;
    return fits ? std::string() : name;
}

std::string FullWineName(const TWineRec& rec, const WineNotes& notes) {
    return FullName(rec.Conditions.WineName, notes.WineName);
}

std::string FullFilterName(const TWineRec& rec, const WineNotes& notes) {
    return FullName(rec.Conditions.FilterName, notes.FilterName);
}

std::string TrialStartedText(std::time_t time) {
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    // "%z" gives "+0200"; ISO 8601's extended form wants "+02:00".
    const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    const std::string_view result(text, n);
    if (result.size() != TrialStartedLength - 1) {
        return std::string(result);
    }
    return std::string(result.substr(0, result.size() - 2)) + ":" +
           std::string(result.substr(result.size() - 2));
}

} // namespace zephra
