#include "chkrsl/platform/gbk.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <cerrno>
#include <vector>

namespace chkrsl {
namespace {

#ifdef _WIN32

std::string Convert(std::string_view in, UINT from, UINT to, const char* bad) {
  if (in.empty()) return {};
  int wn = MultiByteToWideChar(from, 0, in.data(), static_cast<int>(in.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(wn), L'\0');
  MultiByteToWideChar(from, 0, in.data(), static_cast<int>(in.size()), &w[0], wn);
  int n = WideCharToMultiByte(to, 0, w.data(), wn, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(to, 0, w.data(), wn, &out[0], n, to == 936 ? bad : nullptr, nullptr);
  return out;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) { return Convert(utf8, CP_UTF8, 936, "?"); }
std::string GbkToUtf8(std::string_view gbk) { return Convert(gbk, 936, CP_UTF8, nullptr); }

#else

// Converts with iconv, replacing each byte that cannot be converted by
// `replacement` and going on after it.
std::string Convert(std::string_view in, const char* to, const char* from,
                    std::string_view replacement) {
  const bool fromUtf8 = std::string_view(from) == "UTF-8";
  iconv_t cd = iconv_open(to, from);
  // iconv_open reports failure as (iconv_t)-1.
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);  // NOLINT(performance-no-int-to-ptr)
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
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Utf8ToGbk(std::string_view utf8) { return Convert(utf8, "GBK", "UTF-8", "?"); }
std::string GbkToUtf8(std::string_view gbk) {
  return Convert(gbk, "UTF-8", "GBK", "\xEF\xBF\xBD");
}

#endif

}  // namespace chkrsl
