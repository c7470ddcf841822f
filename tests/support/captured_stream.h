// An output stream whose bytes a test reads back: a memory stream, so that a
// test or a fuzzer can make one per call at no cost.
#ifndef KVN_TESTS_SUPPORT_CAPTURED_STREAM_H
#define KVN_TESTS_SUPPORT_CAPTURED_STREAM_H

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace kvn::test {

class CapturedStream {
 public:
  CapturedStream() : stream_(open_memstream(&buffer_, &size_)) {
    if (stream_ == nullptr) {
      throw std::runtime_error("cannot open a memory stream");
    }
  }
  ~CapturedStream() {
    std::fclose(stream_);
    std::free(buffer_);  // NOLINT(cppcoreguidelines-no-malloc): open_memstream's own buffer
  }
  CapturedStream(const CapturedStream&) = delete;
  CapturedStream& operator=(const CapturedStream&) = delete;
  CapturedStream(CapturedStream&&) = delete;
  CapturedStream& operator=(CapturedStream&&) = delete;

  [[nodiscard]] std::FILE* get() const { return stream_; }

  // Everything the stream has received so far, its buffer included; writing
  // can go on after.
  [[nodiscard]] std::string written() const {
    std::fflush(stream_);
    return {buffer_, size_};
  }

 private:
  // Before stream_, which sets them as it is opened and again at each flush,
  // of a const object too.
  mutable char* buffer_ = nullptr;
  mutable std::size_t size_ = 0;
  std::FILE* stream_;
};

// Runs write with a captured stream and returns every byte it wrote.
template <typename Write>
std::string rendered(Write write) {
  const CapturedStream stream;
  write(stream.get());
  return stream.written();
}

}  // namespace kvn::test

#endif  // KVN_TESTS_SUPPORT_CAPTURED_STREAM_H
