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
  if (!first_.back()) out_ << ',';
  first_.back() = false;
}

JsonWriter& JsonWriter::BeginObject() {
  Separate();
  out_ << '{';
  first_.push_back(true);
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  out_ << '}';
  first_.pop_back();
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  Separate();
  out_ << '[';
  first_.push_back(true);
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  out_ << ']';
  first_.pop_back();
  return *this;
}

JsonWriter& JsonWriter::Key(const std::string& key) {
  Separate();
  out_ << JsonQuoted(key) << ':';
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::Int(int64_t v) {
  Separate();
  char buf[24];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  out_.write(buf, r.ptr - buf);
  return *this;
}

JsonWriter& JsonWriter::Double(double v) {
  Separate();
  if (std::isfinite(v)) {
    out_ << FormatDouble(v);
  } else {
    out_ << JsonQuoted(FormatDouble(v));
  }
  return *this;
}

JsonWriter& JsonWriter::String(const std::string& v) {
  Separate();
  out_ << JsonQuoted(v);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool v) {
  Separate();
  out_ << (v ? "true" : "false");
  return *this;
}

}  // namespace chkrsl_cli
