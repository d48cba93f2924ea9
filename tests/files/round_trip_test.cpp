// What opening a saved file puts back into the fields.
#include <gtest/gtest.h>

#include <string>

#include "files/project_file.h"
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
        ++n;
        std::string& text = field.Of(inputs);
        switch (field.kind) {
            case InputKind::Text:
                text = std::string(field.name) + " text " + std::to_string(n);
                break;
            case InputKind::Load:
            case InputKind::AxialLoad:
                text = std::to_string(n) + ".125";
                break;
            case InputKind::Location:
                text = std::to_string(n) + ".25";
                break;
        }
    }
    inputs.FRAMETYPE = "OMRF";
    inputs.Description =
        "Rahmen Achse B \xE2\x80\x93 \xC3\xBC"
        "berarbeitet";
    return inputs;
}

// Distinct texts, a new design with both frame types, and empty texts.
TEST(ProjectRoundTrip, EveryFieldTextSurvives) {
    DesignInputs omrf = NewDesignInputs();
    omrf.FRAMETYPE = "OMRF";
    DesignInputs empty;
    empty.FRAMETYPE = "SMRF";
    for (const DesignInputs& inputs : {DistinctInputs(), NewDesignInputs(), omrf, empty})
        EXPECT_EQ(Decoded(EncodeProject(inputs)), inputs);
}

struct PutBackCase {
    const char* label;
    const char* name;
    std::string stored;
    std::string shown;
};

void PrintTo(const PutBackCase& c, std::ostream* os) {
    *os << c.label;
}

class PutBackOnOpening : public testing::TestWithParam<PutBackCase> {};

