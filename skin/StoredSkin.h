// The stored skin: a zlib stream that inflates to the skin container.
//
// Container layout (little-endian): 32-bit version (at most 3); for the main, inactive and mask
// pictures a flag byte (0: a BMP file follows, anything else: none); for version 2 only, two more
// flag-and-picture pairs that are read and dropped; a 32-bit picture count N and N BMP files back to
// back; then the skin definition text to the end of the data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "skin/Bmp.h"
#include "skin/ByteReader.h"

namespace vireltan {

constexpr int kSkinContainerVersion = 3;  // the version the packer writes and the highest one read
constexpr std::size_t kInflateChunk = 4096;
// A container is about a megabyte; a stream that inflates past this is treated as damaged.
constexpr std::size_t kMaxInflatedBytes = std::size_t{64} << 20;
constexpr std::size_t kInflateReserveLimit = std::size_t{4} << 20;

// Allocates like std::allocator but leaves elements that a resize adds uninitialised: the inflater
// writes every byte it adds, and zero-filling a megabyte before inflating into it costs a noticeable
// part of a load.
template <class T>
struct UninitialisedAllocator : std::allocator<T> {
    using std::allocator<T>::allocator;
    template <class U>
    struct rebind {
        using other = UninitialisedAllocator<U>;
    };
    template <class U>
    void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>) {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};
// An inflated skin container.
using SkinBytes = std::vector<std::uint8_t, UninitialisedAllocator<std::uint8_t>>;

// Inflates a zlib stream (header and Adler-32 trailer) in 4096-byte pieces. Damaged, truncated or
// oversized data throw SkinCompressionError.
SkinBytes inflateSkinStream(std::span<const std::uint8_t> compressed);
// Deflates into a zlib stream (the packer uses the highest level, 9).
std::vector<std::uint8_t> deflateSkinStream(std::span<const std::uint8_t> data, int level = 9);

// Reads the container's fields in order; each call consumes exactly its field.
class SkinContainerReader {
  public:
    explicit SkinContainerReader(std::span<const std::uint8_t> container) : in_(container) {}

    int readVersion() { return in_.readI32(); }
    // One flag byte and, when it is 0, one BMP file; a non-zero flag gives an empty picture.
    SkinPicture readFlaggedPicture();
    int readCount() { return in_.readI32(); }
    SkinPicture readPicture() { return readBmp(in_); }
    // The rest of the data as text.
    std::string readText();

  private:
    ByteReader in_;
};

// A whole container, for tools: the pictures and the text as they were packed.
struct SkinContainer {
    int version = kSkinContainerVersion;
    SkinPicture mainPicture;
    SkinPicture inactivePicture;
    SkinPicture maskPicture;
    std::vector<SkinPicture> legacyPictures;  // written (two, empty ones flagged) only for version 2
    std::vector<SkinPicture> pictures;
    std::string text;
};

// Writes a container. Empty fixed pictures get the flag 1 and no file; the text is written as given.
std::vector<std::uint8_t> writeSkinContainer(const SkinContainer& container);
// Reads a whole container; a version above 3 throws SkinVersionError.
SkinContainer readSkinContainer(std::span<const std::uint8_t> bytes);

// The component that keeps the stored skin in the window resource.
class TbsCompressedStoredSkin {
  public:
    std::string FileName;            // file-name part of the skin definition file it was packed from
    std::string CompressedFileName;  // file-name part of the compressed skin file it was imported from
    std::string Description;

    bool IsEmpty() const { return compressedData_.empty(); }
    const std::vector<std::uint8_t>& CompressedData() const { return compressedData_; }
    // Reading the resource's raw-data property: the bytes replace the compressed data.
    void setCompressedData(std::vector<std::uint8_t> bytes) { compressedData_ = std::move(bytes); }
    // Inflates the compressed data (SkinCompressionError on damaged data).
    SkinBytes DecompressToStream() const { return inflateSkinStream(compressedData_); }

    // Design-time packing of a skin definition file and the BMP files it names, from the file's folder.
    // Returns false and changes nothing when one of [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS],
    // [SKINCONTROLS] is missing. A file that cannot be read throws and also changes nothing.
    bool PackSkinFile(const std::filesystem::path& skinFile);
    // Design-time import of a compressed skin file: 32-bit version, 32-bit length L, L bytes. The
    // compressed data are emptied first; a version above 3 leaves them empty and returns false.
    bool ImportCompressedFile(const std::filesystem::path& file);
    // Writes the compressed skin file the import reads.
    void ExportCompressedFile(const std::filesystem::path& file) const;

  private:
    std::vector<std::uint8_t> compressedData_;
};

// Builds the container of a skin definition text whose pictures are loaded from `folder`; throws
// SkinFileError for a picture file that cannot be read. Used by packing.
SkinContainer containerFromSkinText(const std::string& text, const std::filesystem::path& folder);

std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& file);  // throws SkinFileError

}  // namespace vireltan
