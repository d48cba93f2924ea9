// Damaged and hostile files are refused whole, each with its own error
// number, from memory and from disk alike; the names at the edge of the rules
// still open. Every file the fuzzer was ever seeded with or crashed on and the
// shipped examples are replayed: a change of the format that breaks old files
// fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

#include "files/project_file.h"
#include "files/safe_file.h"
#include "raw_file.h"
#include "support/fixture_file.h"
#include "support/temp_folder.h"

namespace vantrel {
namespace {

// A good file of a new design, to be changed by one case.
struct Damage {
    test::RawBag bag{test::EntriesOf(NewDesignInputs())};
    test::RawHeader header;
    size_t keep = SIZE_MAX;  // the bytes kept of the file
    size_t flip = 0;         // a byte flipped, counted from the end
    std::string after;       // bytes after the bag
    test::RawEntry& Beam() { return bag.entries[2]; }
    Damage& Add(const std::string& name, const std::string& value) {
        bag.entries.push_back({name, value});
        return *this;
    }
};

struct DamageCase {
    const char* label;
    void (*change)(Damage&);
    int error;
    friend void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.label; }
};

std::vector<uint8_t> Bytes(const DamageCase& c) {
    Damage d;
    c.change(d);
    std::vector<uint8_t> bytes = test::FileBytes(d.bag, d.header);
    if (d.flip) bytes[bytes.size() - d.flip] ^= 0x20;
    bytes.insert(bytes.end(), d.after.begin(), d.after.end());
    bytes.resize(std::min(d.keep, bytes.size()));
    return bytes;
}

const DamageCase kCases[] = {
    // Names match exactly, in any order; unknown names and bytes after the bag are ignored.
    {"good", [](Damage&) {}, kFileOk},
    {"reversed", [](Damage& d) { std::reverse(d.bag.entries.begin(), d.bag.entries.end()); },
     kFileOk},
    {"unknown_names", [](Damage& d) { d.Add("beam", "W 8x10").Add("Beam1", "W 8x10"); }, kFileOk},
    {"bytes_after_the_bag", [](Damage& d) { d.after = std::string("\xFF\0\xC3VTLB", 7); }, kFileOk},
    {"name_of_64", [](Damage& d) { d.Add(std::string(64, 'N'), "x"); }, kFileOk},
    {"name_of_every_edge", [](Damage& d) { d.Add("AZ_az09", "x"); }, kFileOk},
    {"empty_file", [](Damage& d) { d.keep = 0; }, kOpenHeaderTruncated},
    {"header_cut_at_11", [](Damage& d) { d.keep = 11; }, kOpenHeaderTruncated},
    {"tag_big_endian", [](Damage& d) { d.header.tag = 0x1120; }, kOpenWrongTypeTag},
    {"two_dimensions", [](Damage& d) { d.header.dimensions = 2; }, kOpenWrongDimensions},
    {"lower_bound_one", [](Damage& d) { d.header.lowerBound = 1; }, kOpenWrongLowerBound},
    {"n_of_4_gigabytes", [](Damage& d) { d.header.declaredBagBytes = 0xFFFFFFFFu; },
     kOpenBagTooLarge},
    {"n_over_limit", [](Damage& d) { d.header.declaredBagBytes = kMaxBagBytes + 1; },
     kOpenBagTooLarge},
    {"n_at_limit", [](Damage& d) { d.header.declaredBagBytes = kMaxBagBytes; }, kOpenBagTruncated},
    {"n_one_beyond",
     [](Damage& d) {
         d.header.declaredBagBytes = static_cast<uint32_t>(test::BagBytes(d.bag).size() + 1);
     },
     kOpenBagTruncated},
    {"n_below_smallest_bag", [](Damage& d) { d.header.declaredBagBytes = 11; }, kOpenBagShort},
    {"bag_signature", [](Damage& d) { d.bag.signature = "VTLb"; }, kOpenBagSignature},
    {"bag_version_two", [](Damage& d) { d.bag.version = 2; }, kOpenBagVersion},
    {"flipped_value_byte", [](Damage& d) { d.flip = 10; }, kOpenBagChecksum},
    {"too_many_entries", [](Damage& d) { d.bag.declaredCount = 65; }, kOpenTooManyEntries},
    {"count_beyond_entries", [](Damage& d) { d.bag.declaredCount = 31; }, kOpenEntryTruncated},
    {"value_beyond_bag", [](Damage& d) { d.Beam().declaredValueLength = 5000; },
     kOpenEntryTruncated},
    {"name_beyond_bag",
     [](Damage& d) {
         d.bag.entries = {{"Beam", "", {}, 60}};
     },
     kOpenEntryTruncated},
    {"bag_ends_after_a_name",
     [](Damage& d) {
         d.bag = {{}, "VTLB", 1, 1, {"\x04\0Beam", 6}};
     },
     kOpenEntryTruncated},
    {"empty_name", [](Damage& d) { d.Beam().name = ""; }, kOpenBadName},
    {"name_of_65", [](Damage& d) { d.Beam().name = std::string(65, 'B'); }, kOpenBadName},
    {"name_length_absurd", [](Damage& d) { d.Beam().declaredNameLength = 0xFFFF; }, kOpenBadName},
    {"name_with_blank", [](Damage& d) { d.Beam().name = "Be am"; }, kOpenBadName},
    {"name_with_nul", [](Damage& d) { d.Beam().name = std::string("Beam\0", 5); }, kOpenBadName},
    {"duplicate_name", [](Damage& d) { d.Add("Beam", "W 8x10"); }, kOpenDuplicateName},
    {"duplicate_unknown_name", [](Damage& d) { d.Add("Note", "a").Add("Note", "b"); },
     kOpenDuplicateName},
    {"value_over_limit", [](Damage& d) { d.Beam().value.assign(kMaxValueBytes + 1, 'x'); },
     kOpenValueTooLong},
    {"value_length_absurd", [](Damage& d) { d.Beam().declaredValueLength = 0xFFFFFFF0u; },
     kOpenValueTooLong},
    // One row: the validator's own cases are in format_test.
    {"value_latin1", [](Damage& d) { d.Beam().value = "W 21\xD7"; }, kOpenValueNotUtf8},
    {"bytes_before_checksum", [](Damage& d) { d.bag.beforeChecksum = "x"; }, kOpenBagTrailingBytes},
};

class DamagedFile : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFile, IsRefusedWithItsErrorAndNoInputs) {
    test::TempFolder folder;
    const std::string path = folder.File("damaged.vtl");
    test::WriteBytes(path, Bytes(GetParam()));
    for (const ProjectReadResult& read :
         {DecodeProject(Bytes(GetParam())), ReadProjectFile(path)}) {
        EXPECT_EQ(read.error, GetParam().error);
        EXPECT_EQ(read.inputs, GetParam().error ? DesignInputs{} : NewDesignInputs());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedFile, testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.label); });

