#include "skin/StoredSkin.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "SkinTestSupport.h"
#include "skin/SkinErrors.h"

namespace vireltan {
namespace {

using testing::appendBytes;
using testing::appendI32;
using testing::bytesOf;
using testing::patternPicture;
using testing::TempDir;

std::vector<std::uint8_t> noise(std::size_t size, unsigned seed) {
    std::mt19937 gen(seed);
    std::vector<std::uint8_t> out(size);
    for (auto& b : out) b = static_cast<std::uint8_t>(gen());
    return out;
}

std::vector<std::uint8_t> inflated(std::span<const std::uint8_t> packed) {
    const SkinBytes bytes = inflateSkinStream(packed);
    return {bytes.begin(), bytes.end()};
}

TEST(StoredSkinTest, InflateRoundTripAcrossPieceBoundaries) {
    const std::size_t sizes[] = {0, 1, 4095, 4096, 4097, 8192, 100000, 972425};
    for (std::size_t size : sizes) {
        SCOPED_TRACE(size);
        std::vector<std::uint8_t> data = noise(size, static_cast<unsigned>(size));
        // Half compressible, half not, so both inflate paths are taken.
        for (std::size_t i = 0; i < size / 2; ++i) data[i] = static_cast<std::uint8_t>(i / 64);
        const auto packed = deflateSkinStream(data, 9);
        EXPECT_EQ(inflated(packed), data);
    }
}

TEST(StoredSkinTest, PackerUsesTheHighestLevelZlibStream) {
    const auto data = bytesOf(std::string(5000, 'x') + "tail");
    const auto packed = deflateSkinStream(data, 9);
    ASSERT_GE(packed.size(), 2u);
    EXPECT_EQ(packed[0], 0x78);  // deflate, 32 KiB window
    EXPECT_EQ(packed[1], 0xDA);  // maximum compression level, checksum-valid header
    // Real zlib reads it too.
    std::vector<std::uint8_t> out(data.size());
    uLongf outSize = static_cast<uLongf>(out.size());
    ASSERT_EQ(uncompress(out.data(), &outSize, packed.data(), static_cast<uLong>(packed.size())), Z_OK);
    EXPECT_EQ(out, data);
}

TEST(StoredSkinTest, DamagedStreamsAreCompressionErrors) {
    const auto data = bytesOf(std::string(20000, 'a') + std::string(3000, 'b'));
    const auto good = deflateSkinStream(data, 9);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}});
    cases.push_back({"random bytes", noise(300, 7)});
    cases.push_back({"raw deflate without header", std::vector<std::uint8_t>(good.begin() + 2, good.end())});
    auto truncated = good;
    truncated.resize(good.size() / 2);
    cases.push_back({"truncated", truncated});
    auto noTrailer = good;
    noTrailer.resize(good.size() - 4);
    cases.push_back({"without checksum", noTrailer});
    auto badChecksum = good;
    badChecksum.back() ^= 0x01;
    cases.push_back({"wrong checksum", badChecksum});
    auto badHeader = good;
    badHeader[1] ^= 0x01;
    cases.push_back({"header check fails", badHeader});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            inflateSkinStream(c.bytes);
            ADD_FAILURE() << "no error";
        } catch (const SkinCompressionError& e) {
            EXPECT_STREQ(e.what(), "compression error");
        }
    }
}

TEST(StoredSkinTest, DataAfterTheStreamEndIsIgnored) {
    const auto data = bytesOf("skin");
    auto packed = deflateSkinStream(data, 9);
    packed.insert(packed.end(), {1, 2, 3});
    EXPECT_EQ(inflated(packed), data);
}

TEST(StoredSkinTest, OversizedStreamIsRefused) {
    // About 65 MiB of zeros compress to some 64 KiB; inflating them is refused, not attempted.
    z_stream z{};
    ASSERT_EQ(deflateInit(&z, 9), Z_OK);
    std::vector<std::uint8_t> zeros(1 << 20, 0);
    std::vector<std::uint8_t> packed(1 << 20);
    z.next_out = packed.data();
    z.avail_out = static_cast<uInt>(packed.size());
    for (int i = 0; i < 65; ++i) {
        z.next_in = zeros.data();
        z.avail_in = static_cast<uInt>(zeros.size());
        ASSERT_EQ(deflate(&z, i == 64 ? Z_FINISH : Z_NO_FLUSH), i == 64 ? Z_STREAM_END : Z_OK);
    }
    packed.resize(z.total_out);
    deflateEnd(&z);
    EXPECT_THROW(inflateSkinStream(packed), SkinCompressionError);
}

