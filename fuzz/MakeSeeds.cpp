// Writes a small seed corpus for each fuzz target into <dir>/<target>/:
// menus encoded by the menu core itself, the edge texts of the entry rules,
// and typed keystrokes. Usage: MakeSeeds <dir>
#include "MenuFileFormat.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

bool Write(const fs::path& folder, const std::string& name, const Bytes& bytes)
{
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

Bytes Text(std::string_view s)
{
    return Bytes(s.begin(), s.end());
}

Bytes Menu(const MenuItems& items, std::uint8_t reserved)
{
    MenuImage image{};
    image[ReservedByteIndex] = reserved;
    EncodeMenu(items, image);
    return Bytes(image.begin(), image.end());
}

Bytes Keys(std::string_view typed, std::uint8_t flags)
{
    Bytes out;
    for (const char c : typed) {
        out.push_back(static_cast<std::uint8_t>(c));
        out.push_back(0);
        out.push_back(flags);
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <dir>\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    bool ok = true;

    const fs::path menus = root / "MenuFileFuzz";
    fs::create_directories(menus);
    MenuItems empty{};
    MenuItems full{};
    for (std::size_t i = 0; i < full.size(); ++i)
        full[i] = MenuItem{"FRIES " + std::to_string(i), "3:00", "0:30", "7:00", 1};
    MenuItems edges{};
    edges[0] = MenuItem{"ABCDEFGHIJ", "1092:15", "99:59", "0:01", 255};
    edges[1] = MenuItem{"\xC3\x89"
                        "CLAIR \xC3\xBF",
                        "", "", "", 2};
    edges[2] = MenuItem{"  NUGGETS ", "0:59", "1:00", "0:00", 0};
    edges[9] = MenuItem{"", "4:16", "0:00", "10:00", 1};
    Bytes zeroMenu(FileDataSize, 0);
    Bytes badChecksums = Menu(full, 0x5A);
    for (std::size_t i = 0; i < static_cast<std::size_t>(FileDataSize) - 1; i += RecordSize)
        badChecksums[i] ^= 0xFF;
    Bytes longer = Menu(edges, 7);
    longer.insert(longer.end(), 64, 0xFF);
    ok &= Write(menus, "empty-file", {});
    ok &= Write(menus, "one-byte", {0x91});
    ok &=
        Write(menus, "one-record", Bytes(badChecksums.begin(), badChecksums.begin() + RecordSize));
    ok &= Write(menus, "190-bytes", Bytes(zeroMenu.begin(), zeroMenu.end() - 1));
    ok &= Write(menus, "fresh-zero-image", zeroMenu);
    ok &= Write(menus, "empty-menu", Menu(empty, 0));
    ok &= Write(menus, "full-menu", Menu(full, 0));
    ok &= Write(menus, "edge-items", Menu(edges, 0xFF));
    ok &= Write(menus, "wrong-checksums", badChecksums);
    ok &= Write(menus, "longer-file", longer);

    const fs::path texts = root / "EntryTextFuzz";
    fs::create_directories(texts);
    int n = 0;
    for (const std::string_view t : {"0:00",
                                     "00:00",
                                     "5:30",
                                     "99:59",
                                     "1:60",
                                     "1:5",
                                     "100:00",
                                     "12345",
                                     "1::00",
                                     "-1:30",
                                     "01:05",
                                     "1092:15",
                                     "2147483647:59",
                                     "FRIES",
                                     "ABCDEFGHIJK",
                                     "  A ",
                                     "\xC3\x89"
                                     "CLAIR",
                                     "\xE2\x82\xAC"
                                     "5",
                                     "\xC0\x81",
                                     "\xF0\x9F\x8D\x9F",
                                     "A\xFF",
                                     ""})
        ok &= Write(texts, "text-" + std::to_string(n++), Text(t));

    const fs::path keys = root / "KeyFilterFuzz";
    fs::create_directories(keys);
    // tmrtool import: the first byte picks CSV (bit 0) and the raw rules (bit 1).
    const fs::path imports = root / "TmrtoolImportFuzz";
    fs::create_directories(imports);
    const std::string json =
        R"({"items": [{"name": "FRIES", "cook": "3:00", "shake": "0:30", "hold": "7:00", )"
        R"("compensation": 1}, {"name": "", "cook": "", "shake": "0:00", "hold": "0:00", )"
        R"("compensation": 0}], "reserved": 0})";
    const std::string csv =
        "\xEF\xBB\xBFitem,name,cook,shake,hold,compensation\r\n"
        "1,FRIES,3:00,0:30,7:00,1\r\n2,\"A \"\"B\"\"\",1092:15,0:00,0:00,255\r\n";
    for (int mode = 0; mode < 4; ++mode) {
        Bytes seed{static_cast<std::uint8_t>(mode)};
        const std::string& body = (mode & 1) ? csv : json;
        seed.insert(seed.end(), body.begin(), body.end());
        ok &= Write(imports, "import-" + std::to_string(mode), seed);
    }

    ok &= Write(keys, "typed-name", Keys("fries ab\b~{", 0));
    ok &= Write(keys, "typed-time", Keys("3::00\b\b:0-.5", 1));
    ok &= Write(keys, "typed-file", Keys("MENU0001*?|.tmr", 2));
    ok &= Write(keys, "wide-codes", {0xE9, 0x00, 3, 0x00, 0x01, 0, 0xAC, 0x20, 1, 0xFF, 0xFF, 2,
                                     0x00, 0x80, 0, 0x0D, 0x00, 1, 0x7F, 0x00, 0});

    if (!ok)
        std::fprintf(stderr, "MakeSeeds: could not write every seed under %s\n", argv[1]);
    return ok ? 0 : 1;
}
