#include "record_fields.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <cstring>

#include "json_writer.h"

namespace chkrsl_cli {

double BitsToDouble(FieldBits bits) {
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

int64_t BitsToInt(FieldBits bits) { return static_cast<int64_t>(bits); }

void FieldTaker::Clear(const char* name) {
  className = name;
  count_ = 0;
  values.clear();
}

void FieldTaker::Int(const chkrsl::FieldName& n, int32_t v) {
  Add(n, TokenKind::kInt);
  values.push_back(static_cast<FieldBits>(int64_t{v}));
}

void FieldTaker::Double(const chkrsl::FieldName& n, double v) {
  Add(n, TokenKind::kDouble);
  FieldBits bits;
  std::memcpy(&bits, &v, sizeof bits);
  values.push_back(bits);
}

void FieldTaker::Flag(const chkrsl::FieldName& n, uint8_t v) {
  Add(n, TokenKind::kFlag);
  values.push_back(v);
}

namespace {

uint64_t HashOf(const FieldTaker& taken) {
  // The tokens' words and the class name's address, mixed word by word.
  uint64_t h = 1469598103934665603ull ^ reinterpret_cast<uintptr_t>(taken.className);
  const size_t words = taken.tokenCount() * sizeof(FieldToken) / sizeof(uint64_t);
  const auto* bytes = reinterpret_cast<const unsigned char*>(taken.tokens());
  for (size_t k = 0; k < words; ++k) {
    uint64_t w;
    std::memcpy(&w, bytes + k * sizeof w, sizeof w);
    h = (h ^ w) * 1099511628211ull;
    h ^= h >> 29;
  }
  return h;
}

bool SameShape(const Shape& s, const FieldTaker& taken) {
  return s.className == taken.className && s.tokens.size() == taken.tokenCount() &&
         std::memcmp(s.tokens.data(), taken.tokens(), taken.tokenCount() * sizeof(FieldToken)) == 0;
}

}  // namespace

std::unique_ptr<Shape> ShapeCache::Make(const FieldTaker& taken) const {
  auto s = std::make_unique<Shape>();
  s->className = taken.className;
  s->tokens.assign(taken.tokens(), taken.tokens() + taken.tokenCount());
  chkrsl::FieldPath path;
  std::string json;  // what comes before the next value
  bool first = true;
  for (const FieldToken& t : s->tokens) {
    const chkrsl::FieldName n(t.base, t.i, t.j, t.part);
    switch (t.kind) {
      case TokenKind::kEnter:
        json += first ? "" : ",";
        json += JsonQuoted(chkrsl::FieldText(n)) + ":{";
        first = true;
        path.Enter(n);
        continue;
      case TokenKind::kLeave:
        json += "}";
        first = false;
        path.Leave();
        continue;
      default: break;
    }
    json += first ? "" : ",";
    json += JsonQuoted(chkrsl::FieldText(n)) + ":";
    first = false;
    s->names.push_back(path.Of(n));
    s->isDouble.push_back(t.kind == TokenKind::kDouble);
    s->jsonCut.push_back(static_cast<uint32_t>(s->json.size()));
    s->json += json;
    json.clear();
  }
  s->jsonCut.push_back(static_cast<uint32_t>(s->json.size()));
  s->json += json + "}";
  for (const std::string& name : s->names) s->nameBytes += name.size();
  return s;
}

Shape& ShapeCache::Of(const FieldTaker& taken) {
  // Records of one file mostly take turns among a few shapes: the most
  // recent ones are tried first.
  constexpr int kRecentTried = 8;
  int tried = 0;
  for (auto s = shapes_.begin(); s != shapes_.end() && tried < kRecentTried; ++s, ++tried) {
    if (!SameShape(**s, taken)) continue;
    if (s != shapes_.begin()) shapes_.splice(shapes_.begin(), shapes_, s);
    return *shapes_.front();
  }
  const uint64_t h = HashOf(taken);
  auto range = byHash_.equal_range(h);
  for (auto it = range.first; it != range.second; ++it) {
    if (!SameShape(*it->second, taken)) continue;
    for (auto s = shapes_.begin(); s != shapes_.end(); ++s) {
      if (s->get() == it->second) {
        shapes_.splice(shapes_.begin(), shapes_, s);
        break;
      }
    }
    return *shapes_.front();
  }
  if (shapes_.size() >= capacity_) {
    Shape* oldest = shapes_.back().get();
    for (auto it = byHash_.begin(); it != byHash_.end(); ++it) {
      if (it->second == oldest) {
        byHash_.erase(it);
        break;
      }
    }
    shapes_.pop_back();
  }
  shapes_.push_front(Make(taken));
  byHash_.emplace(h, shapes_.front().get());
  return *shapes_.front();
}

char* PutDouble(char* p, double v) {
  // A whole number of at most five digits reads the same as its integer,
  // which is much quicker to write (the shortest form of 1e5 and beyond is
  // "1e+05"; -0 keeps its sign).
  constexpr double kShortWhole = 1e5;
  if (v > -kShortWhole && v < kShortWhole && v == static_cast<double>(static_cast<int32_t>(v)) &&
      !(v == 0 && std::signbit(v)))
    return PutInt(p, static_cast<int32_t>(v));
  if (!std::isfinite(v)) {
    const std::string text = FormatDouble(v);
    return OutBuffer::Put(p, text);
  }
  return std::to_chars(p, p + kNumberChars, v).ptr;
}

char* PutInt(char* p, int64_t v) { return std::to_chars(p, p + kNumberChars, v).ptr; }

void OutBuffer::Grow(size_t n) {
  constexpr size_t kBlock = size_t{1} << 20;
  if (out_ && used_ > 0) Flush();
  if (used_ + n <= cap_) return;
  const size_t cap = std::max(kBlock, used_ + n);
  std::unique_ptr<char[]> bigger(new char[cap]);
  if (used_ > 0) std::memcpy(bigger.get(), data_.get(), used_);
  data_ = std::move(bigger);
  cap_ = cap;
}

void OutBuffer::Flush() {
  if (out_ && used_ > 0) out_->write(data_.get(), static_cast<std::streamsize>(used_));
  used_ = 0;
}

}  // namespace chkrsl_cli