SkinContainer sampleContainer(int version) {
    SkinContainer c;
    c.version = version;
    c.mainPicture = patternPicture(150, 150, 24, 1);
    c.maskPicture = patternPicture(150, 150, 1, 2);
    c.pictures = {patternPicture(185, 114, 24, 3), patternPicture(65, 115, 24, 4)};
    c.text = "[VERSION]\r\nskinname=Sample\r\n";
    return c;
}

TEST(StoredSkinTest, FlagsZeroOneZeroPlaceTheMaskRightAfterTheMainPicture) {
    const SkinContainer c = sampleContainer(3);
    const auto bytes = writeSkinContainer(c);
    const std::size_t mainLength = writeBmp(c.mainPicture).size();
    // version, flag 0, main BMP, flag 1 (no inactive picture), flag 0, mask BMP
    EXPECT_EQ(bytes[4], 0);
    EXPECT_EQ(bytes[5], 'B');
    EXPECT_EQ(bytes[5 + mainLength], 1);
    EXPECT_EQ(bytes[5 + mainLength + 1], 0);
    EXPECT_EQ(bytes[5 + mainLength + 2], 'B');  // two bytes after the end of the main picture

    const SkinContainer back = readSkinContainer(bytes);
    EXPECT_EQ(back.mainPicture, c.mainPicture);
    EXPECT_TRUE(back.inactivePicture.isEmpty());
    EXPECT_EQ(back.maskPicture, c.maskPicture);
    EXPECT_EQ(back.pictures, c.pictures);
    EXPECT_EQ(back.text, c.text);
}

TEST(StoredSkinTest, AnyNonZeroFlagMeansNoPicture) {
    for (std::uint8_t flag : {1, 2, 0x80, 0xFF}) {
        SCOPED_TRACE(static_cast<int>(flag));
        std::vector<std::uint8_t> bytes;
        appendI32(bytes, 3);
        bytes.resize(bytes.size() + 3, flag);
        appendI32(bytes, 0);
        appendBytes(bytes, bytesOf("[a]"));
        const SkinContainer c = readSkinContainer(bytes);
        EXPECT_TRUE(c.mainPicture.isEmpty());
        EXPECT_TRUE(c.maskPicture.isEmpty());
        EXPECT_EQ(c.text, "[a]");
    }
}

TEST(StoredSkinTest, VersionTwoLegacyPicturesAreSkipped) {
    SkinContainer v2 = sampleContainer(2);
    v2.legacyPictures = {patternPicture(10, 10, 24, 9), SkinPicture{}};
    const SkinContainer back2 = readSkinContainer(writeSkinContainer(v2));
    const SkinContainer back3 = readSkinContainer(writeSkinContainer(sampleContainer(3)));
    EXPECT_EQ(back2.pictures, back3.pictures);
    EXPECT_EQ(back2.maskPicture, back3.maskPicture);
    EXPECT_EQ(back2.text, back3.text);
    // Versions 1 and 3 have no legacy pairs.
    EXPECT_EQ(readSkinContainer(writeSkinContainer(sampleContainer(1))).pictures, back3.pictures);
}

