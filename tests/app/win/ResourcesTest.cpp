// The program's own resources, looked up the way the window looks them up: the conductor pictures by
// their exact names, the drawings the window shows transparently, the transfer button's PNG and the
// program icon with all its sizes and colour depths.
#include <windows.h>

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace {

struct GdiObjectDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using BitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// The bytes of a resource of this module; resources live as long as the module, so no cleanup.
std::span<const std::uint8_t> resourceBytes(const wchar_t* name, const wchar_t* type) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, name, type);
    if (!info) {
        return {};
    }
    HGLOBAL loaded = LoadResource(module, info);
    const auto* data = static_cast<const std::uint8_t*>(LockResource(loaded));
    return {data, data ? SizeofResource(module, info) : 0};
}

BITMAPINFOHEADER bitmapHeader(std::span<const std::uint8_t> bytes) {
    BITMAPINFOHEADER header{};
    if (bytes.size() >= sizeof header) {
        std::memcpy(&header, bytes.data(), sizeof header);
    }
    return header;
}

struct BitmapCase {
    const wchar_t* name;
    int width;
    int height;
};

// The conductor pictures, under the names the material table asks for.
constexpr BitmapCase kMaterialBitmaps[] = {
    {L"ALTIN", 120, 120},     {L"GÜMÜS", 120, 120},     {L"BAKIR", 120, 120}, {L"CINKO", 120, 120},
    {L"ALUMINYUM", 120, 120}, {L"MAGNEZYUM", 173, 175}, {L"KROM", 202, 189},  {L"TUNGSTEN", 126, 144},
};

TEST(ResourcesTest, EveryMaterialPictureIsA24BitBitmapOfItsSize) {
    for (const BitmapCase& c : kMaterialBitmaps) {
        SCOPED_TRACE(testing::Message() << "bitmap " << c.name);
        const BITMAPINFOHEADER header = bitmapHeader(resourceBytes(c.name, RT_BITMAP));
        EXPECT_EQ(header.biSize, sizeof(BITMAPINFOHEADER));
        EXPECT_EQ(header.biWidth, c.width);
        EXPECT_EQ(header.biHeight, c.height);
        EXPECT_EQ(header.biBitCount, 24);
        EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));

        // What the material handler does: load the bitmap by name and show it.
        BitmapHandle loaded(LoadBitmapW(GetModuleHandleW(nullptr), c.name));
        ASSERT_NE(loaded, nullptr);
        BITMAP info{};
        ASSERT_NE(GetObjectW(loaded.get(), sizeof info, &info), 0);
        EXPECT_EQ(info.bmWidth, c.width);
        EXPECT_EQ(info.bmHeight, c.height);

        BitmapHandle section(static_cast<HBITMAP>(
            LoadImageW(GetModuleHandleW(nullptr), c.name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        ASSERT_NE(section, nullptr);
        DIBSECTION dib{};
        ASSERT_EQ(GetObjectW(section.get(), sizeof dib, &dib), static_cast<int>(sizeof dib));
        EXPECT_EQ(dib.dsBm.bmBitsPixel, 24);
    }
}

// The silver picture is found only under its name with both "Ü" intact and a plain final "S".
TEST(ResourcesTest, SilverPictureNameMatchesExactly) {
    struct Case {
        const wchar_t* name;
        bool found;
    };
    constexpr Case kCases[] = {
        {L"GÜMÜS", true},  {L"gümüs", true},  // resource names ignore case, as the lookup folds it
        {L"GUMUS", false}, {L"GÜMÜŞ", false}, {L"GÜMUS", false}, {L"GÜMÜ", false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << "name " << c.name);
        EXPECT_EQ(FindResourceW(GetModuleHandleW(nullptr), c.name, RT_BITMAP) != nullptr, c.found);
    }
}

// Drawings shown transparently: the bottom-left pixel's colour is left out, so it has to frame the
// whole drawing (nothing touches the border) and the drawing has to have ink of another colour.
TEST(ResourcesTest, TransparentDrawingsHaveTheirSizeAndAUniformFrame) {
    constexpr BitmapCase kDrawings[] = {
        {L"FORMULA_RESISTANCE", 286, 59},
        {L"FORMULA_VOLTAGEDROP", 158, 69},
        {L"OHM_SIGN", 21, 17},
    };
    for (const BitmapCase& c : kDrawings) {
        SCOPED_TRACE(testing::Message() << "drawing " << c.name);
        const auto bytes = resourceBytes(c.name, RT_BITMAP);
        const BITMAPINFOHEADER header = bitmapHeader(bytes);
        ASSERT_EQ(header.biWidth, c.width);
        ASSERT_EQ(header.biHeight, c.height);
        ASSERT_EQ(header.biBitCount, 24);
        const std::size_t stride = (static_cast<std::size_t>(c.width) * 3 + 3) & ~std::size_t{3};
        ASSERT_GE(bytes.size(), header.biSize + stride * c.height);
        const std::uint8_t* pixels = bytes.data() + header.biSize;
        // Rows are stored bottom-up: row 0 is the bottom row.
        auto pixel = [&](int x, int rowFromBottom) {
            const std::uint8_t* p = pixels + rowFromBottom * stride + x * 3;
            return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16;
        };
        const std::uint32_t key = pixel(0, 0);
        int ink = 0;
        for (int row = 0; row < c.height; ++row) {
            for (int x = 0; x < c.width; ++x) {
                const bool border = row == 0 || x == 0 || row == c.height - 1 || x == c.width - 1;
                if (border) {
                    EXPECT_EQ(pixel(x, row), key) << "x " << x << " row " << row;
                } else if (pixel(x, row) != key) {
                    ++ink;
                }
            }
        }
        EXPECT_GT(ink, c.width * c.height / 50);

        BitmapHandle loaded(LoadBitmapW(GetModuleHandleW(nullptr), c.name));
        ASSERT_NE(loaded, nullptr);
        BITMAP info{};
        ASSERT_NE(GetObjectW(loaded.get(), sizeof info, &info), 0);
        EXPECT_EQ(info.bmWidth, c.width);
        EXPECT_EQ(info.bmHeight, c.height);
    }
}

struct PngReader {
    png_image image{};
    ~PngReader() { png_image_free(&image); }
};

TEST(ResourcesTest, TransferButtonPictureIsA32PixelPngWithSoftAlpha) {
    const auto bytes = resourceBytes(L"PNG_TRANSFER", RT_RCDATA);
    constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GE(bytes.size(), sizeof kSignature);
    EXPECT_TRUE(std::equal(std::begin(kSignature), std::end(kSignature), bytes.begin()));

    PngReader reader;
    reader.image.version = PNG_IMAGE_VERSION;
    ASSERT_NE(png_image_begin_read_from_memory(&reader.image, bytes.data(), bytes.size()), 0)
        << reader.image.message;
    EXPECT_EQ(reader.image.width, 32u);
    EXPECT_EQ(reader.image.height, 32u);
    EXPECT_NE(reader.image.format & PNG_FORMAT_FLAG_ALPHA, 0u);
    reader.image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(reader.image));
    ASSERT_NE(png_image_finish_read(&reader.image, nullptr, rgba.data(), 0, nullptr), 0)
        << reader.image.message;

    auto alpha = [&](int x, int y) { return rgba[(static_cast<std::size_t>(y) * 32 + x) * 4 + 3]; };
    // Clear corners, an opaque middle, and an anti-aliased edge in between.
    EXPECT_EQ(alpha(0, 0), 0);
    EXPECT_EQ(alpha(31, 0), 0);
    EXPECT_EQ(alpha(0, 31), 0);
    EXPECT_EQ(alpha(16, 16), 255);
    int partial = 0;
    for (int i = 0; i < 32 * 32; ++i) {
        const std::uint8_t a = rgba[static_cast<std::size_t>(i) * 4 + 3];
        partial += a > 0 && a < 255;
    }
    EXPECT_GT(partial, 20);
}

