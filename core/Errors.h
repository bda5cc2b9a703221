// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Run-time errors carry the error numbers the program has always reported
// ("エラー番号" + number + "のエラーです"), so each operation can catch them
// where it decides and say the same words.

#include <stdexcept>
#include <string>

namespace kuyu {

namespace err {
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int FileNotFound = 53;
constexpr int InputPastEnd = 62;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int BadFileName = 52;
constexpr int DeviceIo = 57;
constexpr int PermissionDenied = 70;
constexpr int InvalidPicture = 481;
constexpr int PrinterError = 482;
} // namespace err

class RunTimeError : public std::runtime_error {
  public:
    explicit RunTimeError(int number, const std::string& what = {})
        : std::runtime_error(what.empty() ? "run-time error " + std::to_string(number) : what),
          number_(number) {}
    int number() const noexcept { return number_; }

  private:
    int number_;
};

} // namespace kuyu
