#include "platform/text_mode.h"

#include <cstring>
#include <utility>
#include <vector>

namespace platform {
namespace {

class TextModeReader final : public ReadableFile {
 public:
  explicit TextModeReader(std::unique_ptr<ReadableFile> inner) : inner_(std::move(inner)) {}

  size_t Read(char* out, size_t size) override {
    size_t produced = 0;
    while (produced < size) {
      if (!Fill(1)) break;
      char c = buffer_[pos_];
      if (c == '\r') {
        // A CR at the end of the buffered bytes needs the next byte to decide.
        if (Fill(2) && buffer_[pos_ + 1] == '\n') {
          ++pos_;
          c = '\n';
        }
      }
      ++pos_;
      out[produced++] = c;
    }
    return produced;
  }

 private:
  // Makes at least `count` unread bytes available unless the file ends first.
  bool Fill(size_t count) {
    while (buffer_.size() - pos_ < count) {
      if (pos_ > 0) {
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(pos_));
        pos_ = 0;
      }
      size_t old_size = buffer_.size();
      buffer_.resize(old_size + kChunk);
      size_t got = inner_->Read(buffer_.data() + old_size, kChunk);
      buffer_.resize(old_size + got);
      if (got == 0) return buffer_.size() - pos_ >= count;
    }
    return true;
  }

  static constexpr size_t kChunk = 64 * 1024;
  std::unique_ptr<ReadableFile> inner_;
  std::vector<char> buffer_;
  size_t pos_ = 0;
};

class TextModeWriter final : public WritableFile {
 public:
  explicit TextModeWriter(std::unique_ptr<WritableFile> inner) : inner_(std::move(inner)) {}

  bool Write(std::string_view data) override {
    std::string translated;
    translated.reserve(data.size() + data.size() / 16 + 2);
    for (char c : data) {
      if (c == '\n') translated.push_back('\r');
      translated.push_back(c);
    }
    return inner_->Write(translated);
  }

  bool Close() override { return inner_->Close(); }

 private:
  std::unique_ptr<WritableFile> inner_;
};

}  // namespace

std::unique_ptr<ReadableFile> NewTextModeReader(std::unique_ptr<ReadableFile> inner) {
  return std::make_unique<TextModeReader>(std::move(inner));
}

std::unique_ptr<WritableFile> NewTextModeWriter(std::unique_ptr<WritableFile> inner) {
  return std::make_unique<TextModeWriter>(std::move(inner));
}

}  // namespace platform
