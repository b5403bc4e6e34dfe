#include "document/WineTrailer.h"

#include "document/Crc32.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string_view>

namespace zephra {

namespace {

using Json = nlohmann::ordered_json;

constexpr char Magic[4] = {'Z', 'P', 'H', 'N'};
constexpr std::uint16_t Version = 1;
constexpr std::size_t HeadSize = 8;     // magic, version, length
constexpr std::size_t ChecksumSize = 4; // after the text

// The keys of this version and where each lives in the notes.
struct KnownKey {
    const char* Name;
    std::string WineNotes::*Text;
};
constexpr KnownKey KnownKeys[] = {{"comments", &WineNotes::Comments},
                                  {"wine_name_full", &WineNotes::WineName},
                                  {"filter_name_full", &WineNotes::FilterName},
                                  {"trial_started", &WineNotes::TrialStarted}};
// The readings' times: an array of whole tenths of a second (or null for a
// row without one), row 1 first.
constexpr const char* ReadingTimesKey = "reading_times_ds";
// The room a collection run's 36 reading times may take: up to 24 hours each.
constexpr int LongestReadingTimeDs = 864000;
constexpr std::size_t StoredPoints = 36;

bool ReadReadingTimes(const nlohmann::json& value, std::vector<std::optional<int>>& times) {
    if (!value.is_array() || value.size() > StoredPoints) {
        return false;
    }
    for (const nlohmann::json& time : value) {
        if (time.is_null()) {
            times.emplace_back();
        } else if (time.is_number_unsigned() &&
                   time.get<std::uint64_t>() <= static_cast<std::uint64_t>(LongestReadingTimeDs)) {
            times.emplace_back(time.get<int>());
        } else {
            return false;
        }
    }
    return true;
}

void AppendLe(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
    }
}

std::uint32_t ReadLe(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

// Notes this version cannot read: nothing taken from them, their bytes
// kept to be written back as they are.
TrailerRead Refused(const unsigned char* bytes, std::size_t size, std::string problem) {
    TrailerRead read;
    read.Notes.Unreadable.assign(bytes, bytes + size);
    read.Problem = std::move(problem);
    return read;
}

// Where one JSON value of a well-formed text ends: `at` is its first
// character.
std::size_t ValueEnd(std::string_view text, std::size_t at) {
    int depth = 0;
    bool inString = false;
    for (std::size_t i = at; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
                if (depth == 0) {
                    return i + 1;
                }
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            if (depth == 0) {
                return i; // the end of a number or literal before its container's end
            }
            if (--depth == 0) {
                return i + 1;
            }
        } else if (depth == 0 && (c == ',' || c == ' ' || c == '\t' || c == '\n' || c == '\r')) {
            return i;
        }
    }
    return text.size();
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() &&
           (text[at] == ' ' || text[at] == '\t' || text[at] == '\n' || text[at] == '\r')) {
        ++at;
    }
    return at;
}

// The text of each member's value of a well-formed JSON object, as it
// stands, by the member's name; a repeated name keeps its last value, as
// the parser does.
std::map<std::string, std::string_view> MemberTexts(std::string_view object) {
    std::map<std::string, std::string_view> members;
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF"; // the parser skips it too
    std::size_t at =
        object.substr(0, ByteOrderMark.size()) == ByteOrderMark ? ByteOrderMark.size() : 0;
    at = SkipBlanks(object, at) + 1; // after "{"
    while (true) {
        at = SkipBlanks(object, at);
        if (at >= object.size() || object[at] != '"') {
            return members;
        }
        const std::size_t nameEnd = ValueEnd(object, at);
        const nlohmann::json name =
            nlohmann::json::parse(object.substr(at, nameEnd - at), nullptr, false);
        if (!name.is_string()) {
            return members;
        }
        at = SkipBlanks(object, SkipBlanks(object, nameEnd) + 1); // after ":"
        const std::size_t valueEnd = ValueEnd(object, at);
        members[name.get<std::string>()] = object.substr(at, valueEnd - at);
        at = SkipBlanks(object, valueEnd) + 1; // after "," or "}"
    }
}

} // namespace

