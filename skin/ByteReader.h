// Sequential little-endian reading from a byte block in memory; running past the end is a
// SkinStreamError, never a read outside the block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "skin/SkinErrors.h"

namespace vireltan {

class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }
    bool atEnd() const { return pos_ == data_.size(); }

    std::uint8_t readU8() { return take(1)[0]; }
    std::uint16_t readU16() {
        const auto b = take(2);
        return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    }
    std::uint32_t readU32() {
        const auto b = take(4);
        return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
               (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    }
    std::int32_t readI32() { return static_cast<std::int32_t>(readU32()); }

    // The next `count` bytes, consumed; a SkinStreamError when fewer are left.
    std::span<const std::uint8_t> take(std::size_t count) {
        if (count > remaining()) throw SkinStreamError();
        const auto bytes = data_.subspan(pos_, count);
        pos_ += count;
        return bytes;
    }
    // Everything that is left, consumed.
    std::span<const std::uint8_t> takeRest() { return take(remaining()); }

  private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

}  // namespace vireltan
