#include "app/CalculatorFields.h"

#include <array>

namespace vireltan {

std::string_view fieldName(CalcField field) {
    static constexpr std::array<std::string_view, kCalcFieldCount> kNames = {
        "Iozdirenc", "Iuzun",  "IKesit", "GEdit",  "MEdit",  "KEdit",  "OEdit",  "PEdit",  "Nedit",
        "MiEdit",    "MeEdit", "kesiti", "GDuzun", "GDakim", "faztip", "sonucu", "label1", "iletkenc"};
    const auto index = static_cast<std::size_t>(field);
    return index < kNames.size() ? kNames[index] : std::string_view("?");
}

}  // namespace vireltan
