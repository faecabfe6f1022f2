// What the program file itself carries: its icon, its version and its
// application manifest, read from vantrel.exe as a data file.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <cwchar>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "driver/DriverOptions.h"
#include "driver/Units.h"
#include "win32/common/UniqueHandles.h"

namespace e2e {

using vantrel::win32::UniqueModule;

namespace {

// How an icon group resource lists its images (packed, as in the file).
#pragma pack(push, 2)
struct GroupIconHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colorCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    WORD id;
};
#pragma pack(pop)

// One language of a version resource's strings.
struct Translation {
    WORD language;
    WORD codePage;
};

constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1a\n", 8};

// Keeps the first resource name and stops the enumeration. A named function,
// since a lambda cannot take the stdcall convention that 32-bit Windows wants.
BOOL CALLBACK keepFirstName(HMODULE, LPCWSTR, LPWSTR found, LONG_PTR param) {
    auto* first = reinterpret_cast<std::optional<std::wstring>*>(param);
    first->emplace(IS_INTRESOURCE(found)
                       ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(found))
                       : std::wstring(found));
    return FALSE;
}

class ProgramFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program_.reset(LoadLibraryExW(vantrelPath().c_str(), nullptr,
                                      LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
        ASSERT_TRUE(program_) << "could not load " << utf8(vantrelPath()) << " as a data file";
    }

    // The bytes of one resource; empty when it is missing.
    std::span<const BYTE> resource(const wchar_t* name, const wchar_t* type) const {
        HRSRC found = FindResourceW(program_.get(), name, type);
        HGLOBAL loaded = found != nullptr ? LoadResource(program_.get(), found) : nullptr;
        if (loaded == nullptr) {
            return {};
        }
        return {static_cast<const BYTE*>(LockResource(loaded)),
                SizeofResource(program_.get(), found)};
    }

    // The images that the first icon group lists: the one Explorer shows.
    std::vector<GroupIconEntry> firstIconGroup() const {
        std::optional<std::wstring> name;
        EnumResourceNamesW(program_.get(), RT_GROUP_ICON, keepFirstName,
                           reinterpret_cast<LONG_PTR>(&name));
        if (!name.has_value()) {
            return {};
        }
        const auto group = resource(name->c_str(), RT_GROUP_ICON);
        if (group.size() < sizeof(GroupIconHeader)) {
            return {};
        }
        GroupIconHeader header{};
        std::memcpy(&header, group.data(), sizeof(header));
        std::vector<GroupIconEntry> entries(header.count);
        if (group.size() < sizeof(header) + entries.size() * sizeof(GroupIconEntry)) {
            return {};
        }
        std::memcpy(entries.data(), group.data() + sizeof(header),
                    entries.size() * sizeof(GroupIconEntry));
        return entries;
    }

    UniqueModule program_;
};

// The width, height and bits per pixel that an icon image's own data gives:
// a PNG's header, or a bitmap header whose height counts the mask too.
struct ImageFormat {
    long width, height, bitsPerPixel;
    bool operator==(const ImageFormat&) const = default;
};

std::optional<ImageFormat> imageFormat(std::span<const BYTE> image) {
    const auto bigEndian = [&](size_t at) {
        return static_cast<long>(image[at] << 24 | image[at + 1] << 16 | image[at + 2] << 8 |
                                 image[at + 3]);
    };
    if (image.size() >= 26 &&
        std::string_view(reinterpret_cast<const char*>(image.data()), 8) == kPngSignature) {
        // IHDR: width, height, bit depth per channel, colour type (6 = RGBA).
        return ImageFormat{bigEndian(16), bigEndian(20), image[25] == 6 ? image[24] * 4L : 0};
    }
    if (image.size() >= sizeof(BITMAPINFOHEADER)) {
        BITMAPINFOHEADER header{};
        std::memcpy(&header, image.data(), sizeof(header));
        return ImageFormat{header.biWidth, header.biHeight / 2, header.biBitCount};
    }
    return std::nullopt;
}

TEST_F(ProgramFileTest, IconHas48By48In32BitColourAndTheSmallerSizes) {
    const std::vector<GroupIconEntry> entries = firstIconGroup();
    ASSERT_FALSE(entries.empty()) << "the program file has no icon";
    bool has48In32Bit = false;
    std::set<int> widths;
    for (const GroupIconEntry& entry : entries) {
        SCOPED_TRACE("icon image " + std::to_string(entry.id));
        const auto image = resource(MAKEINTRESOURCEW(entry.id), RT_ICON);
        ASSERT_EQ(image.size(), entry.bytesInResource) << "the group and the image disagree";
        if (entry.width == 48 && entry.bitCount == 32) {
            has48In32Bit = true;
            EXPECT_EQ(entry.height, 48);
            EXPECT_EQ(imageFormat(image), (ImageFormat{48, 48, 32}));
        }
        widths.insert(entry.width);
    }
    EXPECT_TRUE(has48In32Bit) << "no 48x48 image in 32-bit colour";
    EXPECT_TRUE(widths.contains(16) && widths.contains(32)) << "16x16 or 32x32 is missing";
}

