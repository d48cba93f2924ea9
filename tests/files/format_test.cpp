// The bytes the writer produces are the documented layout, and opening puts
// back what the fields showed.
#include <gtest/gtest.h>

#include "files/project_file.h"
#include "files/utf8.h"
#include "raw_file.h"

namespace vantrel {
namespace {

DesignInputs Decoded(const std::vector<uint8_t>& bytes) {
    const ProjectReadResult read = DecodeProject(bytes);
    EXPECT_EQ(read.error, kFileOk);
    return read.inputs;
}

// Each field a different text, loads and locations already in their opening
// formats, so every text must come back unchanged.
DesignInputs DistinctInputs() {
    DesignInputs inputs;
    int n = 0;
    for (const InputField& field : kInputFields) {
        const std::string number = std::to_string(++n);
        *inputs.Find(field.name) = field.kind == InputKind::Text ? std::string(field.name) + number
                                   : field.kind == InputKind::Location ? number + ".25"
                                                                       : number + ".125";
    }
    inputs.FRAMETYPE = "OMRF";
    inputs.Description = "Achse B \xE2\x80\x93 \xC3\xBC";
    return inputs;
}

// The documented layout; distinct texts, a new design with both frame types,
// empty texts and a text as long as a value may be come back unchanged.
TEST(ProjectRoundTrip, EveryFieldTextSurvives) {
    const DesignInputs distinct = DistinctInputs();
    EXPECT_EQ(EncodeProject(distinct), test::FileBytes(test::RawBag{test::EntriesOf(distinct)}));
    DesignInputs omrf = NewDesignInputs();
    omrf.FRAMETYPE = "OMRF";
    DesignInputs empty;
    empty.FRAMETYPE = "SMRF";
    DesignInputs longest = NewDesignInputs();
    longest.Description.assign(kMaxValueBytes, 'x');
    for (const DesignInputs& inputs : {distinct, NewDesignInputs(), omrf, empty, longest}) {
        ASSERT_EQ(CheckSavable(inputs), kFileOk);
        EXPECT_EQ(Decoded(EncodeProject(inputs)), inputs);
    }
}

// Loads with three decimals, locations with two (halves away from zero), a
// text that is not a number as it was, other inputs as stored; only exactly
// "SMRF" is SMRF. A row is "NAME=STORED>SHOWN"; without "=STORED" the name is
// missing and gives an empty text or a default.
TEST(ProjectOpening, PutsBackTextsAsTheFieldsShowThem) {
    const char* const rows[] = {"DistDL1=2>2.000",
                                "DistLL2=1.0005>1.001",
                                "DistDL3=-0.0004>0.000",
                                "PointDL1= 1e1 >10.000",
                                "DistDL2=2,5>2,5",
                                "ColumnAxialLoad=12>12.000",
                                "PointLoadLocation1=10>10.00",
                                "PointLoadLocation2=2.345>2.35",
                                "Length= 30> 30",
                                "FRAMETYPE=smrf>OMRF",
                                "FRAMETYPE=SMRF >OMRF",
                                "FRAMETYPE>OMRF",
                                "ColumnAxialLoad>0.000",
                                "ColumnAbove>No",
                                "Beam>"};
    for (const std::string row : rows) {
        const size_t equals = row.find('='), arrow = row.find('>');
        const std::string name = row.substr(0, std::min(equals, arrow));
        std::vector<test::RawEntry> entries = test::EntriesOf(NewDesignInputs());
        for (test::RawEntry& entry : entries)
            if (entry.name == name) entry.value = row.substr(equals + 1, arrow - equals - 1);
        if (equals == std::string::npos)
            std::erase_if(entries, [&](const test::RawEntry& e) { return e.name == name; });
        EXPECT_EQ(*Decoded(test::FileBytes({entries})).Find(name), row.substr(arrow + 1)) << row;
    }
}

TEST(Utf8Validation, AcceptsExactlyWellFormedText) {
    const std::string nul("a\0b", 3);
    for (const std::string text : {"", "W 21x44", "\xC3\xA4", "\xE2\x80\x93", "\xF0\x9F\x8F\x97",
                                   "\xF4\x8F\xBF\xBF" /* the highest */, nul.c_str()})
        EXPECT_TRUE(IsWellFormedUtf8(text)) << testing::PrintToString(text);
    // A lone continuation, overlong forms, a surrogate, beyond U+10FFFF, a
    // sequence cut at the end or by a wrong byte, Latin-1.
    for (const std::string text :
         {"\x80", "\xC0\xAF", "\xC1\xBF", "\xE0\x9F\xBF", "\xF0\x8F\xBF\xBF", "\xED\xA0\x80",
          "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "ab\xE2\x80", "\xE2\x80\x41", "Stra\xDF"})
        EXPECT_FALSE(IsWellFormedUtf8(text)) << testing::PrintToString(text);
}

}  // namespace
}  // namespace vantrel