#pragma pack(push, 2)
struct GroupIconHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    WORD id;
};
#pragma pack(pop)

BOOL CALLBACK collectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) {
    auto* list = reinterpret_cast<std::vector<std::wstring>*>(names);
    list->push_back(IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : name);
    return TRUE;
}

TEST(ResourcesTest, MainIconComesFirstAndHoldsEightPictures) {
    std::vector<std::wstring> groups;
    EnumResourceNamesW(GetModuleHandleW(nullptr), RT_GROUP_ICON, &collectName,
                       reinterpret_cast<LONG_PTR>(&groups));
    ASSERT_FALSE(groups.empty());
    EXPECT_EQ(groups.front(), L"MAINICON");

    const auto group = resourceBytes(L"MAINICON", RT_GROUP_ICON);
    ASSERT_GE(group.size(), sizeof(GroupIconHeader));
    GroupIconHeader header{};
    std::memcpy(&header, group.data(), sizeof header);
    EXPECT_EQ(header.type, 1);
    ASSERT_EQ(header.count, 8);
    ASSERT_GE(group.size(), sizeof header + header.count * sizeof(GroupIconEntry));

    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < header.count; ++i) {
        GroupIconEntry entry{};
        std::memcpy(&entry, group.data() + sizeof header + i * sizeof entry, sizeof entry);
        seen.emplace(entry.width, entry.bitCount);
        SCOPED_TRACE(testing::Message()
                     << "icon " << int{entry.width} << " px, " << entry.bitCount << " bit");
        const auto picture = resourceBytes(MAKEINTRESOURCEW(entry.id), RT_ICON);
        ASSERT_EQ(picture.size(), entry.bytesInResource);
        const BITMAPINFOHEADER info = bitmapHeader(picture);
        EXPECT_EQ(info.biWidth, entry.width);
        EXPECT_EQ(info.biHeight, 2 * entry.height);
        EXPECT_EQ(info.biBitCount, entry.bitCount);
        IconHandle icon(CreateIconFromResourceEx(const_cast<PBYTE>(picture.data()),
                                                 static_cast<DWORD>(picture.size()), TRUE, 0x00030000,
                                                 entry.width, entry.height, LR_DEFAULTCOLOR));
        EXPECT_NE(icon, nullptr);
    }
    const std::set<std::pair<int, int>> expected = {{16, 8},  {24, 8},  {32, 8},  {48, 8},
                                                    {16, 32}, {24, 32}, {32, 32}, {48, 32}};
    EXPECT_EQ(seen, expected);

    IconHandle shell(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, 48, 48, 0)));
    EXPECT_NE(shell, nullptr);
}

}  // namespace
