#include "app/win/WindowDesign.h"

#include <array>

namespace vireltan {

namespace {

using sv = std::string_view;

constexpr std::array<sv, 8> kMaterialItems{"Altın",     "Gümüş",     "Bakır",      "Çinko",
                                           "Alüminyum", "Magnezyum", "Krom-Nikel", "Tungsten"};
constexpr std::array<sv, 19> kCrossSections{"0,08", "0,14", "0,25", "0,34", "0,5", "0,75", "1",
                                            "1,5",  "2,5",  "4",    "6",    "10",  "16",   "25",
                                            "35",   "50",   "70",   "95",   "120"};
constexpr std::array<sv, 2> kFrameBorderIcons{"biSystemMenu", "biMinimize"};
constexpr std::array<sv, 2> kPhases{"Monofaze (Tek Faz)", "Trifaze (3 Faz)"};

constexpr sv kLabel = "TbsSkinStdLabel";
constexpr sv kGroupBox = "TbsSkinGroupBox";
constexpr sv kEdit = "TbsSkinEdit";
constexpr sv kComboBox = "TbsSkinComboBox";
constexpr sv kImage = "TImage";
constexpr sv kPngButton = "TPNGButton";
constexpr sv kTimer = "TTimer";
constexpr sv kStoredSkin = "TbsCompressedStoredSkin";
constexpr sv kSkinData = "TbsSkinData";
constexpr sv kSkin = "bsSkinData1";

constexpr unsigned kResult = dfReadOnly | dfNoTabStop;

// The design is a table: one component per entry, kept in columns by hand.
// clang-format off

// A label of the results group: fixed left, font R.
constexpr ComponentDesign resultLabel(sv name, int top, int width, sv text) {
    return ComponentDesign{.name = name, .className = kLabel, .parent = "bsSkinGroupBox2", .left = 7, .top = top,
            .width = width, .height = 13, .font = FontKind::R, .text = text};
}

constexpr ComponentDesign resultEdit(sv name, int top, int tabOrder) {
    return ComponentDesign{.name = name, .className = kEdit, .parent = "bsSkinGroupBox2", .left = 72, .top = top,
            .width = 130, .height = 18, .font = FontKind::E, .tabOrder = tabOrder, .flags = kResult};
}

constexpr ComponentDesign label(sv parent, sv name, int left, int top, int width, int height, sv text) {
    return ComponentDesign{.name = name, .className = kLabel, .parent = parent, .left = left, .top = top, .width = width,
            .height = height, .font = FontKind::L, .text = text};
}

constexpr std::array kDesign{
    // Directly on the window.
    label("", "bsSkinStdLabel28", 11, 354, 521, 13,
          "Yapılan İşlemler Kullanıcının verdiği değerler ve Standart kullanılan değerler ile yapılmıştır... "),
    ComponentDesign{.name = "label1", .className = kLabel, .left = 531, .top = 354, .width = 5, .height = 13,
                    .font = FontKind::R},
    ComponentDesign{.name = "showw", .className = kGroupBox, .left = 8, .top = 8, .width = 185, .height = 201,
                    .font = FontKind::C, .text = "Önizleme", .tabOrder = 0,
                    .reference = kSkin},
    ComponentDesign{.name = "bsSkinGroupBox1", .className = kGroupBox, .left = 200, .top = 8, .width = 305,
                    .height = 201, .font = FontKind::C, .text = "Gerekli Bilgiler...", .tabOrder = 1,
                    .reference = kSkin},
    ComponentDesign{.name = "bsSkinGroupBox2", .className = kGroupBox, .left = 512, .top = 8, .width = 209,
                    .height = 202, .font = FontKind::C, .text = "Direnç Değerleri", .tabOrder = 2,
                    .reference = kSkin},
    ComponentDesign{.name = "bsSkinGroupBox3", .className = kGroupBox, .left = 8, .top = 216, .width = 713,
                    .height = 134, .font = FontKind::C, .text = "Gerilim Düşümü (%e)", .tabOrder = 3,
                    .reference = kSkin},

    // The material preview.
    ComponentDesign{.name = "Image1", .className = kImage, .parent = "showw", .left = 1, .top = 23,
                    .width = 183, .height = 177, .flags = dfCenter | dfAlignClient, .picture = "BAKIR"},

    // The resistance inputs.
    label("bsSkinGroupBox1", "bsSkinStdLabel1", 8, 33, 96, 13, "İletkenin Çeşidi :"),
    label("bsSkinGroupBox1", "bsSkinStdLabel3", 25, 65, 115, 13, "İletkenin Özdirenci :"),
    label("bsSkinGroupBox1", "bsSkinStdLabel4", 25, 86, 115, 13, "İletkenin Uzunluğu :"),
    label("bsSkinGroupBox1", "bsSkinStdLabel5", 25, 107, 93, 13, "İletkenin Kesiti :"),
    ComponentDesign{.name = "Image11", .className = kImage, .parent = "bsSkinGroupBox1", .left = 226, .top = 63,
                    .width = 24, .height = 17, .flags = dfStretch | dfTransparent, .picture = "OHM_SIGN"},
    label("bsSkinGroupBox1", "bsSkinStdLabel8", 233, 107, 23, 13, "mm²"),
    label("bsSkinGroupBox1", "bsSkinStdLabel9", 233, 85, 10, 13, "m"),
    label("bsSkinGroupBox1", "bsSkinStdLabel10", 250, 65, 43, 13, "*mm²/m"),
    ComponentDesign{.name = "Image2", .className = kImage, .parent = "bsSkinGroupBox1", .left = 10, .top = 135,
                    .width = 286, .height = 59, .flags = dfAutoSize | dfTransparent,
                    .picture = "FORMULA_RESISTANCE"},
    ComponentDesign{.name = "PNGButton1", .className = kPngButton, .parent = "bsSkinGroupBox1", .left = 265,
                    .top = 87, .width = 33, .height = 33, .flags = dfShowHint, .picture = "PNG_TRANSFER",
                    .hint = "Gerilim Düşümüne Aktar", .events = {{EventKind::OnClick, "PNGButton1Click"}}},
    ComponentDesign{.name = "iletkenc", .className = kComboBox, .parent = "bsSkinGroupBox1", .left = 109,
                    .top = 29, .width = 185, .height = 20, .font = FontKind::C, .text = "Bakır",
                    .items = kMaterialItems, .itemIndex = 2, .tabOrder = 0, .flags = dfUseSkinSize,
                    .events = {{EventKind::OnChange, "iletkencChange"}}},
    ComponentDesign{.name = "Iozdirenc", .className = kEdit, .parent = "bsSkinGroupBox1", .left = 149, .top = 62,
                    .width = 80, .height = 18, .font = FontKind::E, .text = "0,0178", .tabOrder = 1,
                    .events = {{EventKind::OnKeyPress, "IozdirencKeyPress"}}},
    ComponentDesign{.name = "Iuzun", .className = kEdit, .parent = "bsSkinGroupBox1", .left = 149, .top = 83,
                    .width = 80, .height = 18, .font = FontKind::E, .tabOrder = 2,
                    .events = {{EventKind::OnKeyPress, "IuzunKeyPress"}}},
    ComponentDesign{.name = "IKesit", .className = kComboBox, .parent = "bsSkinGroupBox1", .left = 149,
                    .top = 104, .width = 80, .height = 20, .font = FontKind::C, .text = "0,08",
                    .items = kCrossSections, .itemIndex = 0, .tabOrder = 3, .flags = dfEditable,
                    .events = {{EventKind::OnKeyPress, "IKesitKeyPress"}}},

    // The resistance results.
    resultLabel("bsSkinStdLabel11", 41, 60, "GigaOhm :"),
    resultEdit("GEdit", 38, 0),
    resultLabel("bsSkinStdLabel12", 59, 65, "MegaOhm :"),
    resultEdit("MEdit", 56, 1),
    resultLabel("bsSkinStdLabel13", 76, 55, "KiloOhm :"),
    resultEdit("KEdit", 74, 2),
    resultLabel("bsSkinStdLabel15", 93, 34, "Ohm :"),
    resultEdit("OEdit", 92, 3),
    resultLabel("bsSkinStdLabel16", 112, 59, "PikoOhm :"),
    resultEdit("PEdit", 110, 4),
    resultLabel("bsSkinStdLabel17", 129, 64, "NanoOhm :"),
    resultEdit("Nedit", 128, 5),
    resultLabel("bsSkinStdLabel18", 148, 65, "MikroOhm :"),
    resultEdit("MiEdit", 146, 6),
    resultLabel("bsSkinStdLabel19", 166, 53, "MiliOhm :"),
    resultEdit("MeEdit", 164, 7),
    ComponentDesign{.name = "ad", .className = kLabel, .parent = "bsSkinGroupBox2", .left = 3, .top = 185,
                    .width = 203, .height = 13, .font = FontKind::R, .flags = dfFixedSize | dfCenter},

    // The voltage drop.
    label("bsSkinGroupBox3", "bsSkinStdLabel2", 9, 36, 93, 13, "İletkenin Kesiti :"),
    label("bsSkinGroupBox3", "bsSkinStdLabel6", 262, 35, 23, 13, "mm²"),
    label("bsSkinGroupBox3", "bsSkinStdLabel7", 9, 59, 115, 13, "İletkenin Uzunluğu :"),
    label("bsSkinGroupBox3", "bsSkinStdLabel14", 9, 82, 162, 13, "Üzerinden Geçek olan Güç :"),
    label("bsSkinGroupBox3", "bsSkinStdLabel21", 262, 59, 10, 13, "m"),
    label("bsSkinGroupBox3", "bsSkinStdLabel22", 261, 82, 18, 13, "Kw"),
    label("bsSkinGroupBox3", "bsSkinStdLabel20", 9, 106, 70, 13, "Faz Sayısı  :"),
    ComponentDesign{.name = "Image3", .className = kImage, .parent = "bsSkinGroupBox3", .left = 409, .top = 45,
                    .width = 158, .height = 69, .flags = dfAutoSize | dfTransparent,
                    .picture = "FORMULA_VOLTAGEDROP"},
    label("bsSkinGroupBox3", "bsSkinStdLabel23", 572, 30, 116, 13, "%e : Gerilim Düşümü"),
    label("bsSkinGroupBox3", "bsSkinStdLabel24", 572, 46, 114, 13, "L : İletken uzunluğu"),
    label("bsSkinGroupBox3", "bsSkinStdLabel25", 572, 62, 74, 13, "P : Aktif Güç"),
    label("bsSkinGroupBox3", "bsSkinStdLabel26", 572, 78, 98, 13, "S : İletken Kesidi"),
    label("bsSkinGroupBox3", "bsSkinStdLabel27", 572, 94, 136, 26,
          "K : Monofaze için 0,074\r     Trifaze için 0,0124"),
    ComponentDesign{.name = "kesiti", .className = kComboBox, .parent = "bsSkinGroupBox3", .left = 128, .top = 32,
                    .width = 129, .height = 20, .font = FontKind::C, .text = "1", .items = kCrossSections,
                    .itemIndex = 6, .tabOrder = 0, .flags = dfEditable,
                    .events = {{EventKind::OnKeyPress, "kesitiKeyPress"}}},
    ComponentDesign{.name = "GDuzun", .className = kEdit, .parent = "bsSkinGroupBox3", .left = 128, .top = 56,
                    .width = 129, .height = 18, .font = FontKind::E, .tabOrder = 1,
                    .events = {{EventKind::OnKeyPress, "GDuzunKeyPress"}}},
    ComponentDesign{.name = "GDakim", .className = kEdit, .parent = "bsSkinGroupBox3", .left = 176, .top = 79,
                    .width = 81, .height = 18, .font = FontKind::E, .tabOrder = 2, .flags = dfNoSkinFont,
                    .defaultColor = clWindow,
                    .events = {{EventKind::OnChange, "GDakimChange"}, {EventKind::OnKeyPress, "GDakimKeyPress"}}},
    ComponentDesign{.name = "faztip", .className = kComboBox, .parent = "bsSkinGroupBox3", .left = 128,
                    .top = 102, .width = 156, .height = 20, .font = FontKind::C, .text = "Monofaze (Tek Faz)",
                    .items = kPhases, .itemIndex = 0, .tabOrder = 3},
    ComponentDesign{.name = "bsSkinGroupBox4", .className = kGroupBox, .parent = "bsSkinGroupBox3", .left = 291,
                    .top = 32, .width = 113, .height = 90, .font = FontKind::C, .text = "Gerilim Düşümü (%e)",
                    .tabOrder = 4, .reference = kSkin},
    ComponentDesign{.name = "sonucu", .className = kLabel, .parent = "bsSkinGroupBox4", .left = 1, .top = 23,
                    .width = 111, .height = 66, .font = FontKind::S,
                    .flags = dfFixedSize | dfCenter | dfCenterVertical | dfAlignClient},

    // Non-visual components.
    ComponentDesign{.name = "Timer1", .className = kTimer, .interval = 750,
                    .events = {{EventKind::OnTimer, "Timer1Timer"}}},
    ComponentDesign{.name = "Timer2", .className = kTimer, .interval = 500,
                    .events = {{EventKind::OnTimer, "Timer2Timer"}}},
    ComponentDesign{.name = "Timer3", .className = kTimer, .interval = 100,
                    .events = {{EventKind::OnTimer, "Timer3Timer"}}},
    // The skinned frame takes over the window's messages at once and gets its skin once every
    // component exists. Setting the stored skin loads it and announces the change to every window; the
    // group boxes, created before, take it on then.
    ComponentDesign{.name = "bsSkinForm1", .className = "TbsSkinForm", .items = kFrameBorderIcons,
                    .reference = kSkin},
    ComponentDesign{.name = "bsCompressedStoredSkin1", .className = kStoredSkin, .picture = "VIRELTAN_SKIN"},
    ComponentDesign{.name = "bsSkinData1", .className = kSkinData, .reference = "bsCompressedStoredSkin1"},
};

// clang-format on

constexpr WindowDesign kWindow{
    .name = "iletkenRhesap",
    .caption = "Vireltan",
    .clientWidth = 736,
    .clientHeight = 376,
    .outerWidth = 746,
    .outerHeight = 411,
};

}  // namespace

std::span<const ComponentDesign> calculatorWindowDesign() {
    return kDesign;
}

const WindowDesign& calculatorWindowProperties() {
    return kWindow;
}

}  // namespace vireltan
