#include "platform/real_env.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <system_error>

#include "platform/pause.h"

namespace fs = std::filesystem;

namespace {

// Closes a FILE* on every path out of a scope.
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

bool IsDirectory(const std::string& name) {
  std::error_code ec;
  return fs::is_directory(name, ec);
}

// A plain open for writing fails on a directory and on a file without write
// permission; a rename over the file would not notice the latter, so the
// target is tried first without changing it.
bool TargetIsWritable(const std::string& name) {
  std::error_code ec;
  if (!fs::exists(name, ec)) return !ec;
  if (IsDirectory(name)) return false;
  return FilePtr(std::fopen(name.c_str(), "ab")) != nullptr;
}

// Writes all of `content` in text mode and checks the writes, the flush and
// the close. Text mode turns each "\n" into the platform's line break.
bool WriteWhole(const std::string& name, ByteSource& content) {
  std::FILE* f = std::fopen(name.c_str(), "w");
  if (f == nullptr) return false;
  bool ok = true;
  for (std::string_view piece; ok && !(piece = content.Next()).empty();) {
    ok = std::fwrite(piece.data(), 1, piece.size(), f) == piece.size();
  }
  ok = std::fflush(f) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  return ok;
}

}  // namespace

RealEnv::RealEnv() {
  // Every byte goes through the C++ streams alone, so they may buffer.
  std::ios::sync_with_stdio(false);
  std::cin.tie(&std::cout);
}

std::istream& RealEnv::In() { return std::cin; }

std::ostream& RealEnv::Out() { return std::cout; }

int64_t RealEnv::NowMillis() {
  using std::chrono::duration_cast;
  using std::chrono::milliseconds;
  return duration_cast<milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void RealEnv::PauseOneSecond() {
  std::cout.flush();
  SleepMillis(1000);
}

bool RealEnv::ReadFile(const std::string& name, Bytes* content) {
  if (IsDirectory(name)) return false;
  FilePtr f(std::fopen(name.c_str(), "rb"));
  if (f == nullptr) return false;
  // Read in as few pieces as the file's size allows; the size is only a
  // hint, as the file may still grow or shrink.
  std::error_code ec;
  const auto hint = fs::file_size(name, ec);
  content->clear();
  size_t used = 0;
  size_t capacity = ec ? size_t{1} << 16 : static_cast<size_t>(hint) + 1;
  for (;;) {
    content->resize(capacity);
    used += std::fread(content->data() + used, 1, capacity - used, f.get());
    if (used < capacity) break;
    capacity *= 2;
  }
  content->resize(used);
  return std::ferror(f.get()) == 0;
}

bool RealEnv::ReplaceFile(const std::string& name, ByteSource& content) {
  if (!TargetIsWritable(name)) return false;
  // The new content goes to a file beside the target first and replaces it
  // only once complete, so a crash or a full disk never leaves half a file.
  const std::string temp = name + ".tmp";
  std::error_code ec;
  if (WriteWhole(temp, content)) {
    fs::rename(temp, name, ec);
    if (!ec) return true;
  }
  if (!IsDirectory(temp)) fs::remove(temp, ec);
  return false;
}

void RealEnv::Exit(int status) {
  std::cout.flush();
  std::exit(status);
}
