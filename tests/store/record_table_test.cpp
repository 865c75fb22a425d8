#include <gtest/gtest.h>

#include "chkrsl/chkrsl.h"

namespace {

using chkrsl::EntryBodyBytes;

// The sizes entries are passed over by, for every combination of type code
// and section category the files are written with.
TEST(RecordTable, BodySizesOfTheSteelCodes) {
  for (int code : {2, 6, 8}) {
    EXPECT_EQ(EntryBodyBytes(code, 1), 731) << code;
    EXPECT_EQ(EntryBodyBytes(code, 42), 731) << code;  // category 4
    EXPECT_EQ(EntryBodyBytes(code, 35), 1531) << code;
    EXPECT_EQ(EntryBodyBytes(code, 26), 1943) << code;
  }
  EXPECT_EQ(EntryBodyBytes(-6, 1), 933);
  EXPECT_EQ(EntryBodyBytes(-8, 42), 933);
  EXPECT_EQ(EntryBodyBytes(1, 1), 668);
  EXPECT_EQ(EntryBodyBytes(4, 1), 668);
  EXPECT_EQ(EntryBodyBytes(3, 35), 1484);
  EXPECT_EQ(EntryBodyBytes(10, 26), 1896);
  EXPECT_EQ(EntryBodyBytes(5, 1), 692);
  EXPECT_EQ(EntryBodyBytes(5, 35), 1492);
  EXPECT_EQ(EntryBodyBytes(7, 1), 755);
  EXPECT_EQ(EntryBodyBytes(9, 1), 7055);
  EXPECT_EQ(EntryBodyBytes(76, 1), 704);
  EXPECT_EQ(EntryBodyBytes(216, 1), 360);
  EXPECT_EQ(EntryBodyBytes(228, 32), 700);
  EXPECT_EQ(EntryBodyBytes(316, 26), 1572);
  EXPECT_EQ(EntryBodyBytes(11, 29), -1);  // length word
  EXPECT_EQ(EntryBodyBytes(18, 24), -1);
}

// Where a fixed size would misalign the scan, the size is what reading the
// entry consumes.
TEST(RecordTable, SizesFollowWhatTheEntryCarries) {
  EXPECT_EQ(EntryBodyBytes(-6, 35), 933 + 800);  // energy member with a user section
  EXPECT_EQ(EntryBodyBytes(1, 26), 668 + 1212);  // light steel with a DataForLts
  EXPECT_EQ(EntryBodyBytes(216, 32), 328 + 212); // concrete-filled with the tail
  EXPECT_EQ(EntryBodyBytes(226, 31), 488 + 32);  // without it
}

}  // namespace
