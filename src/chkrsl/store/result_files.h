// The element result files of each structure kind named in "CHKTT".
#pragma once

namespace chkrsl {

// The result files a load can open; each is opened at most once per load.
enum class ResultFileId {
  kLS, kCM, kGS, kGS_N, kST, kST_N, kAL, kHB, kHB_N, kOT, kPT, kPT_N, kCT,
  kCount
};

const char* ResultFileName(ResultFileId id);

// The file (and, for the kinds whose section categories 2 and 3 live apart,
// the "_N" companion) of a structure kind. False for a kind without files.
struct KindFiles {
  ResultFileId plain;
  ResultFileId companion;
  bool paired;
};
bool FilesOfKind(int structureKind, KindFiles& files);

// The file of a kind that holds the elements of a section category: the
// companion for categories 2 and 3 where the kind has one.
inline ResultFileId FileOfCategory(const KindFiles& files, int category) {
  const bool plain = !files.paired || category == 1 || category == 4;
  return plain ? files.plain : files.companion;
}

}  // namespace chkrsl