TEST(StoredSkinTest, ContainerEdgeCases) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::size_t pictures;
        std::string text;
    };
    const auto bmp = writeBmp(patternPicture(4, 4, 24));
    std::vector<Case> cases;
    {
        std::vector<std::uint8_t> b;
        appendI32(b, 3);
        b.resize(b.size() + 3, 1);  // three "no picture" flags
        appendI32(b, 0);
        appendBytes(b, bytesOf("[VERSION]\r\n"));
        cases.push_back({"count 0: text right after the count", b, 0, "[VERSION]\r\n"});
    }
    {
        std::vector<std::uint8_t> b;
        appendI32(b, 3);
        b.resize(b.size() + 3, 1);  // three "no picture" flags
        appendI32(b, -5);
        appendBytes(b, bytesOf("x"));
        cases.push_back({"negative count reads no picture", b, 0, "x"});
    }
    {
        std::vector<std::uint8_t> b;
        appendI32(b, 3);
        b.resize(b.size() + 3, 1);  // three "no picture" flags
        appendI32(b, 2);
        appendBytes(b, bmp);
        appendBytes(b, bmp);
        cases.push_back({"no text at all", b, 2, ""});
    }
    {
        std::vector<std::uint8_t> b;
        appendI32(b, -1);
        b.resize(b.size() + 3, 1);  // three "no picture" flags
        appendI32(b, 0);
        cases.push_back({"negative version is below 3", b, 0, ""});
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SkinContainer got = readSkinContainer(c.bytes);
        EXPECT_EQ(got.pictures.size(), c.pictures);
        EXPECT_EQ(got.text, c.text);
    }
}

TEST(StoredSkinTest, BrokenContainersStopWithAnError) {
    const auto bmp = writeBmp(patternPicture(4, 4, 24));
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}});
    cases.push_back({"version cut", {3, 0}});
    {
        std::vector<std::uint8_t> b;
        appendI32(b, 3);
        cases.push_back({"no flags", b});
    }
    {
        std::vector<std::uint8_t> b;
        appendI32(b, 3);
        b.resize(b.size() + 3, 1);  // three "no picture" flags
        appendI32(b, 0x7FFFFFFF);
        appendBytes(b, bmp);
        cases.push_back({"giant picture count", b});
    }
    {
        std::vector<std::uint8_t> b;
        appendI32(b, 3);
        b.push_back(0);
        appendBytes(b, bytesOf("XMjunk"));
        cases.push_back({"picture that is not BMP", b});
    }
    {
        std::vector<std::uint8_t> b;
        appendI32(b, 3);
        b.push_back(0);
        b.insert(b.end(), bmp.begin(), bmp.begin() + 20);
        cases.push_back({"picture cut inside its header", b});
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(readSkinContainer(c.bytes), SkinError);
    }
    std::vector<std::uint8_t> v4;
    appendI32(v4, 4);
    try {
        readSkinContainer(v4);
        ADD_FAILURE() << "version 4 accepted";
    } catch (const SkinVersionError& e) {
        EXPECT_EQ(e.version(), 4);
        EXPECT_STREQ(e.what(), "container version 4 is not supported");
    }
}

const char* const kPackedSkin =
    "[VERSION]\nskinname=Packed\n[PICTURES]\npicture=main.bmp\ninactivepicture=\nmask=mask.bmp\n"
    "activepicturescount=2\n0=a.bmp\n1=b.bmp\n[FORMINFO]\nclientrect=5,27,145,142\n"
    "[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=0\n";

TEST(StoredSkinTest, PackingBuildsTheContainerFromTheSkinFolder) {
    TempDir dir;
    const SkinPicture main = patternPicture(150, 150, 24, 1);
    const SkinPicture mask = patternPicture(150, 150, 1, 2);
    const SkinPicture a = patternPicture(185, 114, 24, 3);
    const SkinPicture b = patternPicture(146, 257, 24, 4);
    dir.write("main.bmp", writeBmp(main));
    dir.write("mask.bmp", writeBmp(mask));
    dir.write("a.bmp", writeBmp(a));
    dir.write("b.bmp", writeBmp(b));
    dir.write("skin.ini", bytesOf(kPackedSkin));

    TbsCompressedStoredSkin stored;
    ASSERT_TRUE(stored.PackSkinFile(dir.path() / "skin.ini"));
    EXPECT_EQ(stored.FileName, "skin.ini");
    EXPECT_FALSE(stored.IsEmpty());
    EXPECT_EQ(stored.CompressedData()[1], 0xDA);
    const SkinContainer c = readSkinContainer(stored.DecompressToStream());
    EXPECT_EQ(c.version, 3);
    EXPECT_EQ(c.mainPicture, main);
    EXPECT_TRUE(c.inactivePicture.isEmpty());
    EXPECT_EQ(c.maskPicture, mask);
    EXPECT_EQ(c.pictures, (std::vector<SkinPicture>{a, b}));
    // Every line ended by CR LF.
    std::string expected;
    for (auto line : splitTextLines(kPackedSkin)) expected += std::string(line) + "\r\n";
    EXPECT_EQ(c.text, expected);
}

