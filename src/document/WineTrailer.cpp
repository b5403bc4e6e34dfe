#include "document/WineTrailer.h"

#include "document/Crc32.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <cstring>

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

TrailerRead Refused(std::string problem) {
    return {WineNotes{}, std::move(problem)};
}

} // namespace

std::vector<unsigned char> EncodeTrailer(const WineNotes& notes) {
    if (notes.Empty()) {
        return {};
    }
    Json object = Json::object();
    for (const KnownKey& key : KnownKeys) {
        if (!(notes.*key.Text).empty()) {
            object[key.Name] = notes.*key.Text;
        }
    }
    for (const auto& [name, value] : notes.LaterKeys) {
        Json parsed = Json::parse(value, nullptr, false);
        if (!parsed.is_discarded()) {
            object[name] = std::move(parsed);
        }
    }
    const std::string text = object.dump(-1, ' ', false, Json::error_handler_t::replace);

    std::vector<unsigned char> out(std::begin(Magic), std::end(Magic));
    AppendLe(out, Version, 2);
    // A text too long for the length field is refused by its size anyway.
    AppendLe(out, static_cast<std::uint32_t>(std::min<std::size_t>(text.size(), 0xFFFF)), 2);
    out.insert(out.end(), text.begin(), text.end());
    AppendLe(out, Crc32(std::string_view(reinterpret_cast<const char*>(out.data()), out.size())), 4);
    return out;
}

TrailerRead DecodeTrailer(const unsigned char* bytes, std::size_t size) {
    if (size == 0) {
        return {};
    }
    if (std::memcmp(bytes, Magic, std::min(size, sizeof Magic)) != 0) {
        return Refused("they are not ZEPHRA notes");
    }
    if (size < HeadSize) {
        return Refused("they are cut short");
    }
    const std::uint32_t version = ReadLe(bytes + 4, 2);
    if (version != Version) {
        return Refused("their version " + std::to_string(version) + " is not known");
    }
    const std::size_t length = ReadLe(bytes + 6, 2);
    if (size < HeadSize + length + ChecksumSize) {
        return Refused("they are cut short");
    }
    if (size > HeadSize + length + ChecksumSize) {
        return Refused("the file goes on after their stated length");
    }
    if (ReadLe(bytes + HeadSize + length, 4) != Crc32(std::string_view(reinterpret_cast<const char*>(bytes), HeadSize + length))) {
        return Refused("their checksum does not match");
    }
    const auto* text = reinterpret_cast<const char*>(bytes + HeadSize);
    const nlohmann::json object = nlohmann::json::parse(text, text + length, nullptr, false);
    if (!object.is_object()) {
        return Refused("their text is not a JSON object");
    }
    TrailerRead read;
    for (const auto& item : object.items()) {
        const std::string& name = item.key();
        const nlohmann::json& value = item.value();
        const auto known = std::find_if(std::begin(KnownKeys), std::end(KnownKeys),
                                        [&name](const KnownKey& key) { return name == key.Name; });
        if (known == std::end(KnownKeys)) {
            read.Notes.LaterKeys[name] = value.dump();
        } else if (value.is_string()) {
            read.Notes.*known->Text = value.get<std::string>();
        } else {
            return Refused("their \"" + name + "\" is not a text");
        }
    }
    return read;
}

std::size_t TrailerOverrun(const WineNotes& notes) {
    WineNotes withRun = notes;
    withRun.TrialStarted = std::string(TrialStartedLength, '0');
    const std::size_t size = EncodeTrailer(withRun).size();
    return size > MaxTrailerSize ? size - MaxTrailerSize : 0;
}

} // namespace zephra
