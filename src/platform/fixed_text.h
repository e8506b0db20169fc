// Fixed-capacity, zero-terminated 8-bit text.  The run keeps every name,
// path and message in one of these: nothing is allocated, and a text that
// would not fit is refused whole instead of being shortened, because a
// shortened path names another file.
#pragma once

#include <cstddef>

namespace vz {

class TextBuffer {
 public:
  TextBuffer(const TextBuffer&) = delete;
  TextBuffer& operator=(const TextBuffer&) = delete;

  const char* c_str() const { return data_; }
  size_t size() const { return length_; }
  // Capacity in bytes, the terminating zero included.
  size_t capacity() const { return capacity_; }
  bool empty() const { return length_ == 0; }

  void clear() {
    length_ = 0;
    data_[0] = '\0';
  }

  // Shortens the text to its first `length` characters; a larger `length`
  // changes nothing.  Only for undoing an append of one's own.
  void truncate(size_t length) {
    if (length >= length_) return;
    length_ = length;
    data_[length_] = '\0';
  }

  // Appends `count` bytes of `text`.  All or nothing: when the result and its
  // terminating zero would not fit, the text stays as it was and the result
  // is false.
  [[nodiscard]] bool append(const char* text, size_t count) {
    if (count >= capacity_ - length_) return false;
    for (size_t i = 0; i < count; ++i) data_[length_ + i] = text[i];
    length_ += count;
    data_[length_] = '\0';
    return true;
  }

  [[nodiscard]] bool append(const char* text) { return append(text, lengthOf(text)); }

  [[nodiscard]] bool append(const TextBuffer& other) { return append(other.c_str(), other.size()); }

  // Replaces the content; on failure the buffer is left empty.
  [[nodiscard]] bool assign(const char* text) {
    clear();
    return append(text);
  }

  [[nodiscard]] bool assign(const char* text, size_t count) {
    clear();
    return append(text, count);
  }

  static size_t lengthOf(const char* text) {
    size_t n = 0;
    while (text[n] != '\0') ++n;
    return n;
  }

 protected:
  TextBuffer(char* storage, size_t capacity) : data_(storage), capacity_(capacity) { clear(); }
  ~TextBuffer() = default;

 private:
  char* data_;
  size_t capacity_;
  size_t length_ = 0;
};

// `Capacity` counts the terminating zero: FixedText<4> holds three characters.
template <size_t Capacity>
class FixedText : public TextBuffer {
  static_assert(Capacity >= 1, "a text needs room for its terminating zero");

 public:
  FixedText() : TextBuffer(storage_, Capacity) {}

 private:
  char storage_[Capacity];
};

}  // namespace vz
