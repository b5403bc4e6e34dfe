#include "document/WineTrailer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
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
    all.ReadingTimesDs = {153, std::nullopt, 452, 864000};
    all.LaterKeys = {{"filter_lots", "[150,300,450]"}, {"zz", "{\"a\":null}"}};
    std::vector<WineNotes> cases(6);
    cases[0].Comments = all.Comments;
    cases[1].WineName = all.WineName;
    cases[2].TrialStarted = all.TrialStarted;
    cases[3].LaterKeys = all.LaterKeys;
    cases[4].ReadingTimesDs = all.ReadingTimesDs;
    cases[5] = all;
    for (const WineNotes& notes : cases) {
        const Bytes bytes = EncodeTrailer(notes);
        const TrailerRead read = Decode(bytes);
        EXPECT_EQ(read.Problem, "");
        EXPECT_EQ(read.Notes, notes);
        EXPECT_EQ(EncodeTrailer(read.Notes), bytes);
    }
}

TEST(WineTrailerTest, KeysOfALaterVersionAreWrittenBackUnchanged) {
    const Bytes later =
        TrailerAround("{\"comments\":\"x\",\"filter_lots\":[150,300],\"zeta\":{\"b\":[true,1.5]}}");
    const TrailerRead read = Decode(later);
    EXPECT_EQ(read.Problem, "");
    EXPECT_EQ(read.Notes.Comments, "x");
    EXPECT_EQ(read.Notes.LaterKeys.at("filter_lots"), "[150,300]");
    EXPECT_EQ(EncodeTrailer(read.Notes), later);
}

// The readings' times: whole tenths of a second, null for a row without
// one, after the texts and before a later version's keys.
TEST(WineTrailerTest, ReadingTimesAreTenthsOfSecondsOrNull) {
    WineNotes notes;
    notes.TrialStarted = "2026-05-14T09:31:07+02:00";
    notes.ReadingTimesDs = {151, 302, std::nullopt, 605};
    notes.LaterKeys = {{"later", "1"}};
    const std::string text = "{\"trial_started\":\"2026-05-14T09:31:07+02:00\","
                             "\"reading_times_ds\":[151,302,null,605],\"later\":1}";
    EXPECT_EQ(EncodeTrailer(notes), TrailerAround(text));
    EXPECT_EQ(Decode(TrailerAround(text)).Notes, notes);

    const std::string problem = "their \"reading_times_ds\" is not a list of reading times";
    for (const char* value : {"151", "[\"151\"]", "[-1]", "[15.5]", "[864001]", "{}",
                              "[0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
                              "0,0,0,0,0]"}) {
        SCOPED_TRACE(value);
        const TrailerRead read = Decode(
            TrailerAround("{\"comments\":\"x\",\"reading_times_ds\":" + std::string(value) + "}"));
        EXPECT_EQ(read.Problem, problem);
        EXPECT_TRUE(read.Notes.Empty());
    }
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
        // Kept as they are, to be written back unless the user lets them go.
        EXPECT_EQ(read.Notes.Unreadable, c.bytes);
        EXPECT_EQ(EncodeTrailer(read.Notes), c.bytes);
        WineNotes typed = read.Notes;
        typed.Comments = "new";
        EXPECT_TRUE(typed.WouldReplaceUnreadable());
        EXPECT_FALSE(read.Notes.WouldReplaceUnreadable());
    }
}

// A later version's values keep their text: numbers are not reformatted
// (and so never grow), blanks inside a value stay.
TEST(WineTrailerTest, LaterKeysKeepTheirTextExactly) {
    std::string many = "[";
    for (int i = 0; i < 300; ++i) {
        many += i == 0 ? "1e5" : ",1e5";
    }
    many += "]";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"big", "123456789012345678901234567890"},
        {"exponent", "1e5"},
        {"fraction", "2.50"},
        {"nested", "{\"a\": [1E5, -0.0, \"x,}]\\\"\"], \"b\":null}"},
        {"text", "\"caf\\u00e9\""},
        {"many", many},
    };
    for (const auto& [name, value] : cases) {
        SCOPED_TRACE(name);
        const Bytes bytes = TrailerAround("{\"comments\":\"x\",\"" + name + "\":" + value + "}");
        const TrailerRead read = Decode(bytes);
        ASSERT_EQ(read.Problem, "");
        EXPECT_EQ(read.Notes.LaterKeys.at(name), value);
        EXPECT_EQ(EncodeTrailer(read.Notes), bytes);
    }
    // A byte order mark before the object, which the parser passes over.
    const TrailerRead marked = Decode(TrailerAround("\xEF\xBB\xBF{\"later\":1e5}"));
    ASSERT_EQ(marked.Problem, "");
    EXPECT_EQ(marked.Notes.LaterKeys.at("later"), "1e5");
    // Blanks around the members go; the values stay as they were.
    const TrailerRead spaced =
        Decode(TrailerAround("{ \"later\" : 1e5 ,\n \"comments\" : \"x\" }"));
    ASSERT_EQ(spaced.Problem, "");
    EXPECT_EQ(EncodeTrailer(spaced.Notes), TrailerAround("{\"comments\":\"x\",\"later\":1e5}"));
}

TEST(WineTrailerTest, OverrunCountsTheRoomOfTheTrialStartTimeAndReadingTimes) {
    // {"comments":"c...c","trial_started":"<25 characters>",
    // "reading_times_ds":[36 times of up to 6 digits]} in a 12-byte frame.
    const std::size_t frame =
        12 +
        std::string("{\"comments\":\"\",\"trial_started\":\"\",\"reading_times_ds\":[]}").size() +
        TrialStartedLength + 36 * 6 + 35;
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
