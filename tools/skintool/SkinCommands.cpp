// skintool's commands on stored skins: inspecting one (info, show), building one at design time (pack,
// import) and taking one apart again (unpack). A stored skin is the zlib stream the executable embeds.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "Commands.h"
#include "skin/Bmp.h"
#include "skin/IniFile.h"
#include "skin/SkinControls.h"
#include "skin/SkinData.h"
#include "skin/SkinErrors.h"
#include "skin/SkinObjects.h"
#include "skin/SkinSections.h"
#include "skin/SkinValues.h"
#include "skin/StoredSkin.h"

namespace vireltan::skintool {
namespace {

void expectArguments(const Args& args, std::size_t count, const char* usage) {
    if (args.size() != count) throw std::runtime_error(std::string("usage: skintool ") + usage);
}

std::string pictureText(const SkinPicture& picture) {
    if (picture.isEmpty()) return "none";
    return std::to_string(picture.width) + "x" + std::to_string(picture.height) + "x" +
           std::to_string(picture.bitCount);
}

void printLine(const std::string& line) {
    std::printf("%s\n", line.c_str());
}

TbsCompressedStoredSkin readStoredSkin(const std::string& file) {
    TbsCompressedStoredSkin stored;
    stored.setCompressedData(readWholeFile(file));
    if (stored.IsEmpty()) throw std::runtime_error(file + " is empty");
    return stored;
}

void writeFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw SkinFileError("cannot write " + file.string());
}

// Walks a stored skin in the loader's order and prints each part as soon as it is read, so that a load
// that stops shows how far it got before the error passes on.
void describeStoredSkin(const TbsCompressedStoredSkin& stored) {
    const SkinBytes container = stored.DecompressToStream();
    SkinContainerReader reader(container);
    const int version = reader.readVersion();
    printLine("version " + std::to_string(version));
    if (version > kSkinContainerVersion) throw SkinVersionError(version);
    printLine("main " + pictureText(reader.readFlaggedPicture()));
    printLine("inactive " + pictureText(reader.readFlaggedPicture()));
    printLine("mask " + pictureText(reader.readFlaggedPicture()));
    if (version == 2) {
        reader.readFlaggedPicture();
        reader.readFlaggedPicture();
    }
    const int count = reader.readCount();
    std::string pictures;
    int read = 0;
    try {
        for (; read < count; ++read) {
            const SkinPicture picture = reader.readPicture();
            pictures.append(" ").append(pictureText(picture));
        }
    } catch (const SkinError&) {
        printLine("pictures " + std::to_string(read) + pictures);
        throw;
    }
    printLine("pictures " + std::to_string(read) + pictures);

    const IniFile ini(reader.readText());
    printLine("sections " + std::to_string(ini.sectionNames().size()));
    // The window-level sections are read before the definitions; a malformed value there stops a load.
    SkinVersionInfo versionInfo;
    versionInfo.LoadFromIni(ini);
    SkinFormInfo formInfo;
    formInfo.LoadFromIni(ini, !ini.readString("PICTURES", "mask", "").empty());
    TbsDataSkinPopupWindow popup;
    popup.LoadFromIni(ini);
    TbsDataSkinHintWindow hint;
    hint.LoadFromIni(ini);
    TbsSkinColors colors;
    colors.LoadFromIni(ini);

    std::string line;
    const auto objects = ReadSkinObjects(ini);
    for (const auto& object : objects)
        line.append(" ").append(object->name).append(":").append(object->kindWord());
    printLine("objects " + std::to_string(objects.size()) + line);
    line.clear();
    const auto controls = ReadSkinControls(ini);
    for (const auto& control : controls)
        line.append(" ").append(control->name).append(":").append(control->kindWord());
    printLine("controls " + std::to_string(controls.size()) + line);
}

// A picture file name from [PICTURES], reduced to its file-name part so that unpacking never writes
// outside the target folder; names that leave nothing usable get a made-up one.
std::string pictureFileName(const std::string& name, const std::string& fallback) {
    const std::size_t slash = name.find_last_of("/\\");
    std::string file = slash == std::string::npos ? name : name.substr(slash + 1);
    if (file.empty() || file == "." || file == ".." || file.find(':') != std::string::npos) return fallback;
    return file;
}

}  // namespace

