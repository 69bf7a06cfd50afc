#include "cli/Output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orv::cli {

using namespace core;

namespace {
constexpr unsigned kFileMode = 0666;  // narrowed by the user's umask, as other tools do
}

bool Output::open() {
  if (!file_) return true;
  if (newFile_.create(*file_, kFileMode)) return true;
  error_ = newFile_.error();
  return false;
}

bool Output::stdoutFailed() {
  error_ = std::string("The standard output can not be written: ") + std::strerror(errno) + ".";
  return false;
}

bool Output::write(std::string_view piece) {
  if (!error_.empty()) return false;
  if (file_) {
    if (newFile_.write(piece)) return true;
    error_ = newFile_.error();
    return false;
  }
  if (std::fwrite(piece.data(), 1, piece.size(), stdout) != piece.size()) return stdoutFailed();
  return true;
}

bool Output::finish() {
  if (!error_.empty()) return false;
  if (file_) {
    if (newFile_.finish()) return true;
    error_ = newFile_.error();
    return false;
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) return stdoutFailed();
  return true;
}

}  // namespace orv::cli
