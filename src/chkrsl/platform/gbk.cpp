#include "chkrsl/platform/gbk.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <cerrno>
#include <memory>
#include <vector>

namespace chkrsl {
namespace {

#ifdef _WIN32

// The code page functions would turn a character outside the BMP into two
// '?' and drop a lone lead byte, so text is converted one character at a
// time, giving exactly what iconv gives on other systems.

constexpr UINT kGbk = 936;

// Bytes of the UTF-8 sequence that `lead` begins; 0 for no valid lead.
size_t Utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Appends the n bytes at src, one character of code page `from`, converted
// to code page `to`; false when either side cannot hold it.
bool ConvertOne(const char* src, size_t n, UINT from, UINT to, std::string& out) {
  wchar_t wide[2];
  const int wn = MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, src, static_cast<int>(n), wide, 2);
  if (wn <= 0) return false;
  char buf[8];
  BOOL usedDefault = FALSE;
  const bool toUtf8 = to == CP_UTF8;
  const int m = WideCharToMultiByte(to, toUtf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide, wn, buf,
                                    sizeof buf, nullptr, toUtf8 ? nullptr : &usedDefault);
  if (m <= 0 || usedDefault) return false;
  out.append(buf, static_cast<size_t>(m));
  return true;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const size_t n = Utf8Length(static_cast<unsigned char>(utf8[i]));
    if (n == 1) {
      out += utf8[i++];
    } else if (n > 0 && i + n <= utf8.size() && ConvertOne(&utf8[i], n, CP_UTF8, kGbk, out)) {
      i += n;
    } else {
      // One '?' for the character: its lead byte and continuation bytes.
      out += '?';
      for (++i; i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80; ++i) {
      }
    }
  }
  return out;
}

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  out.reserve(gbk.size() * 3 / 2);
  for (size_t i = 0; i < gbk.size();) {
    if (static_cast<unsigned char>(gbk[i]) < 0x80) {
      out += gbk[i++];
    } else if (i + 1 < gbk.size() && ConvertOne(&gbk[i], 2, kGbk, CP_UTF8, out)) {
      i += 2;
    } else if (ConvertOne(&gbk[i], 1, kGbk, CP_UTF8, out)) {
      i += 1;
    } else {
      out += "\xEF\xBF\xBD";  // U+FFFD for the one byte that is not GBK
      i += 1;
    }
  }
  return out;
}

#else

// Converts with iconv, replacing each byte that cannot be converted by
// `replacement` and going on after it.
std::string Convert(std::string_view in, const char* to, const char* from,
                    std::string_view replacement) {
  const bool fromUtf8 = std::string_view(from) == "UTF-8";
  iconv_t cd = iconv_open(to, from);
  // iconv_open reports failure as (iconv_t)-1.
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);  // NOLINT(performance-no-int-to-ptr)
  // Closed however the conversion ends, running out of memory included.
  std::unique_ptr<void, int (*)(iconv_t)> closing(cd, iconv_close);
  std::string out;
  out.reserve(in.size() * 3 / 2 + 4);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char buf[512];
  while (srcLeft > 0) {
    char* dst = buf;
    size_t dstLeft = sizeof buf;
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buf, static_cast<size_t>(dst - buf));
    if (r == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL (a sequence cut short at the end): replace one
      // character. In UTF-8 input that is the lead byte and its
      // continuation bytes; in GBK input one byte.
      out.append(replacement);
      ++src;
      --srcLeft;
      while (fromUtf8 && srcLeft > 0 && (static_cast<unsigned char>(*src) & 0xC0) == 0x80) {
        ++src;
        --srcLeft;
      }
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  char* dst = buf;
  size_t dstLeft = sizeof buf;
  iconv(cd, nullptr, nullptr, &dst, &dstLeft);
  out.append(buf, static_cast<size_t>(dst - buf));
  return out;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) { return Convert(utf8, "GBK", "UTF-8", "?"); }
std::string GbkToUtf8(std::string_view gbk) {
  return Convert(gbk, "UTF-8", "GBK", "\xEF\xBF\xBD");
}

#endif

}  // namespace chkrsl
