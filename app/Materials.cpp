#include "app/Materials.h"

#include <array>

namespace vireltan {

namespace {

// The silver resource keeps its plain final S; the resource lookup must see the "Ü" intact.
constexpr std::array<Material, 8> kMaterials = {{
    {"Altın", "0,023", "ALTIN", 120, 120},
    {"Gümüş", "0,016", "GÜMÜS", 120, 120},
    {"Bakır", "0,0178", "BAKIR", 120, 120},
    {"Çinko", "0,063", "CINKO", 120, 120},
    {"Alüminyum", "0,0285", "ALUMINYUM", 120, 120},
    {"Magnezyum", "0,045", "MAGNEZYUM", 173, 175},
    {"Krom-Nikel", "1,1", "KROM", 202, 189},
    {"Tungsten", "0,055", "TUNGSTEN", 126, 144},
}};

constexpr std::array<const Material*, 8> kMatchOrder = {
    &kMaterials[2], &kMaterials[1], &kMaterials[0], &kMaterials[3],
    &kMaterials[4], &kMaterials[5], &kMaterials[6], &kMaterials[7],
};

}  // namespace

std::span<const Material> materials() {
    return kMaterials;
}

std::span<const Material* const> materialsInMatchOrder() {
    return kMatchOrder;
}

}  // namespace vireltan
