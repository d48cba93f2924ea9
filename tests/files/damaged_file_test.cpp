// Damaged and hostile files are refused whole, with their own error number.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>

#include "files/project_file.h"
#include "raw_file.h"
#include "temp_folder.h"

namespace vantrel {
namespace {

using test::FileBytes;
using test::RawBag;
using test::RawEntry;
using test::RawHeader;

struct DamageCase {
    const char* label;
    std::function<std::vector<uint8_t>()> bytes;
    int error;
};

void PrintTo(const DamageCase& c, std::ostream* os) {
    *os << c.label;
}

RawBag GoodBag() {
    return RawBag(test::EntriesOf(NewDesignInputs()));
}

std::vector<uint8_t> Good() {
    return FileBytes(GoodBag());
}

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, size_t keep) {
    bytes.resize(keep);
    return bytes;
}

std::vector<uint8_t> WithHeader(const std::function<void(RawHeader&)>& change) {
    RawHeader header;
    change(header);
    return FileBytes(GoodBag(), header);
}

std::vector<uint8_t> WithBag(const std::function<void(RawBag&)>& change) {
    RawBag bag = GoodBag();
    change(bag);
    return FileBytes(bag);
}

// A good file with one field of the header or the bag set to value.
template <typename Field>
std::function<std::vector<uint8_t>()> Header(Field RawHeader::*field,
                                             std::type_identity_t<Field> value) {
    return [=] { return WithHeader([&](RawHeader& h) { h.*field = value; }); };
}

template <typename Field>
std::function<std::vector<uint8_t>()> Bag(Field RawBag::*field, std::type_identity_t<Field> value) {
    return [=] { return WithBag([&](RawBag& b) { b.*field = value; }); };
}

std::vector<uint8_t> WithBeam(const std::function<void(RawEntry&)>& change) {
    return WithBag([&](RawBag& bag) { change(bag.entries[2]); });
}

template <typename Field>
std::function<std::vector<uint8_t>()> Beam(Field RawEntry::*field,
                                           std::type_identity_t<Field> value) {
    return [=] { return WithBeam([&](RawEntry& e) { e.*field = value; }); };
}

std::vector<uint8_t> FlipByte(size_t from_end) {
    std::vector<uint8_t> bytes = Good();
    bytes[bytes.size() - from_end] ^= 0x20;
    return bytes;
}

const DamageCase kCases[] = {
    {"empty_file", [] { return std::vector<uint8_t>{}; }, kOpenHeaderTruncated},
    {"header_cut_at_11", [] { return Cut(Good(), 11); }, kOpenHeaderTruncated},
    {"string_variant_tag", Header(&RawHeader::tag, 0x0008), kOpenWrongTypeTag},
    {"tag_big_endian", Header(&RawHeader::tag, 0x1120), kOpenWrongTypeTag},
    {"no_dimensions", Header(&RawHeader::dimensions, 0), kOpenWrongDimensions},
    {"two_dimensions", Header(&RawHeader::dimensions, 2), kOpenWrongDimensions},
    {"lower_bound_one", Header(&RawHeader::lowerBound, 1), kOpenWrongLowerBound},
    {"n_of_four_gigabytes", Header(&RawHeader::declaredBagBytes, 0xFFFFFFFFu), kOpenBagTooLarge},
    {"n_just_over_limit", Header(&RawHeader::declaredBagBytes, kMaxBagBytes + 1), kOpenBagTooLarge},
    {"n_at_limit_beyond_file", Header(&RawHeader::declaredBagBytes, kMaxBagBytes),
     kOpenBagTruncated},
    {"n_one_beyond_file",
     [] {
         const auto size = static_cast<uint32_t>(test::BagBytes(GoodBag()).size());
         return WithHeader([size](RawHeader& h) { h.declaredBagBytes = size + 1; });
     },
     kOpenBagTruncated},
    {"cut_inside_bag", [] { return Cut(Good(), Good().size() - 10); }, kOpenBagTruncated},
    {"cut_after_header", [] { return Cut(Good(), 12); }, kOpenBagTruncated},
    {"n_zero", Header(&RawHeader::declaredBagBytes, 0), kOpenBagShort},
    {"n_below_smallest_bag", Header(&RawHeader::declaredBagBytes, 11), kOpenBagShort},
    {"bag_signature", Bag(&RawBag::signature, "VTLb"), kOpenBagSignature},
    {"bag_version_two", Bag(&RawBag::version, 2), kOpenBagVersion},
    {"bag_version_zero", Bag(&RawBag::version, 0), kOpenBagVersion},
    {"flipped_value_byte", [] { return FlipByte(10); }, kOpenBagChecksum},
    {"flipped_checksum_byte", [] { return FlipByte(1); }, kOpenBagChecksum},
    {"bad_checksum", Bag(&RawBag::goodChecksum, false), kOpenBagChecksum},
    {"too_many_entries", Bag(&RawBag::declaredCount, 65), kOpenTooManyEntries},
    {"count_beyond_entries", Bag(&RawBag::declaredCount, 31), kOpenEntryTruncated},
    {"value_longer_than_bag", Beam(&RawEntry::declaredValueLength, 5000), kOpenEntryTruncated},
    {"name_longer_than_bag",
     [] {
         return WithBag([](RawBag& b) {
             b.entries.resize(1);
             b.entries[0].declaredNameLength = 60;
         });
     },
     kOpenEntryTruncated},
    {"empty_name", Beam(&RawEntry::name, ""), kOpenBadName},
    {"name_of_65", Beam(&RawEntry::name, std::string(65, 'B')), kOpenBadName},
    {"name_length_absurd", Beam(&RawEntry::declaredNameLength, 0xFFFF), kOpenBadName},
    {"name_with_blank", Beam(&RawEntry::name, "Be am"), kOpenBadName},
    {"name_not_ascii",
     Beam(&RawEntry::name,
          "B\xC3\xA9"
          "am"),
     kOpenBadName},
    {"name_with_nul", Beam(&RawEntry::name, std::string("Beam\0", 5)), kOpenBadName},
    {"duplicate_name",
     [] { return WithBag([](RawBag& b) {
              b.entries.push_back({"Beam", "W 8x10", {}, {}});
          }); },
     kOpenDuplicateName},
    {"duplicate_unknown_name",
     [] {
         return WithBag([](RawBag& b) {
             b.entries.push_back({"Note", "a", {}, {}});
             b.entries.push_back({"Note", "b", {}, {}});
         });
     },
     kOpenDuplicateName},
    {"value_over_limit",
     [] { return WithBeam([](RawEntry& e) { e.value.assign(kMaxValueBytes + 1, 'x'); }); },
     kOpenValueTooLong},
    {"value_length_absurd", Beam(&RawEntry::declaredValueLength, 0xFFFFFFF0u), kOpenValueTooLong},
    // One row: the validator's own cases are in format_test.
    {"value_latin1",
     Beam(&RawEntry::value,
          "W 21\xD7"
          "44"),
     kOpenValueNotUtf8},
    {"count_below_entries", Bag(&RawBag::declaredCount, 27), kOpenBagTrailingBytes},
    {"bytes_before_checksum", Bag(&RawBag::beforeChecksum, "x"), kOpenBagTrailingBytes},
};

class DamagedFile : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFile, IsRefusedWithItsErrorAndNoInputs) {
    const ProjectReadResult read = DecodeProject(GetParam().bytes());
    EXPECT_EQ(read.error, GetParam().error);
    EXPECT_EQ(read.inputs, DesignInputs{});
}

TEST_P(DamagedFile, IsRefusedTheSameWayFromDisk) {
    test::TempFolder folder;
    const std::string path = folder.File("damaged.vtl");
    test::WriteBytes(path, GetParam().bytes());
    const ProjectReadResult read = ReadProjectFile(path);
    EXPECT_EQ(read.error, GetParam().error);
    EXPECT_EQ(read.inputs, DesignInputs{});
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedFile, testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.label); });

TEST(DamagedFile, TheGoodBaseOfTheCasesOpens) {
    EXPECT_EQ(DecodeProject(Good()).error, kFileOk);
}

TEST(ReadProjectFile, RefusesAMissingFile) {
    test::TempFolder folder;
    EXPECT_EQ(ReadProjectFile(folder.File("absent.vtl")).error, kOpenCannotOpen);
}

}  // namespace
}  // namespace vantrel
