#include "json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace chkrsl_cli {

std::string FormatDouble(double v) {
  if (std::isnan(v)) return "nan";
  if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

std::string JsonQuoted(const std::string& text) {
  std::string s = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      s += '\\';
      s += static_cast<char>(c);
    } else if (c < 0x20) {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\u%04x", c);
      s += esc;
    } else {
      s += static_cast<char>(c);
    }
  }
  return s + "\"";
}

void JsonWriter::Separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (first_.empty()) return;
  if (!first_.back()) buf_ += ',';
  first_.back() = false;
}

JsonWriter& JsonWriter::BeginObject() {
  Separate();
  buf_ += '{';
  first_.push_back(true);
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  buf_ += '}';
  first_.pop_back();
  // A long listing is one object: hand its text over as it grows.
  if (buf_.size() > (1 << 16)) Flush();
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  Separate();
  buf_ += '[';
  first_.push_back(true);
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  buf_ += ']';
  first_.pop_back();
  return *this;
}

namespace {

bool NeedsEscape(const std::string& text) {
  for (unsigned char c : text)
    if (c == '"' || c == '\\' || c < 0x20) return true;
  return false;
}

}  // namespace

JsonWriter& JsonWriter::Key(const std::string& key) {
  Separate();
  if (NeedsEscape(key)) {
    buf_ += JsonQuoted(key);
  } else {
    buf_ += '"';
    buf_ += key;
    buf_ += '"';
  }
  buf_ += ':';
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::Int(int64_t v) {
  Separate();
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  buf_.append(buf, r.ptr);
  return *this;
}

JsonWriter& JsonWriter::Double(double v) {
  Separate();
  if (std::isfinite(v)) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    buf_.append(buf, r.ptr);
  } else {
    buf_ += JsonQuoted(FormatDouble(v));
  }
  return *this;
}

JsonWriter& JsonWriter::String(const std::string& v) {
  Separate();
  buf_ += JsonQuoted(v);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool v) {
  Separate();
  buf_ += v ? "true" : "false";
  return *this;
}

}  // namespace chkrsl_cli
