// The errors that stop a skin load. Everything else in a skin falls back silently to a default; these
// are the only failures a load reports, and each message is the text a user or a tool would show.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace vireltan {

class SkinError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A skin rectangle or point field that is not an integer: "'<field>' is not a valid integer value".
class SkinConvertError : public SkinError {
  public:
    explicit SkinConvertError(std::string_view field) : SkinError(message(field)) {}

  private:
    static std::string message(std::string_view field) {
        std::string text(1, '\'');
        text.append(field);
        text.append("' is not a valid integer value");
        return text;
    }
};

// Damaged, truncated or oversized zlib data.
class SkinCompressionError : public SkinError {
  public:
    SkinCompressionError() : SkinError("compression error") {}
};

// A picture that is not a BMP file this reader understands.
class SkinBitmapError : public SkinError {
  public:
    SkinBitmapError() : SkinError("Bitmap image is not valid") {}
};

// The container ended before a field it must hold.
class SkinStreamError : public SkinError {
  public:
    SkinStreamError() : SkinError("Stream read error") {}
};

// A container of a later format than this reader knows.
class SkinVersionError : public SkinError {
  public:
    explicit SkinVersionError(int version)
        : SkinError("container version " + std::to_string(version) + " is not supported"),
          version_(version) {}
    int version() const { return version_; }

  private:
    int version_;
};

// A file the design-time packing or import could not open, read or write.
class SkinFileError : public SkinError {
  public:
    explicit SkinFileError(const std::string& message) : SkinError(message) {}
};

}  // namespace vireltan
