// The texts the library shows, in UTF-8; they are shown as GBK. Records and
// the result store both include them.
#pragma once

namespace chkrsl {
namespace msg {

constexpr const char kNotChecked[] = "单元未验算!";
constexpr const char kSectionChanged[] = "单元截面类型已改变，请重新验算!";
constexpr const char kWallNotChecked[] = "墙体未验算!";
constexpr const char kEdgeNotChecked[] = "边缘构件未验算!";
constexpr const char kWriteError[] = "写文件时发生错误!";
// A call that ran out of memory did nothing; shown instead of its other messages.
constexpr const char kOutOfMemory[] = "内存不足，操作未完成!";

}  // namespace msg
}  // namespace chkrsl