int info(const Args& args) {
    expectArguments(args, 1, "info FILE");
    const TbsCompressedStoredSkin stored = readStoredSkin(args[0]);
    try {
        describeStoredSkin(stored);
    } catch (...) {
        std::fflush(stdout);  // what was read comes before the error line
        throw;
    }
    return 0;
}

int show(const Args& args) {
    expectArguments(args, 2, "show FILE NAME");
    const TbsCompressedStoredSkin stored = readStoredSkin(args[0]);
    TbsSkinData skin;
    skin.LoadStoredSkin(stored);
    if (skin.SkinEmpty()) throw SkinVersionError(skin.ContainerVersion());

    IniFile ini;
    const std::string& name = args[1];
    if (const int control = skin.FindControlDefinition(name); control >= 0) {
        skin.ControlDefinitions[static_cast<std::size_t>(control)]->SaveToIni(ini);
    } else if (const int object = skin.FindObjectDefinition(name); object >= 0) {
        skin.ObjectDefinitions[static_cast<std::size_t>(object)]->SaveToIni(ini);
    } else {
        throw std::runtime_error("no definition named '" + name + "'");
    }
    printLine("[" + name + "]");
    for (const std::string& line : ini.sectionLines(name)) printLine(line);
    return 0;
}

int pack(const Args& args) {
    expectArguments(args, 2, "pack SKIN.INI OUT");
    TbsCompressedStoredSkin stored;
    if (!stored.PackSkinFile(args[0])) {
        throw std::runtime_error(
            args[0] + " lacks one of [VERSION], [PICTURES], [FORMINFO], [SKINOBJECTS], [SKINCONTROLS]");
    }
    writeFile(args[1], stored.CompressedData());
    return 0;
}

int unpack(const Args& args) {
    expectArguments(args, 2, "unpack FILE DIR");
    const TbsCompressedStoredSkin stored = readStoredSkin(args[0]);
    const SkinContainer container = readSkinContainer(stored.DecompressToStream());
    const std::filesystem::path folder(args[1]);
    std::filesystem::create_directories(folder);

    const IniFile ini(container.text);
    auto writePicture = [&](const SkinPicture& picture, const std::string& name,
                            const std::string& fallback) {
        if (!picture.isEmpty()) writeFile(folder / pictureFileName(name, fallback), writeBmp(picture));
    };
    writePicture(container.mainPicture, ini.readString("PICTURES", "picture", ""), "main.bmp");
    writePicture(container.inactivePicture, ini.readString("PICTURES", "inactivepicture", ""),
                 "inactive.bmp");
    writePicture(container.maskPicture, ini.readString("PICTURES", "mask", ""), "mask.bmp");
    std::vector<std::string> names;
    readList(ini, "PICTURES", "activepictures", names);
    for (std::size_t i = 0; i < container.pictures.size(); ++i) {
        const std::string fallback = "picture" + std::to_string(i) + ".bmp";
        writePicture(container.pictures[i], i < names.size() ? names[i] : "", fallback);
    }
    const auto* text = reinterpret_cast<const std::uint8_t*>(container.text.data());
    writeFile(folder / "skin.ini", std::span<const std::uint8_t>(text, container.text.size()));
    return 0;
}

int importCompressed(const Args& args) {
    expectArguments(args, 2, "import CSKFILE OUT");
    TbsCompressedStoredSkin stored;
    if (!stored.ImportCompressedFile(args[0])) {
        // The import stops at a version it does not know; read that version again for the message.
        std::ifstream in(args[0], std::ios::binary);
        unsigned char head[4] = {};
        in.read(reinterpret_cast<char*>(head), sizeof head);
        const std::uint32_t version =
            head[0] | (head[1] << 8) | (head[2] << 16) | (std::uint32_t{head[3]} << 24);
        throw SkinVersionError(static_cast<std::int32_t>(version));
    }
    writeFile(args[1], stored.CompressedData());
    return 0;
}

}  // namespace vireltan::skintool