TEST(ReadProjectFile, RefusesAMissingFile) {
    EXPECT_EQ(ReadProjectFile(test::TempFolder().File("absent.vtl")).error, kOpenCannotOpen);
}

namespace fs = std::filesystem;

std::vector<std::string> Replayed() {
    std::vector<std::string> files;
    for (const char* folder : {"tests/files/regressions", "fuzz/corpus", "examples"})
        for (const auto& entry : fs::directory_iterator(fs::path(VANTREL_SOURCE_DIR) / folder))
            if (entry.path().extension() != ".md") files.push_back(entry.path().string());
    return files;
}

class ReplayedFile : public testing::TestWithParam<std::string> {};

// Decoded or refused alike from disk; what opening shows saves and opens again unchanged.
TEST_P(ReplayedFile, DecodesOrIsRefusedAndReopensAsItOpened) {
    const ProjectReadResult read = DecodeProject(test::ReadBytes(GetParam()));
    EXPECT_EQ(ReadProjectFile(GetParam()).error, read.error);
    if (!read.ok()) {
        EXPECT_EQ(read.inputs, DesignInputs{});
        return;
    }
    ASSERT_EQ(CheckSavable(read.inputs), kFileOk);
    EXPECT_EQ(DecodeProject(EncodeProject(read.inputs)).inputs, read.inputs);
}

INSTANTIATE_TEST_SUITE_P(Files, ReplayedFile, testing::ValuesIn(Replayed()), [](const auto& p) {
    return test::TestName(p.param.substr(p.param.rfind('/', p.param.rfind('/') - 1) + 1));
});

// The reader takes every byte to the end, whatever errno an earlier call
// left, and also when the file gets descriptor 0 (a program started with
// standard input closed).
TEST(RegularFileReaderTest, ReadsTheWholeFileWhateverErrnoOrDescriptorItGets) {
    test::TempFolder folder;
    const std::string path = folder.File("design.vtl");
    const std::vector<uint8_t> bytes(1000, 'x');
    test::WriteBytes(path, bytes);
    for (const bool stdinClosed : {false, true}) {
        const int savedStdin = stdinClosed ? dup(0) : -1;
        if (stdinClosed) close(0);
        {
            RegularFileReader reader(path);
            errno = EINTR;
            std::vector<uint8_t> read;
            EXPECT_EQ(reader.error(), 0);
            EXPECT_TRUE(reader.Read(4096, read));
            EXPECT_EQ(read, bytes);
        }
        if (stdinClosed) {
            dup2(savedStdin, 0);
            close(savedStdin);
        }
    }
}

}  // namespace
}  // namespace vantrel
