// How a reader finds an entry by its number in a file whose numbers
// ascend: it moves forward entry by entry and stops at the first number
// not below the one it looks for. An entry standing after a higher number
// is never reached.
#pragma once

namespace chkrsl {

// Moves `cursor` forward, at least one entry, to the first entry whose
// number is not below `number`. False when there is none.
template <class Cursor>
bool ScanForward(Cursor& cursor, int number) {
  do {
    if (!cursor.Next()) return false;
  } while (cursor.number() < number);
  return true;
}

// Whether a scan for each entry's number, met in file order, stops at that
// entry: the first entry, or one whose number is above every earlier one.
class ScanReach {
 public:
  bool Reaches(int number) {
    const bool reached = first_ || number > highest_;
    if (reached) highest_ = number;
    first_ = false;
    return reached;
  }

 private:
  bool first_ = true;
  int highest_ = 0;
};

}  // namespace chkrsl
