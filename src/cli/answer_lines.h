// The reading of JSON request lines from standard input and the writing of their answers, for
// the commands that answer request lines (batch, mark).
#pragma once

#include <simdjson.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/options.h"
#include "cli/request.h"

namespace varnello::cli {

constexpr size_t kReadChunk = size_t{1} << 16;

// Reads standard input as lines (without their line feed). A line's bytes are followed by at
// least simdjson::SIMDJSON_PADDING readable bytes. A line longer than kMaxRequest is not kept
// (memory stays bounded): it comes back as TooLong. Before any read that may wait for input, the
// answers not yet written are written, so that a client sending one request at a time gets each
// answer while the input stays open.
class LineReader {
 public:
  enum class Result { Line, TooLong, End, ReadError, WriteError };

  explicit LineReader(std::string& pending) : pending_(pending) {}

  Result next(std::string_view& line) {
    bool tooLong = false;
    size_t scanned = begin_;  // bytes before this hold no line feed
    for (;;) {
      if (const void* nl = std::memchr(buf_.data() + scanned, '\n', end_ - scanned)) {
        size_t pos = static_cast<size_t>(static_cast<const char*>(nl) - buf_.data());
        line = {buf_.data() + begin_, pos - begin_};
        begin_ = pos + 1;
        return tooLong || line.size() > kMaxRequest ? Result::TooLong : Result::Line;
      }
      if (eof_) {
        if (begin_ == end_ && !tooLong) return Result::End;
        line = {buf_.data() + begin_, end_ - begin_};
        begin_ = end_;
        return tooLong || line.size() > kMaxRequest ? Result::TooLong : Result::Line;
      }
      if (tooLong || end_ - begin_ > kMaxRequest) {
        // Too long to answer: its bytes are dropped while looking for its end.
        tooLong = true;
        begin_ = end_ = 0;
      } else if (begin_ > 0) {
        std::memmove(buf_.data(), buf_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
      }
      scanned = end_;
      if (buf_.size() < end_ + kReadChunk + simdjson::SIMDJSON_PADDING) {
        buf_.resize(end_ + kReadChunk + simdjson::SIMDJSON_PADDING);
      }
      if (!pending_.empty()) {
        if (!WriteAll(STDOUT_FILENO, pending_)) return Result::WriteError;
        pending_.clear();
      }
      ssize_t n = ::read(STDIN_FILENO, buf_.data() + end_, kReadChunk);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return Result::ReadError;
      if (n == 0) eof_ = true;
      end_ += static_cast<size_t>(n);
    }
  }

 private:
  std::string& pending_;
  std::vector<char> buf_ = std::vector<char>(kReadChunk + simdjson::SIMDJSON_PADDING);
  size_t begin_ = 0, end_ = 0;
  bool eof_ = false;
};

// Answers JSON request lines from standard input, one answer line each on standard output, as
// they come: answers are written before the program waits for more input, and whenever 64 KiB
// of them have built up, so memory stays flat however many lines come.
template <typename Answerer>
int AnswerLines(const Args& args, std::string_view command) {
  if (!Options(args).wordsOnly(command)) return kUsageError;
  if (!args.empty()) return UsageError(std::string(command) + ": takes no arguments (see --help)");
  Answerer answerer;
  std::string out;
  LineReader reader(out);
  std::string_view line;
  for (;;) {
    LineReader::Result r = reader.next(line);
    if (r == LineReader::Result::WriteError) return IoError("write the output");
    if (r == LineReader::Result::ReadError) {
      int status = IoError("read the input");
      return WriteAll(STDOUT_FILENO, out) ? status : IoError("write the output");
    }
    if (r == LineReader::Result::End) break;
    if (r == LineReader::Result::TooLong) {
      answerer.answerTooLong(out);
    } else {
      answerer.answer(line, out);
    }
    if (out.size() > kReadChunk) {
      if (!WriteAll(STDOUT_FILENO, out)) return IoError("write the output");
      out.clear();
    }
  }
  return Emit(out, 0);
}

}  // namespace varnello::cli