std::vector<unsigned char> EncodeTrailer(const WineNotes& notes) {
    if (notes.Empty()) {
        return notes.Unreadable;
    }
    Json object = Json::object();
    for (const KnownKey& key : KnownKeys) {
        if (!(notes.*key.Text).empty()) {
            object[key.Name] = notes.*key.Text;
        }
    }
    if (!notes.ReadingTimesDs.empty()) {
        Json& times = object[ReadingTimesKey] = Json::array();
        for (const std::optional<int>& ds : notes.ReadingTimesDs) {
            times.push_back(ds ? Json(*ds) : Json(nullptr));
        }
    }
    std::string text = object.dump(-1, ' ', false, Json::error_handler_t::replace);
    // A later version's values go in as they were read, never reformatted.
    for (const auto& [name, value] : notes.LaterKeys) {
        if (Json::accept(value)) {
            text.pop_back(); // "}"
            if (text.size() > 1) {
                text.push_back(',');
            }
            text.append(Json(name).dump()).append(1, ':').append(value).append(1, '}');
        }
    }

    std::vector<unsigned char> out(std::begin(Magic), std::end(Magic));
    AppendLe(out, Version, 2);
    // A text too long for the length field is refused by its size anyway.
    AppendLe(out, static_cast<std::uint32_t>(std::min<std::size_t>(text.size(), 0xFFFF)), 2);
    out.insert(out.end(), text.begin(), text.end());
    AppendLe(out, Crc32(std::string_view(reinterpret_cast<const char*>(out.data()), out.size())),
             4);
    return out;
}

TrailerRead DecodeTrailer(const unsigned char* bytes, std::size_t size) {
    if (size == 0) {
        return {};
    }
    if (std::memcmp(bytes, Magic, std::min(size, sizeof Magic)) != 0) {
        return Refused(bytes, size, "they are not ZEPHRA notes");
    }
    if (size < HeadSize) {
        return Refused(bytes, size, "they are cut short");
    }
    const std::uint32_t version = ReadLe(bytes + 4, 2);
    if (version != Version) {
        return Refused(bytes, size, "their version " + std::to_string(version) + " is not known");
    }
    const std::size_t length = ReadLe(bytes + 6, 2);
    if (size < HeadSize + length + ChecksumSize) {
        return Refused(bytes, size, "they are cut short");
    }
    if (size > HeadSize + length + ChecksumSize) {
        return Refused(bytes, size, "the file goes on after their stated length");
    }
    if (ReadLe(bytes + HeadSize + length, 4) !=
        Crc32(std::string_view(reinterpret_cast<const char*>(bytes), HeadSize + length))) {
        return Refused(bytes, size, "their checksum does not match");
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes + HeadSize), length);
    const nlohmann::json object = nlohmann::json::parse(text, nullptr, false);
    if (!object.is_object()) {
        return Refused(bytes, size, "their text is not a JSON object");
    }
    const std::map<std::string, std::string_view> texts = MemberTexts(text);
    TrailerRead read;
    for (const auto& item : object.items()) {
        const std::string& name = item.key();
        const nlohmann::json& value = item.value();
        const auto known = std::find_if(std::begin(KnownKeys), std::end(KnownKeys),
                                        [&name](const KnownKey& key) { return name == key.Name; });
        if (name == ReadingTimesKey) {
            if (!ReadReadingTimes(value, read.Notes.ReadingTimesDs)) {
                return Refused(bytes, size,
                               "their \"" + name + "\" is not a list of reading times");
            }
        } else if (known == std::end(KnownKeys)) {
            const auto text = texts.find(name);
            read.Notes.LaterKeys[name] =
                text != texts.end() ? std::string(text->second) : value.dump();
        } else if (value.is_string()) {
            read.Notes.*known->Text = value.get<std::string>();
        } else {
            return Refused(bytes, size, "their \"" + name + "\" is not a text");
        }
    }
    return read;
}

std::size_t TrailerOverrun(const WineNotes& notes) {
    WineNotes withRun = notes;
    withRun.TrialStarted = std::string(TrialStartedLength, '0');
    withRun.ReadingTimesDs.assign(StoredPoints, LongestReadingTimeDs);
    const std::size_t size = EncodeTrailer(withRun).size();
    return size > MaxTrailerSize ? size - MaxTrailerSize : 0;
}

} // namespace zephra
