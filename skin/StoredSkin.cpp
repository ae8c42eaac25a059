#include "skin/StoredSkin.h"

#include <zlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "skin/IniFile.h"
#include "skin/SkinErrors.h"
#include "skin/SkinValues.h"

namespace vireltan {
namespace {

class InflateStream {
  public:
    InflateStream() {
        if (inflateInit(&stream_) != Z_OK) throw SkinCompressionError();
    }
    ~InflateStream() { inflateEnd(&stream_); }
    InflateStream(const InflateStream&) = delete;
    InflateStream& operator=(const InflateStream&) = delete;
    z_stream* get() { return &stream_; }

  private:
    z_stream stream_{};
};

class DeflateStream {
  public:
    explicit DeflateStream(int level) {
        if (deflateInit(&stream_, level) != Z_OK) throw SkinCompressionError();
    }
    ~DeflateStream() { deflateEnd(&stream_); }
    DeflateStream(const DeflateStream&) = delete;
    DeflateStream& operator=(const DeflateStream&) = delete;
    z_stream* get() { return &stream_; }

  private:
    z_stream stream_{};
};

// Paths as UTF-8 text and back, the same on every platform.
std::string pathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}
std::filesystem::path textPath(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

void putI32(std::vector<std::uint8_t>& out, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void putFlaggedPicture(std::vector<std::uint8_t>& out, const SkinPicture& picture) {
    out.push_back(picture.isEmpty() ? 1 : 0);
    if (!picture.isEmpty()) {
        const auto file = writeBmp(picture);
        out.insert(out.end(), file.begin(), file.end());
    }
}

SkinPicture loadPictureFile(const std::filesystem::path& folder, const std::string& name) {
    if (name.empty()) return SkinPicture{};
    const auto bytes = readWholeFile(folder / textPath(name));
    try {
        return readBmp(bytes);
    } catch (const SkinError& e) {
        throw SkinFileError(name + ": " + e.what());
    }
}

std::int32_t readFileI32(std::istream& in) {
    std::uint8_t b[4];
    if (!in.read(reinterpret_cast<char*>(b), 4)) throw SkinStreamError();
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
        (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
}

}  // namespace

SkinBytes inflateSkinStream(std::span<const std::uint8_t> compressed) {
    InflateStream inflater;
    z_stream* z = inflater.get();
    SkinBytes out;
    // Growing a megabyte 4096 bytes at a time costs more than the inflating itself; room for a
    // typical expansion is taken at once, bounded so that no input can ask for much.
    out.reserve(std::min(compressed.size() * 32, kInflateReserveLimit));
    std::size_t offset = 0;
    int status = Z_OK;
    // One 4096-byte read after another, each appended straight onto the output, until a read yields
    // nothing.
    while (status != Z_STREAM_END) {
        const std::size_t filled = out.size();
        if (filled + kInflateChunk > kMaxInflatedBytes) throw SkinCompressionError();
        out.resize(filled + kInflateChunk);
        z->next_out = out.data() + filled;
        z->avail_out = static_cast<uInt>(kInflateChunk);
        while (z->avail_out > 0 && status != Z_STREAM_END) {
            if (z->avail_in == 0) {
                const std::size_t n = std::min<std::size_t>(compressed.size() - offset, kInflateChunk);
                if (n == 0) throw SkinCompressionError();  // the stream ends before its end marker
                z->next_in = const_cast<Bytef*>(compressed.data() + offset);
                z->avail_in = static_cast<uInt>(n);
                offset += n;
            }
            status = inflate(z, Z_NO_FLUSH);
            if (status != Z_OK && status != Z_STREAM_END) throw SkinCompressionError();
        }
        out.resize(filled + kInflateChunk - z->avail_out);
    }
    return out;
}

std::vector<std::uint8_t> deflateSkinStream(std::span<const std::uint8_t> data, int level) {
    DeflateStream deflater(level);
    z_stream* z = deflater.get();
    std::vector<std::uint8_t> out(deflateBound(z, static_cast<uLong>(data.size())));
    z->next_in = const_cast<Bytef*>(data.data());
    z->avail_in = static_cast<uInt>(data.size());
    z->next_out = out.data();
    z->avail_out = static_cast<uInt>(out.size());
    if (deflate(z, Z_FINISH) != Z_STREAM_END) throw SkinCompressionError();
    out.resize(z->total_out);
    return out;
}

SkinPicture SkinContainerReader::readFlaggedPicture() {
    if (in_.readU8() != 0) return SkinPicture{};
    return readBmp(in_);
}

std::string SkinContainerReader::readText() {
    const auto rest = in_.takeRest();
    return std::string(rest.begin(), rest.end());
}

std::vector<std::uint8_t> writeSkinContainer(const SkinContainer& c) {
    std::vector<std::uint8_t> out;
    putI32(out, c.version);
    putFlaggedPicture(out, c.mainPicture);
    putFlaggedPicture(out, c.inactivePicture);
    putFlaggedPicture(out, c.maskPicture);
    if (c.version == 2) {
        for (std::size_t i = 0; i < 2; ++i) {
            putFlaggedPicture(out, i < c.legacyPictures.size() ? c.legacyPictures[i] : SkinPicture{});
        }
    }
    putI32(out, static_cast<std::int32_t>(c.pictures.size()));
    for (const SkinPicture& p : c.pictures) {
        const auto file = writeBmp(p);
        out.insert(out.end(), file.begin(), file.end());
    }
    out.insert(out.end(), c.text.begin(), c.text.end());
    return out;
}

SkinContainer readSkinContainer(std::span<const std::uint8_t> bytes) {
    SkinContainerReader reader(bytes);
    SkinContainer c;
    c.version = reader.readVersion();
    if (c.version > kSkinContainerVersion) throw SkinVersionError(c.version);
    c.mainPicture = reader.readFlaggedPicture();
    c.inactivePicture = reader.readFlaggedPicture();
    c.maskPicture = reader.readFlaggedPicture();
    if (c.version == 2) {
        c.legacyPictures.push_back(reader.readFlaggedPicture());
        c.legacyPictures.push_back(reader.readFlaggedPicture());
    }
    const int count = reader.readCount();
    // Pictures are appended as they are read: a damaged count ends with a read error, not a
    // reservation.
    for (int i = 0; i < count; ++i) c.pictures.push_back(reader.readPicture());
    c.text = reader.readText();
    return c;
}

std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw SkinFileError("cannot open " + pathText(file));
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw SkinFileError("cannot read " + pathText(file));
    return bytes;
}

SkinContainer containerFromSkinText(const std::string& text, const std::filesystem::path& folder) {
    const IniFile ini(text);
    SkinContainer c;
    c.version = kSkinContainerVersion;
    c.mainPicture = loadPictureFile(folder, ini.readString("PICTURES", "picture", ""));
    c.inactivePicture = loadPictureFile(folder, ini.readString("PICTURES", "inactivepicture", ""));
    c.maskPicture = loadPictureFile(folder, ini.readString("PICTURES", "mask", ""));
    std::vector<std::string> names;
    readList(ini, "PICTURES", "activepictures", names);
    for (const std::string& name : names) {
        if (name.empty()) throw SkinFileError("a skin picture of [PICTURES] has no file name");
        c.pictures.push_back(loadPictureFile(folder, name));
    }
    for (std::string_view line : splitTextLines(text)) {
        c.text.append(line);
        c.text.append("\r\n");
    }
    return c;
}

bool TbsCompressedStoredSkin::PackSkinFile(const std::filesystem::path& skinFile) {
    const auto bytes = readWholeFile(skinFile);
    const std::string text(bytes.begin(), bytes.end());
    const IniFile ini(text);
    for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
        if (!ini.sectionExists(section)) return false;
    }
    // Built completely before anything is replaced, so a missing picture leaves the old data.
    const SkinContainer container = containerFromSkinText(text, skinFile.parent_path());
    compressedData_ = deflateSkinStream(writeSkinContainer(container), 9);
    FileName = pathText(skinFile.filename());
    return true;
}

bool TbsCompressedStoredSkin::ImportCompressedFile(const std::filesystem::path& file) {
    compressedData_.clear();
    CompressedFileName = pathText(file.filename());
    std::ifstream in(file, std::ios::binary);
    if (!in) throw SkinFileError("cannot open " + pathText(file));
    if (readFileI32(in) > kSkinContainerVersion) return false;
    const std::int32_t length = readFileI32(in);
    if (length < 0) throw SkinStreamError();
    // Read in pieces so that a length beyond the file costs no more memory than the file has.
    std::vector<std::uint8_t> data;
    std::uint8_t piece[kInflateChunk];
    std::size_t left = static_cast<std::size_t>(length);
    while (left > 0) {
        const std::size_t n = std::min(left, sizeof piece);
        if (!in.read(reinterpret_cast<char*>(piece), static_cast<std::streamsize>(n)))
            throw SkinStreamError();
        data.insert(data.end(), piece, piece + n);
        left -= n;
    }
    compressedData_ = std::move(data);
    return true;
}

void TbsCompressedStoredSkin::ExportCompressedFile(const std::filesystem::path& file) const {
    std::vector<std::uint8_t> out;
    putI32(out, kSkinContainerVersion);
    putI32(out, static_cast<std::int32_t>(compressedData_.size()));
    out.insert(out.end(), compressedData_.begin(), compressedData_.end());
    std::ofstream os(file, std::ios::binary);
    if (!os.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()))) {
        throw SkinFileError("cannot write " + pathText(file));
    }
}

}  // namespace vireltan
