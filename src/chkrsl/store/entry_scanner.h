// Forward scanning of a result file: an int32 entry count, then entries in
// ascending element number, each a 12-byte header and a body.
#pragma once

#include <cstdio>
#include <functional>

class CHKRsl;

namespace chkrsl {

// One result file open during a load, with how far it has been read.
struct ResultFile {
  std::FILE* file = nullptr;
  int count = 0;      // entries the file declares
  int consumed = 0;   // entries whose header has been read
  bool countRead = false;

  // Reads the entry count at the current position. A count that is
  // negative or larger than the rest of the file can hold counts as an empty
  // file, so the scan ends at once. Returns false for such a count.
  bool ReadCount();
  void Close();
};

// The header of an entry as stored: the type code keeps its sign.
struct EntryHeader {
  int eleNo = 0;
  int storedCode = 0;
  int secType = 0;
};

// Walks every entry of a result file from its start, reading the count and
// each header and passing over each body. Stops at the first entry that
// cannot be passed over. Returns true when all declared entries were walked.
bool WalkEntryHeaders(std::FILE* f, const std::function<void(const EntryHeader&)>& visit);

// Opens a project file for binary reading; null when it has no path or
// cannot be opened.
std::FILE* OpenProjectFile(const char* ext);

// Scans forward to the entry of eleNo, passing over the entries before it
// by their body size, then creates its record and lets it read its body.
// Returns 1 with `rec` set; 0 when the file has no (whole) entry for eleNo,
// and 0 after the message "section changed" when the stored section type is
// not `expectedSecType`.
int ReadEleRslEntry(CHKRsl*& rec, ResultFile& rf, int eleNo, int expectedSecType);

// Reads eleNo from the plain file or its "_N" companion, as the section
// category of secType decides; the chosen file's count is read on first use.
int ReadEleRslPair(CHKRsl*& rec, int eleNo, int secType, ResultFile& plain,
                   ResultFile& companion);

}  // namespace chkrsl