TEST_P(PutBackOnOpening, FormatsLoadsAndLocationsOnly) {
    DesignInputs inputs = NewDesignInputs();
    *inputs.Find(GetParam().name) = GetParam().stored;
    const DesignInputs opened = Decoded(EncodeProject(inputs));
    EXPECT_EQ(*opened.Find(GetParam().name), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PutBackOnOpening,
    testing::Values(PutBackCase{"load_integer", "DistDL1", "2", "2.000"},
                    PutBackCase{"load_half", "PointLL3", "2.5", "2.500"},
                    PutBackCase{"load_rounds_half_away", "DistLL2", "1.0005", "1.001"},
                    PutBackCase{"load_negative", "PointDL2", "-3.25", "-3.250"},
                    PutBackCase{"load_tiny_negative_is_zero", "DistDL3", "-0.0004", "0.000"},
                    PutBackCase{"load_blanks_and_exponent", "PointDL1", " 1e1 ", "10.000"},
                    PutBackCase{"load_leading_point", "DistLL1", ".5", "0.500"},
                    PutBackCase{"load_comma_not_a_number", "DistDL2", "2,5", "2,5"},
                    PutBackCase{"load_words_unchanged", "PointLL1", "ten kips", "ten kips"},
                    PutBackCase{"load_empty_unchanged", "DistLL3", "", ""},
                    PutBackCase{"load_overflow_unchanged", "PointLL2", "1e400", "1e400"},
                    PutBackCase{"location_integer", "PointLoadLocation1", "10", "10.00"},
                    PutBackCase{"location_rounds", "PointLoadLocation2", "2.345", "2.35"},
                    PutBackCase{"location_not_a_number", "PointLoadLocation3", "mid", "mid"},
                    PutBackCase{"length_as_stored", "Length", "30", "30"},
                    PutBackCase{"override_as_stored", "ORA", "1", "1"},
                    PutBackCase{"coefficient_as_stored", "A", "0.6", "0.6"},
                    PutBackCase{"description_as_stored", "Description", " 2 ", " 2 "}),
    [](const auto& p) { return std::string(p.param.label); });

struct FrameTypeCase {
    const char* label;
    std::optional<std::string> stored;  // nullopt: the name is missing
    const char* shown;
};

void PrintTo(const FrameTypeCase& c, std::ostream* os) {
    *os << c.label;
}

class FrameTypeOnOpening : public testing::TestWithParam<FrameTypeCase> {};

TEST_P(FrameTypeOnOpening, OnlyExactlySmrfSelectsSmrf) {
    std::vector<test::RawEntry> entries = test::EntriesOf(NewDesignInputs());
    std::erase_if(entries, [](const test::RawEntry& e) { return e.name == "FRAMETYPE"; });
    if (GetParam().stored) entries.push_back({"FRAMETYPE", *GetParam().stored, {}, {}});
    EXPECT_EQ(Decoded(test::FileBytes(test::RawBag(entries))).FRAMETYPE, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, FrameTypeOnOpening,
                         testing::Values(FrameTypeCase{"smrf", "SMRF", "SMRF"},
                                         FrameTypeCase{"omrf", "OMRF", "OMRF"},
                                         FrameTypeCase{"lower_case", "smrf", "OMRF"},
                                         FrameTypeCase{"leading_blank", " SMRF", "OMRF"},
                                         FrameTypeCase{"trailing_blank", "SMRF ", "OMRF"},
                                         FrameTypeCase{"empty", "", "OMRF"},
                                         FrameTypeCase{"other", "EBF", "OMRF"},
                                         FrameTypeCase{"missing", std::nullopt, "OMRF"}),
                         [](const auto& p) { return std::string(p.param.label); });

class MissingName : public testing::TestWithParam<size_t> {};

TEST_P(MissingName, LeavesOnlyThatFieldEmpty) {
    const DesignInputs full = DistinctInputs();
    const InputField& dropped = kInputFields[GetParam()];
    std::vector<test::RawEntry> entries = test::EntriesOf(full);
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(GetParam()));

    DesignInputs expected = full;
    std::string& text = dropped.Of(expected);
    if (dropped.name == "FRAMETYPE")
        text = "OMRF";
    else if (dropped.name == "ColumnAxialLoad")
        text = "0.000";
    else if (dropped.name == "ColumnAbove")
        text = "No";
    else
        text = "";
    EXPECT_EQ(Decoded(test::FileBytes(test::RawBag(entries))), expected);
}

INSTANTIATE_TEST_SUITE_P(EachName, MissingName, testing::Range<size_t>(0, kInputFields.size()),
                         [](const auto& p) { return std::string(kInputFields[p.param].name); });

TEST(ProjectOpening, AnEmptyBagGivesEmptyFieldsOmrfAndTheColumnDefaults) {
    DesignInputs expected;
    expected.FRAMETYPE = "OMRF";
    expected.ColumnAxialLoad = "0.000";
    expected.ColumnAbove = "No";
    EXPECT_EQ(Decoded(test::FileBytes(test::RawBag())), expected);
}

TEST(ProjectOpening, IgnoresBytesAfterTheBag) {
    const DesignInputs inputs = DistinctInputs();
    std::vector<uint8_t> bytes = EncodeProject(inputs);
    const std::vector<uint8_t> again = bytes;
    bytes.insert(bytes.end(), again.begin(), again.end());  // a whole second file
    bytes.insert(bytes.end(), {0xFF, 0x00, 0xC3});
    EXPECT_EQ(Decoded(bytes), inputs);
}

TEST(ProjectOpening, MatchesNamesExactlyInAnyOrderAndIgnoresUnknownOnes) {
    const DesignInputs inputs = DistinctInputs();
    std::vector<test::RawEntry> entries = test::EntriesOf(inputs);
    std::reverse(entries.begin(), entries.end());
    entries.push_back({"beam", "W 8x10", {}, {}});
    entries.push_back({"Beam1", "W 8x10", {}, {}});
    entries.push_back({"BracingNote", "later", {}, {}});
    EXPECT_EQ(Decoded(test::FileBytes(test::RawBag(entries))), inputs);
}

TEST(ProjectOpening, TakesTextsLongUpToTheLimit) {
    DesignInputs inputs = NewDesignInputs();
    inputs.Description.assign(kMaxValueBytes, 'x');
    EXPECT_EQ(CheckSavable(inputs), kFileOk);
    EXPECT_EQ(Decoded(EncodeProject(inputs)), inputs);
}

}  // namespace
}  // namespace vantrel
