#include "document/WineTrailer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zephra {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// A trailer around any `text`, built from the layout in WineTrailer.h with
// a correct checksum (a bitwise CRC-32, checked against zlib's below).
Bytes TrailerAround(const std::string& text) {
    Bytes out = BytesOf("ZPHN");
    for (const std::size_t value : {std::size_t{1}, text.size()}) {
        out.push_back(static_cast<unsigned char>(value & 0xFF));
        out.push_back(static_cast<unsigned char>(value >> 8));
    }
    out.insert(out.end(), text.begin(), text.end());
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const unsigned char b : out) {
        crc ^= b;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ ((crc & 1u) != 0 ? 0xEDB88320u : 0u);
        }
    }
    crc = ~crc;
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<unsigned char>(crc >> (8 * i)));
    }
    return out;
}

TrailerRead Decode(const Bytes& bytes) {
    return DecodeTrailer(bytes.data(), bytes.size());
}

TEST(WineTrailerTest, LayoutIsMagicVersionLengthJsonAndCrc32) {
    WineNotes notes;
    notes.Comments = "Filtered cold";
    // Made with Python's zlib.crc32 from the layout in WineTrailer.h.
    const Bytes expected = {0x5a, 0x50, 0x48, 0x4e, 0x01, 0x00, 0x1c, 0x00, 0x7b, 0x22,
                            0x63, 0x6f, 0x6d, 0x6d, 0x65, 0x6e, 0x74, 0x73, 0x22, 0x3a,
                            0x22, 0x46, 0x69, 0x6c, 0x74, 0x65, 0x72, 0x65, 0x64, 0x20,
                            0x63, 0x6f, 0x6c, 0x64, 0x22, 0x7d, 0x6d, 0xd4, 0x14, 0x9d};
    EXPECT_EQ(EncodeTrailer(notes), expected);
    EXPECT_EQ(TrailerAround("{\"comments\":\"Filtered cold\"}"), expected);
}

TEST(WineTrailerTest, NotesWithoutContentGiveNoBytes) {
    EXPECT_TRUE(EncodeTrailer(WineNotes{}).empty());
    const TrailerRead read = DecodeTrailer(nullptr, 0);
    EXPECT_TRUE(read.Notes.Empty());
    EXPECT_EQ(read.Problem, "");
}

TEST(WineTrailerTest, EveryKeyComesBackAsWritten) {
    WineNotes all;
    all.Comments = "Line \"one\"\tand \\ two \xE2\x80\x94 caf\xC3\xA9 \xF0\x9F\x8D\xB7";
    all.WineName = "Sauvignon Blanc 25 Reserve Lot";
    all.FilterName = "Membrane 0.45 \xC2\xB5m PES cartridge";
    all.TrialStarted = "2026-05-14T09:31:07+02:00";
    all.LaterKeys = {{"reading_times_ds", "[150,300,450]"}, {"zz", "{\"a\":null}"}};
    std::vector<WineNotes> cases(5);
    cases[0].Comments = all.Comments;
    cases[1].WineName = all.WineName;
    cases[2].TrialStarted = all.TrialStarted;
    cases[3].LaterKeys = all.LaterKeys;
    cases[4] = all;
    for (const WineNotes& notes : cases) {
        const Bytes bytes = EncodeTrailer(notes);
        const TrailerRead read = Decode(bytes);
        EXPECT_EQ(read.Problem, "");
        EXPECT_EQ(read.Notes, notes);
        EXPECT_EQ(EncodeTrailer(read.Notes), bytes);
    }
}

TEST(WineTrailerTest, KeysOfALaterVersionAreWrittenBackUnchanged) {
    const Bytes later = TrailerAround(
        "{\"comments\":\"x\",\"reading_times_ds\":[150,300],\"zeta\":{\"b\":[true,1.5]}}");
    const TrailerRead read = Decode(later);
    EXPECT_EQ(read.Problem, "");
    EXPECT_EQ(read.Notes.Comments, "x");
    EXPECT_EQ(read.Notes.LaterKeys.at("reading_times_ds"), "[150,300]");
    EXPECT_EQ(EncodeTrailer(read.Notes), later);
}

TEST(WineTrailerTest, DamagedOrForeignBytesAreRefusedWithTheirProblem) {
    WineNotes notes;
    notes.Comments = "Kept";
    const Bytes good = EncodeTrailer(notes);
    const auto changed = [&good](std::size_t at, unsigned char value) {
        Bytes b = good;
        b[at] = value;
        return b;
    };
    struct Case {
        const char* name;
        Bytes bytes;
        std::string problem;
    };
    const std::vector<Case> cases = {
        {"bad magic", changed(0, 'X'), "they are not ZEPHRA notes"},
        {"foreign bytes", BytesOf("padding of another program"), "they are not ZEPHRA notes"},
        {"cut in the magic", BytesOf("ZPH"), "they are cut short"},
        {"cut in the head", Bytes(good.begin(), good.begin() + 6), "they are cut short"},
        {"bad version", changed(4, 2), "their version 2 is not known"},
        {"cut in the text", Bytes(good.begin(), good.end() - 5), "they are cut short"},
        {"length too long", changed(6, 0xF0), "they are cut short"},
        {"length too short", changed(6, 3), "the file goes on after their stated length"},
        {"bytes after them",
         [&good] {
             Bytes b = good;
             b.push_back(0);
             return b;
         }(),
         "the file goes on after their stated length"},
        {"bad checksum", changed(good.size() - 1, good.back() ^ 0x01),
         "their checksum does not match"},
        {"damaged text", changed(10, 'X'), "their checksum does not match"},
        {"garbage JSON", TrailerAround("{\"comments\":"), "their text is not a JSON object"},
        {"not UTF-8", TrailerAround("{\"comments\":\"\xFF\"}"), "their text is not a JSON object"},
        {"an array", TrailerAround("[\"comments\"]"), "their text is not a JSON object"},
        {"a number for a text", TrailerAround("{\"comments\":5}"),
         "their \"comments\" is not a text"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TrailerRead read = Decode(c.bytes);
        EXPECT_EQ(read.Problem, c.problem);
        EXPECT_TRUE(read.Notes.Empty());
    }
}

TEST(WineTrailerTest, OverrunCountsTheRoomOfTheTrialStartTime) {
    // {"comments":"c...c","trial_started":"<25 characters>"} in a 12-byte frame.
    const std::size_t frame =
        12 + std::string("{\"comments\":\"\",\"trial_started\":\"\"}").size() + TrialStartedLength;
    WineNotes notes;
    notes.Comments = std::string(MaxTrailerSize - frame, 'c');
    EXPECT_EQ(TrailerOverrun(notes), 0u);
    notes.Comments += "cc";
    EXPECT_EQ(TrailerOverrun(notes), 2u);
    // Escaped characters count as written.
    notes.Comments = std::string(MaxTrailerSize / 6, '\x01');
    EXPECT_GT(TrailerOverrun(notes), 0u);
    EXPECT_EQ(TrailerOverrun(WineNotes{}), 0u);
}

} // namespace
} // namespace zephra