// The names of the DLLs that the program file imports, read from its import
// directory (a 32- or a 64-bit image, whichever it is).
std::vector<std::string> importedDlls(HMODULE module) {
    // A module loaded as an image resource is flagged in its handle's low bits.
    const auto* base =
        reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(module) & ~ULONG_PTR{3});
    const auto& dos = *reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const BYTE* nt = base + dos.e_lfanew;
    const auto magic =
        *reinterpret_cast<const WORD*>(nt + offsetof(IMAGE_NT_HEADERS32, OptionalHeader));
    const IMAGE_DATA_DIRECTORY directory =
        magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC
            ? reinterpret_cast<const IMAGE_NT_HEADERS64*>(nt)
                  ->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT]
            : reinterpret_cast<const IMAGE_NT_HEADERS32*>(nt)
                  ->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<std::string> names;
    for (const auto* import =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         directory.VirtualAddress != 0 && import->Name != 0; ++import) {
        std::string name(reinterpret_cast<const char*>(base + import->Name));
        std::ranges::transform(name, name.begin(), [](char c) {
            return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        });
        names.push_back(name);
    }
    return names;
}

TEST_F(ProgramFileTest, ImportsOnlyWindowsOwnDllsAndNoneThatAsksForDevices) {
    const std::vector<std::string> imported = importedDlls(program_.get());
    EXPECT_FALSE(imported.empty());
    const std::set<std::string> windowsOwn{"comctl32.dll", "gdi32.dll", "kernel32.dll",
                                           "msvcrt.dll", "user32.dll"};
    for (const std::string& dll : imported) {
        // SetupAPI is loaded only once the window shows, so that it never delays it.
        EXPECT_TRUE(windowsOwn.contains(dll)) << dll;
    }
}

TEST_F(ProgramFileTest, VersionNamesTheProductAndAgreesWithItsNumbers) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(vantrelPath().c_str(), &ignored);
    ASSERT_GT(size, 0u) << "the program file has no version resource";
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(vantrelPath().c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(fixed->dwSignature, 0xFEEF04BDu);

    // The strings of the first language that the resource declares.
    Translation* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length) &&
                length >= sizeof(Translation))
        << "the version resource declares no language";
    const auto text = [&](const wchar_t* name) {
        wchar_t path[64];
        swprintf(path, std::size(path), L"\\StringFileInfo\\%04x%04x\\%ls", translation->language,
                 translation->codePage, name);
        wchar_t* value = nullptr;
        UINT characters = 0;
        if (!VerQueryValueW(info.data(), path, reinterpret_cast<void**>(&value), &characters) ||
            characters == 0) {
            return std::wstring();
        }
        return std::wstring(value, wcsnlen(value, characters));
    };
    EXPECT_EQ(text(L"ProductName"), L"Vantrel");
    EXPECT_NE(text(L"FileDescription"), L"");
    const std::wstring majorMinor = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                                    std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L".";
    EXPECT_TRUE(text(L"FileVersion").starts_with(majorMinor))
        << "FileVersion \"" << utf8(text(L"FileVersion")) << "\" is not the version "
        << utf8(majorMinor) << "x of the numbers";
}

// The start tag of the manifest element that holds `needle`.
std::string_view elementAround(std::string_view xml, std::string_view needle) {
    const size_t at = xml.find(needle);
    const size_t start = at == std::string_view::npos ? at : xml.rfind('<', at);
    if (start == std::string_view::npos) {
        return {};
    }
    return xml.substr(start, xml.find('>', at) - start + 1);
}

// The text of the first element of that name.
std::string_view elementText(std::string_view xml, const std::string& name) {
    const size_t open = xml.find("<" + name);
    const size_t start = open == std::string_view::npos ? open : xml.find('>', open);
    const size_t end = xml.find("</" + name + ">");
    if (start == std::string_view::npos || end == std::string_view::npos || end < start) {
        return {};
    }
    return xml.substr(start + 1, end - start - 1);
}

TEST_F(ProgramFileTest, ManifestAsksForCommonControls6AndPerMonitorV2Awareness) {
    const auto bytes = resource(MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_FALSE(bytes.empty()) << "the program file has no application manifest (id 1)";
    const std::string_view manifest(reinterpret_cast<const char*>(bytes.data()), bytes.size());

    const std::string_view controls =
        elementAround(manifest, "name=\"Microsoft.Windows.Common-Controls\"");
    EXPECT_NE(controls.find("version=\"6.0.0.0\""), std::string_view::npos)
        << "Common-Controls: " << controls;
    EXPECT_NE(elementText(manifest, "dpiAwareness").find("PerMonitorV2"), std::string_view::npos)
        << "dpiAwareness: " << elementText(manifest, "dpiAwareness");
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string_view::npos);
    // Without these the Windows version that the program reads stops at 8 (it
    // chooses how to start consoles by it) and Windows 7 treats it as old.
    for (const std::string_view windows :
         {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {
        EXPECT_NE(elementAround(manifest, windows).find("supportedOS"), std::string_view::npos)
            << "no supportedOS " << windows;
    }
}

}  // namespace
}  // namespace e2e
