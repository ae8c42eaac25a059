#include "app/Calculator.h"

#include <initializer_list>

#include "app/DecimalText.h"
#include "app/ExtendedArithmetic.h"
#include "app/Materials.h"

namespace vireltan {

namespace {

using enum CalcField;

constexpr double kSinglePhaseFactor = 0.074;
constexpr double kThreePhaseFactor = 0.0124;
constexpr double kDropLimitPercent = 5;

constexpr char kSinglePhase[] = "Monofaze (Tek Faz)";
constexpr char kThreePhase[] = "Trifaze (3 Faz)";
constexpr char kSectionAdequate[] = "İletken Kesiti Uygundur";
constexpr char kSectionInadequate[] = "İletken Kesiti Uygun Değildir";
constexpr char kHintReady[] = "Gerilim Düşümüne Aktar..";
constexpr char kHintMissing[] = "Kesit ve Uzunluğu Girmelisiniz..";

constexpr char16_t kBackspace = 8;

}  // namespace

char16_t filterNumericKey(char16_t key, std::string_view fieldText) {
    if (key == kBackspace) return key;
    const bool digit = key >= u'0' && key <= u'9';
    if (!digit && key != u',') return 0;
    // The comma test looks at the text the insertion leaves standing: a comma typed over a selection
    // that holds the field's comma replaces it. (Looking at the whole text would drop the comma of
    // "2,5" typed into a combo box that has completed "2" to "2,5" and so turn it into "25".)
    if (key == u',' && fieldText.find(',') != std::string_view::npos) return 0;
    return key;
}

void Calculator::Timer1Timer() {
    const ExtendedPrecisionScope extended;  // the window's thread may round the x87 unit to 53 bits
    if (anyEmptyLike(Iozdirenc, Iuzun, IKesit)) {
        for (CalcField result : {MEdit, GEdit, KEdit, OEdit, PEdit, Nedit, MiEdit, MeEdit})
            fields_.clear(result);
        return;
    }
    const double resistivity = readDouble(Iozdirenc);
    const double length = readDouble(Iuzun);
    const double section = readDouble(IKesit);
    // Fully computed and checked before the first result is written, so a failing tick leaves the
    // previous results standing.
    const double ohms = storeDouble(divideExtended(multiplyExtended(resistivity, length), section));
    fields_.setText(OEdit, FormatGeneral(ohms));

    // Every other row derives from the ohm value as displayed, so all eight agree digit for digit.
    const double shownOhms = readDouble(OEdit);
    const double kiloOhms = storeDouble(divideExtended(shownOhms, 1000));
    const double megaOhms = storeDouble(divideExtended(kiloOhms, 1000));
    const double gigaOhms = storeDouble(divideExtended(megaOhms, 1000));
    writeTrimmedNumber(KEdit, kiloOhms);
    writeTrimmedNumber(MEdit, megaOhms);
    writeTrimmedNumber(GEdit, gigaOhms);

    if (fields_.text(OEdit) != "0") {
        writeThousandfold(OEdit, MeEdit);
        writeThousandfold(MeEdit, MiEdit);
        writeThousandfold(MiEdit, Nedit);
        writeThousandfold(Nedit, PEdit);
    } else {
        for (CalcField result : {PEdit, Nedit, MiEdit, MeEdit}) fields_.setText(result, "0");
    }
}

void Calculator::Timer2Timer() {
    const ExtendedPrecisionScope extended;
    double drop = 0;
    if (anyEmptyLike(kesiti, GDuzun, GDakim)) {
        fields_.clear(sonucu);
    } else {
        const double section = readDouble(kesiti);
        const double length = readDouble(GDuzun);
        const double power = readDouble(GDakim);
        double factor = 0;  // unreachable through the fixed phase list
        if (fields_.text(faztip) == kSinglePhase) {
            factor = kSinglePhaseFactor;
        } else if (fields_.text(faztip) == kThreePhase) {
            factor = kThreePhaseFactor;
        }
        drop =
            storeDouble(divideExtended(multiplyExtended(multiplyExtended(factor, length), power), section));
        fields_.setText(sonucu, FormatNumber(drop, 2, 10));
        fields_.setText(sonucu, "% " + TrimTrailingZeros(fields_.text(sonucu)));
    }
    // The verdict judges the unrounded drop; a drop of exactly the limit keeps the earlier verdict.
    if (drop == 0) {
        fields_.clear(label1);
    } else if (drop < kDropLimitPercent) {
        fields_.setText(label1, kSectionAdequate);
    } else if (drop > kDropLimitPercent) {
        fields_.setText(label1, kSectionInadequate);
    }
}

void Calculator::Timer3Timer() {
    const bool ready = !fields_.text(IKesit).empty() && !fields_.text(Iuzun).empty();
    fields_.setTransferHint(ready ? kHintReady : kHintMissing);
}

void Calculator::iletkencChange() {
    for (const Material* material : materialsInMatchOrder()) {
        if (fields_.text(iletkenc) != material->item) continue;
        fields_.setPreviewPicture(std::string(material->resource));
        fields_.setText(Iozdirenc, std::string(material->resistivity));
        return;
    }
}

void Calculator::PNGButton1Click() {
    // Only emptiness is tested: whatever the resistance inputs hold is carried over as text.
    if (fields_.text(IKesit).empty() || fields_.text(Iuzun).empty()) return;
    fields_.setText(kesiti, fields_.text(IKesit));
    fields_.setText(GDuzun, fields_.text(Iuzun));
    fields_.clear(GDakim);  // runs GDakimChange, which resets the colour the next line overrides
    fields_.setDefaultColor(GDakim, Color::yellow());
}

void Calculator::GDakimChange() {
    fields_.setDefaultColor(GDakim, Color::window());
}

void Calculator::keyPress(CalcField field, char16_t& key) {
    key = filterNumericKey(key, fields_.textOutsideSelection(field));
}

bool Calculator::anyEmptyLike(CalcField a, CalcField b, CalcField c) const {
    return IsEmptyLike(fields_.text(a)) || IsEmptyLike(fields_.text(b)) || IsEmptyLike(fields_.text(c));
}

double Calculator::readDouble(CalcField field) const {
    return storeDouble(ParseDecimalText(fields_.text(field)));
}

void Calculator::writeTrimmedNumber(CalcField field, double value) {
    fields_.setText(field, FormatNumber(value, 14, 14));
    fields_.setText(field, TrimTrailingZeros(fields_.text(field)));
}

// The sub-ohm rows stay in extended precision from the displayed text to the next displayed text.
void Calculator::writeThousandfold(CalcField from, CalcField to) {
    fields_.setText(to, FormatGeneralExtended(multiplyExtended(ParseDecimalText(fields_.text(from)), 1000)));
}

}  // namespace vireltan
