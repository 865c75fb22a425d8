// Forward scanning of a result file: an int32 entry count, then entries in
// ascending element number, each a 12-byte header and a body.
#pragma once

#include <cstdio>
#include <cstdint>
#include <functional>
#include <string>

class CHKRsl;

namespace chkrsl {

// What reading the entry a scan stopped at gave.
enum class EntryOutcome { kMissing, kSectionChanged, kRead };

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

// The path of a project file, empty when the host composes none.
std::string ProjectFilePath(const char* ext);

// Opens a project file for binary reading; null when it has no path or
// cannot be opened. The path opened is stored in `openedPath` when given.
// Forward scans read through a buffer of `bufferBytes`: `buffer` when given
// (it must outlive the stream; some runtimes size a buffer of their own by
// the file system, whatever is asked). A size of 0 leaves the stream's
// buffer alone, for streams read only through an io::ReadAhead.
std::FILE* OpenProjectFile(const char* ext, std::string* openedPath = nullptr,
                           int bufferBytes = 64 * 1024, char* buffer = nullptr);

// Passes over the body of an entry whose 12-byte header has been read.
// Returns the bytes passed over (a length word included), or -1 when the
// body cannot be passed over (an unreadable code, a negative length word,
// a file that ends first).
int64_t PassOverBody(std::FILE* f, int storedCode, int secType);


// Reads the entry a scan stopped at, the file standing after its element
// number and type code: its section type, then the record. kSectionChanged
// when the stored section type is not `expectedSecType` (nothing shown);
// kMissing when the entry is corrupt or not whole. An entry is read exactly
// as it is passed over, or it is corrupt.
EntryOutcome ReadStoppedEntry(CHKRsl*& rec, std::FILE* f, int number, int code,
                              int expectedSecType);

// Scans forward to the entry of eleNo, passing over the entries before it
// by their body size, then creates its record and lets it read its body.
// Returns 1 with `rec` set; 0 when the file has no (whole) entry for eleNo,
// and 0 after the message "section changed" when the stored section type is
// not `expectedSecType`.
int ReadEleRslEntry(CHKRsl*& rec, ResultFile& rf, int eleNo, int expectedSecType);

// What ReadStoppedEntry gives for the entry that ReadEleRslEntry's scan
// stops at, or kMissing when there is none; nothing is shown.
EntryOutcome ScanForEntry(CHKRsl*& rec, ResultFile& rf, int eleNo, int expectedSecType);

// Reads eleNo from the plain file or its "_N" companion, as the section
// category of secType decides; the chosen file's count is read on first use.
int ReadEleRslPair(CHKRsl*& rec, int eleNo, int secType, ResultFile& plain,
                   ResultFile& companion);

}  // namespace chkrsl