TEST(StoredSkinTest, PackingNeedsTheFiveSectionsAndChangesNothingOtherwise) {
    const char* const sections[] = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"};
    for (const char* missing : sections) {
        SCOPED_TRACE(missing);
        TempDir dir;
        std::string text;
        for (const char* s : sections) {
            if (std::string_view(s) == missing) continue;
            text.append("[").append(s).append("]\r\nx=1\r\n");
        }
        dir.write("skin.ini", bytesOf(text));
        TbsCompressedStoredSkin stored;
        stored.setCompressedData({1, 2, 3});
        EXPECT_FALSE(stored.PackSkinFile(dir.path() / "skin.ini"));
        EXPECT_EQ(stored.CompressedData(), (std::vector<std::uint8_t>{1, 2, 3}));
    }
}

TEST(StoredSkinTest, PackingWithAMissingPictureKeepsTheOldData) {
    TempDir dir;
    dir.write("main.bmp", writeBmp(patternPicture(8, 8, 24)));
    dir.write("skin.ini", bytesOf(kPackedSkin));  // mask.bmp, a.bmp, b.bmp are missing
    TbsCompressedStoredSkin stored;
    stored.setCompressedData({9});
    EXPECT_THROW(stored.PackSkinFile(dir.path() / "skin.ini"), SkinFileError);
    EXPECT_EQ(stored.CompressedData(), std::vector<std::uint8_t>{9});
}

TEST(StoredSkinTest, ImportOfCompressedSkinFiles) {
    const std::vector<std::uint8_t> payload = deflateSkinStream(bytesOf("container"), 9);
    struct Case {
        const char* name;
        std::int32_t version;
        std::int32_t length;
        std::size_t present;  // payload bytes actually in the file
        bool imported;
        bool error;
    } const cases[] = {
        {"version 3", 3, static_cast<std::int32_t>(payload.size()), payload.size(), true, false},
        {"version 1", 1, static_cast<std::int32_t>(payload.size()), payload.size(), true, false},
        {"extra bytes after L", 3, 4, payload.size(), true, false},
        {"version 4", 4, static_cast<std::int32_t>(payload.size()), payload.size(), false, false},
        {"length beyond the file", 3, 0x7FFFFFFF, payload.size(), false, true},
        {"negative length", 3, -1, payload.size(), false, true},
        {"zero length", 3, 0, 0, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        std::vector<std::uint8_t> file;
        appendI32(file, c.version);
        appendI32(file, c.length);
        file.insert(file.end(), payload.begin(), payload.begin() + static_cast<std::ptrdiff_t>(c.present));
        dir.write("skin.csk", file);
        TbsCompressedStoredSkin stored;
        stored.setCompressedData({7, 7});
        if (c.error) {
            EXPECT_THROW(stored.ImportCompressedFile(dir.path() / "skin.csk"), SkinError);
            EXPECT_TRUE(stored.IsEmpty());
            continue;
        }
        EXPECT_EQ(stored.ImportCompressedFile(dir.path() / "skin.csk"), c.imported);
        EXPECT_EQ(stored.CompressedFileName, "skin.csk");
        const std::size_t expected = c.imported ? static_cast<std::size_t>(c.length) : 0;
        EXPECT_EQ(stored.CompressedData(),
                  std::vector<std::uint8_t>(payload.begin(),
                                            payload.begin() + static_cast<std::ptrdiff_t>(expected)));
    }
}

TEST(StoredSkinTest, ExportedFileImportsBack) {
    TempDir dir;
    TbsCompressedStoredSkin stored;
    stored.setCompressedData(deflateSkinStream(bytesOf("abc"), 9));
    stored.ExportCompressedFile(dir.path() / "out.csk");
    TbsCompressedStoredSkin again;
    ASSERT_TRUE(again.ImportCompressedFile(dir.path() / "out.csk"));
    EXPECT_EQ(again.CompressedData(), stored.CompressedData());
}

}  // namespace
}  // namespace vireltan
