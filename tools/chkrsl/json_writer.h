// A streaming JSON writer for the tool's outputs: objects and arrays
// written as they come, texts escaped (UTF-8 kept as it is), numbers in
// the shortest form that reads back to the same value, never depending on
// the locale.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace chkrsl_cli {

// The shortest text that reads back to v ("nan", "inf", "-inf" for the
// values JSON has no number for).
std::string FormatDouble(double v);

// Collects the text in memory and hands it to the stream at each line's end
// (and at destruction): an export writes millions of small pieces.
class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;
  ~JsonWriter() { Flush(); }

  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(const std::string& key);
  JsonWriter& Int(int64_t v);
  // Non-finite values are written as the strings "nan", "inf", "-inf".
  JsonWriter& Double(double v);
  JsonWriter& String(const std::string& v);
  JsonWriter& Bool(bool v);
  // Ends a line of JSON Lines output.
  void EndLine() {
    buf_ += '\n';
    Flush();
  }

 private:
  void Separate();
  void Flush() {
    out_.write(buf_.data(), static_cast<std::streamsize>(buf_.size()));
    buf_.clear();
  }
  std::ostream& out_;
  std::string buf_;
  std::vector<bool> first_;  // per open container: nothing written in it yet
  bool afterKey_ = false;
};

// `text` as a JSON string literal.
std::string JsonQuoted(const std::string& text);

}  // namespace chkrsl_cli
