#include "app/Calculator.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/DecimalText.h"
#include "app/Materials.h"
#include "tests/app/FakeCalculatorFields.h"

namespace vireltan {
namespace {

using enum CalcField;
using fakes::FakeCalculatorFields;
using fakes::WiredCalculator;
using Kind = FakeCalculatorFields::Kind;

constexpr std::array<CalcField, 8> kResistanceResults = {GEdit, MEdit, KEdit,  OEdit,
                                                         PEdit, Nedit, MiEdit, MeEdit};
constexpr std::array<const char*, 6> kEmptyLike = {"", "0", "0,", ",", ",0", "0,0"};
constexpr char kMono[] = "Monofaze (Tek Faz)";
constexpr char kTri[] = "Trifaze (3 Faz)";
constexpr char kAdequate[] = "İletken Kesiti Uygundur";
constexpr char kInadequate[] = "İletken Kesiti Uygun Değildir";
constexpr char kPrevious[] = "önceki";  // a text no handler writes, to see what a tick touched

enum class Failure { None, Convert, ZeroDivide, InvalidOp, Overflow };

const char* failureName(Failure failure) {
    static constexpr std::array<const char*, 5> kNames = {"none", "EConvertError", "EZeroDivide",
                                                          "EInvalidOp", "EOverflow"};
    return kNames[static_cast<std::size_t>(failure)];
}

// Runs a handler and names the calculator error it raised; other exceptions fail the test.
Failure failureOf(const std::function<void()>& handler, std::string* message = nullptr) {
    try {
        handler();
        return Failure::None;
    } catch (const EConvertError& e) {
        if (message) *message = e.what();
        return Failure::Convert;
    } catch (const EZeroDivide&) {
        return Failure::ZeroDivide;
    } catch (const EInvalidOp&) {
        return Failure::InvalidOp;
    } catch (const EOverflow&) {
        return Failure::Overflow;
    }
}

void setResistanceInputs(FakeCalculatorFields& fields, const std::string& rho, const std::string& length,
                         const std::string& section) {
    fields.set(Iozdirenc, rho);
    fields.set(Iuzun, length);
    fields.set(IKesit, section);
    for (CalcField result : kResistanceResults) fields.set(result, kPrevious);
}

void setDropInputs(FakeCalculatorFields& fields, const std::string& section, const std::string& length,
                   const std::string& power, const std::string& phase) {
    fields.set(kesiti, section);
    fields.set(GDuzun, length);
    fields.set(GDakim, power);
    fields.set(faztip, phase);
    fields.set(sonucu, kPrevious);
    fields.set(label1, kPrevious);
}

TEST(Timer1Timer, WritesEightResultRows) {
    struct Case {
        const char* rho;
        const char* length;
        const char* section;
        std::array<const char*, 8> results;  // GEdit, MEdit, KEdit, OEdit, PEdit, Nedit, MiEdit, MeEdit
    };
    const Case cases[] = {
        {"0,0178",
         "1",
         "0,08",
         {"0,0000000002225", "0,0000002225", "0,0002225", "0,2225", "222500000000", "222500000", "222500",
          "222,5"}},
        {"0,0178",
         "100",
         "1,5",
         {"0,00000000118667", "0,00000118666667", "0,00118666666667", "1,18666666666667", "1186666666666,67",
          "1186666666,66667", "1186666,66666667", "1186,66666666667"}},
        {"1,1",
         "1000",
         "0,08",
         {"0,00001375", "0,01375", "13,75", "13750", "1,375E16", "13750000000000", "13750000000",
          "13750000"}},
        {"0,016",
         "0,5",
         "120",
         {"0,00000000000007", "0,00000000006667", "0,00000006666667", "6,66666666666667E-5",
          "66666666,6666667", "66666,6666666667", "66,6666666666667", "0,0666666666666667"}},
        {"0,0178",
         "5,",
         ",5",
         {"0,000000000178", "0,000000178", "0,000178", "0,178", "178000000000", "178000000", "178000",
          "178"}},
        {"0,0178", "00", "1,5", {"0", "0", "0", "0", "0", "0", "0", "0"}},
        // A zero that is not empty-like in the resistivity gives zero too, with no error.
        {"0,00", "100", "1,5", {"0", "0", "0", "0", "0", "0", "0", "0"}},
        // Inputs that only pasting can bring: a sign, blanks and an exponent are decimal texts.
        {" 1E1 ",
         "-2",
         "4",
         {"-0,000000005", "-0,000005", "-0,005", "-5", "-5000000000000", "-5000000000", "-5000000", "-5000"}},
        // Beyond the double range only in the sub-ohm rows, which stay in extended precision.
        {"1E308", "1", "1", {"1E299", "1E302", "1E305", "1E308", "1E320", "1E317", "1E314", "1E311"}},
        // A denormal resistance is shown; one that underflows to zero gives the zero rows.
        {"1E-300",
         "1E-20",
         "1",
         {"0", "0", "0", "9,99988867182683E-321", "9,99988867182683E-309", "9,99988867182683E-312",
          "9,99988867182683E-315", "9,99988867182683E-318"}},
        {"1E-200", "1E-200", "1", {"0", "0", "0", "0", "0", "0", "0", "0"}},
        // Scientific rows keep their exponent when the trailing zeros are trimmed.
        {"1,25",
         "1E23",
         "1",
         {"1,25E14", "1,25E17", "1,25E20", "1,25E23", "1,25E35", "1,25E32", "1,25E29", "1,25E26"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rho) + " | " + c.length + " | " + c.section);
        WiredCalculator rig;
        setResistanceInputs(rig.fields, c.rho, c.length, c.section);
        rig.calc.Timer1Timer();
        for (std::size_t i = 0; i < kResistanceResults.size(); ++i) {
            EXPECT_EQ(rig.fields.text(kResistanceResults[i]), c.results[i])
                << fieldName(kResistanceResults[i]);
        }
    }
}

TEST(Timer1Timer, EmptyLikeInputEmptiesAllResults) {
    const std::array<CalcField, 3> inputs = {Iozdirenc, Iuzun, IKesit};
    for (CalcField input : inputs) {
        for (const char* empty : kEmptyLike) {
            SCOPED_TRACE(std::string(fieldName(input)) + " = '" + empty + "'");
            WiredCalculator rig;
            // The other inputs hold texts that would fail to convert: validation comes first.
            setResistanceInputs(rig.fields, "x", "1.5", "0,00");
            rig.fields.set(input, empty);
            EXPECT_EQ(failureOf([&] { rig.calc.Timer1Timer(); }), Failure::None);
            for (CalcField result : kResistanceResults)
                EXPECT_EQ(rig.fields.text(result), "") << fieldName(result);
        }
    }
}

TEST(Timer1Timer, FailureLeavesEveryResultAsItWas) {
    struct Case {
        const char* rho;
        const char* length;
        const char* section;
        Failure failure;
        const char* reportedText;  // the text named in a conversion error
    };
    const Case cases[] = {
        {"0,0178", "100", "00", Failure::ZeroDivide, nullptr},
        {"0,0178", "100", "0,00", Failure::ZeroDivide, nullptr},
        {"0,0178", "100", "000", Failure::ZeroDivide, nullptr},
        {"0,0178", "100", " 0", Failure::ZeroDivide, nullptr},
        {"0,0178", "00", "0,00", Failure::InvalidOp, nullptr},
        {"00", "100", "00", Failure::InvalidOp, nullptr},
        {"0,0178", "100", "1E-400", Failure::ZeroDivide, nullptr},  // underflows to zero when stored
        {"1E400", "1", "1", Failure::Overflow, nullptr},
        {"0,0178", "1E309", "1", Failure::Overflow, nullptr},
        {"0,0178", "1", "1E400", Failure::Overflow, nullptr},
        {"1E200", "1E200", "1", Failure::Overflow, nullptr},  // inputs fit, the resistance does not
        {"1", "1E300", "1E-300", Failure::Overflow, nullptr},
        {"1,5 Ohm", "100", "1,5", Failure::Convert, "'1,5 Ohm'"},
        {"0,0178", "1.000", "1,5", Failure::Convert, "'1.000'"},
        {"0,0178", "100", "2,5mm", Failure::Convert, "'2,5mm'"},
        {"abc", "def", "00", Failure::Convert, "'abc'"},  // parsed in order, before dividing
        {"0,0178", "def", "00", Failure::Convert, "'def'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rho) + " | " + c.length + " | " + c.section);
        WiredCalculator rig;
        setResistanceInputs(rig.fields, c.rho, c.length, c.section);
        std::string message;
        EXPECT_EQ(failureName(failureOf([&] { rig.calc.Timer1Timer(); }, &message)), failureName(c.failure));
        if (c.reportedText) {
            EXPECT_NE(message.find(c.reportedText), std::string::npos) << message;
        }
        EXPECT_TRUE(rig.fields.changes().empty());
        for (CalcField result : kResistanceResults) EXPECT_EQ(rig.fields.text(result), kPrevious);
    }
}

TEST(Timer2Timer, WritesDropAndVerdict) {
    struct Case {
        const char* section;
        const char* length;
        const char* power;
        const char* phase;
        const char* drop;
        const char* verdict;
    };
    const Case cases[] = {
        {"1", "100", "2", kMono, "% 15", kInadequate},
        {"2,5", "100", "10", kTri, "% 5", kAdequate},  // 4.96
        {"4", "30", "9", kMono, "% 5", kAdequate},     // 4.995
        {"1,5", "20", "3", kMono, "% 3", kAdequate},   // 2.96
        {"1,85", "5", "25", kMono, "% 5", kAdequate},  // one ulp below 5 in extended, 5 in double
        {"16", "50", "1", kMono, "% 0,23", kAdequate},
        {"2,5", "40", "4", kTri, "% 0,79", kAdequate},
        {"120", "1", "1", kTri, "% 0,0001", kAdequate},
        {"1", "1000", "2", kMono, "% 1,5E2", kInadequate},  // 148
        {"1", "100", "00", kMono, "% 0", ""},
        {"2,5", "100", "3", kMono, "% 8,9", kInadequate},  // 8.88
        {"2,5", "100", "17", kTri, "% 8,4", kInadequate},  // 8.432
        {"1", "1,5E10", "1E10", kMono, "% 1,1E19", kInadequate},
        {"0,074", "1,5E10", "1E10", kMono, "% 1,5E20", kInadequate},  // the exponent survives the trim
        {"1", "-100", "2", kMono, "% -15", kAdequate},  // pasted sign: judged as below the limit
        // Any other phase text counts as no factor: zero drop, no verdict.
        {"1", "100", "2", "", "% 0", ""},
        {"1", "100", "2", "monofaze (tek faz)", "% 0", ""},
        {"1", "100", "2", "Trifaze (3 Faz) ", "% 0", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + " | " + c.length + " | " + c.power + " | " + c.phase);
        WiredCalculator rig;
        setDropInputs(rig.fields, c.section, c.length, c.power, c.phase);
        rig.calc.Timer2Timer();
        EXPECT_EQ(rig.fields.text(sonucu), c.drop);
        EXPECT_EQ(rig.fields.text(label1), c.verdict);
    }
}

TEST(Timer2Timer, EmptyLikeInputEmptiesBothLabels) {
    const std::array<CalcField, 3> inputs = {kesiti, GDuzun, GDakim};
    for (const char* phase : {kMono, kTri}) {
        for (CalcField input : inputs) {
            for (const char* empty : kEmptyLike) {
                SCOPED_TRACE(std::string(fieldName(input)) + " = '" + empty + "', " + phase);
                WiredCalculator rig;
                setDropInputs(rig.fields, "x", "0,00", "1.5", phase);  // would fail if parsed
                rig.fields.set(input, empty);
                EXPECT_EQ(failureOf([&] { rig.calc.Timer2Timer(); }), Failure::None);
                EXPECT_EQ(rig.fields.text(sonucu), "");
                EXPECT_EQ(rig.fields.text(label1), "");
            }
        }
    }
}

TEST(Timer2Timer, DropOfExactlyTheLimitKeepsTheEarlierVerdict) {
    struct Case {
        const char* section;
        const char* length;
        const char* power;
        const char* phase;
    };
    // Inputs whose drop rounds to exactly 5 in the calculator's arithmetic.
    const Case cases[] = {{"1,48", "100", "1", kMono},
                          {"2,96", "20", "10", kMono},
                          {"1,24", "1", "500", kTri},
                          {"3,33", "3", "75", kMono},
                          {"2,59", "7", "25", kMono}};  // 5 only in extended
    for (const Case& c : cases) {
        for (const char* earlier : {"", kAdequate, kInadequate}) {
            SCOPED_TRACE(std::string(c.section) + " | " + c.length + " | " + c.power +
                         " | earlier: " + earlier);
            WiredCalculator rig;
            setDropInputs(rig.fields, c.section, c.length, c.power, c.phase);
            rig.fields.set(label1, earlier);
            rig.calc.Timer2Timer();
            EXPECT_EQ(rig.fields.text(sonucu), "% 5");
            EXPECT_EQ(rig.fields.text(label1), earlier);
            for (const auto& change : rig.fields.changes()) EXPECT_NE(change.field, label1);
        }
    }
}

#if defined(__GNUC__) && (defined(__i386__) || defined(__x86_64__))
// Sets the x87 unit to round to a 53-bit significand, as Windows starts its threads, and restores it.
class DoublePrecisionX87 {
  public:
    DoublePrecisionX87() {
        __asm__ volatile("fnstcw %0" : "=m"(saved_));
        const unsigned short doublePrecision = static_cast<unsigned short>((saved_ & ~0x300u) | 0x200u);
        __asm__ volatile("fldcw %0" : : "m"(doublePrecision));
    }
    ~DoublePrecisionX87() { __asm__ volatile("fldcw %0" : : "m"(saved_)); }
    DoublePrecisionX87(const DoublePrecisionX87&) = delete;
    DoublePrecisionX87& operator=(const DoublePrecisionX87&) = delete;

  private:
    unsigned short saved_ = 0;
};

// These drops come out differently when the products are rounded to 53 bits; the handler must give
// the extended result whatever precision the calling thread left the x87 unit in.
TEST(Timer2Timer, VerdictNeedsExtendedPrecisionWhateverTheCallerSet) {
    struct Case {
        const char* section;
        const char* length;
        const char* power;
        const char* verdict;
    };
    const Case cases[] = {
        {"3,33", "3", "75", kPrevious},  // exactly 5 in extended, just below in double
        {"2,59", "7", "25", kPrevious},  // exactly 5 in extended, just above in double
        {"1,85", "5", "25", kAdequate},  // just below 5 in extended, exactly 5 in double
        {"3,7", "5", "50", kAdequate},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + " | " + c.length + " | " + c.power);
        WiredCalculator rig;
        setDropInputs(rig.fields, c.section, c.length, c.power, kMono);
        {
            const DoublePrecisionX87 windowsDefault;
            rig.calc.Timer2Timer();
        }
        EXPECT_EQ(rig.fields.text(sonucu), "% 5");
        EXPECT_EQ(rig.fields.text(label1), c.verdict);
    }
}
#endif

TEST(Timer2Timer, FailureLeavesBothLabelsAsTheyWere) {
    struct Case {
        const char* section;
        const char* length;
        const char* power;
        const char* phase;
        Failure failure;
        const char* reportedText;
    };
    const Case cases[] = {
        {"00", "100", "2", kMono, Failure::ZeroDivide, nullptr},
        {"0,00", "100", "2", kTri, Failure::ZeroDivide, nullptr},
        {"0,00", "100", "00", kMono, Failure::InvalidOp, nullptr},
        {"00", "0,00", "2", kTri, Failure::InvalidOp, nullptr},
        {"00", "100", "2", "", Failure::InvalidOp, nullptr},  // no factor: 0 / 0
        {"1", "1E400", "2", kMono, Failure::Overflow, nullptr},
        {"1E400", "100", "2", kMono, Failure::Overflow, nullptr},
        {"1", "1E300", "1E300", kMono, Failure::Overflow, nullptr},  // inputs fit, the drop does not
        {"1E-300", "1E300", "1", kTri, Failure::Overflow, nullptr},
        {"1", "100", "2 kW", kMono, Failure::Convert, "'2 kW'"},
        {"1,5,", "100", "2", kMono, Failure::Convert, "'1,5,'"},
        {"1", "1.000", "00x", kMono, Failure::Convert, "'1.000'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + " | " + c.length + " | " + c.power + " | " + c.phase);
        WiredCalculator rig;
        setDropInputs(rig.fields, c.section, c.length, c.power, c.phase);
        std::string message;
        EXPECT_EQ(failureName(failureOf([&] { rig.calc.Timer2Timer(); }, &message)), failureName(c.failure));
        if (c.reportedText) {
            EXPECT_NE(message.find(c.reportedText), std::string::npos) << message;
        }
        EXPECT_TRUE(rig.fields.changes().empty());
        EXPECT_EQ(rig.fields.text(sonucu), kPrevious);
        EXPECT_EQ(rig.fields.text(label1), kPrevious);
    }
}

TEST(Materials, TableInItemOrder) {
    struct Row {
        const char* item;
        const char* resistivity;
        const char* resource;
        int width;
        int height;
    };
    const Row rows[] = {
        {"Altın", "0,023", "ALTIN", 120, 120},          {"Gümüş", "0,016", "GÜMÜS", 120, 120},
        {"Bakır", "0,0178", "BAKIR", 120, 120},         {"Çinko", "0,063", "CINKO", 120, 120},
        {"Alüminyum", "0,0285", "ALUMINYUM", 120, 120}, {"Magnezyum", "0,045", "MAGNEZYUM", 173, 175},
        {"Krom-Nikel", "1,1", "KROM", 202, 189},        {"Tungsten", "0,055", "TUNGSTEN", 126, 144},
    };
    ASSERT_EQ(materials().size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Material& m = materials()[i];
        EXPECT_EQ(m.item, rows[i].item);
        EXPECT_EQ(m.resistivity, rows[i].resistivity);
        EXPECT_EQ(m.resource, rows[i].resource);
        EXPECT_EQ(m.bitmapWidth, rows[i].width);
        EXPECT_EQ(m.bitmapHeight, rows[i].height);
        // Every resistivity is a decimal text the resistance tick accepts.
        EXPECT_NO_THROW(ParseDecimalText(std::string(m.resistivity)));
    }
    std::vector<std::string_view> matchOrder;
    for (const Material* m : materialsInMatchOrder()) matchOrder.push_back(m->item);
    const std::vector<std::string_view> expected = {"Bakır",     "Gümüş",     "Altın",      "Çinko",
                                                    "Alüminyum", "Magnezyum", "Krom-Nikel", "Tungsten"};
    EXPECT_EQ(matchOrder, expected);
}

TEST(iletkencChange, PickShowsPictureThenSetsResistivity) {
    struct Case {
        const char* item;
        const char* resource;
        const char* resistivity;
    };
    const Case cases[] = {
        {"Altın", "ALTIN", "0,023"},          {"Gümüş", "GÜMÜS", "0,016"},
        {"Bakır", "BAKIR", "0,0178"},         {"Çinko", "CINKO", "0,063"},
        {"Alüminyum", "ALUMINYUM", "0,0285"}, {"Magnezyum", "MAGNEZYUM", "0,045"},
        {"Krom-Nikel", "KROM", "1,1"},        {"Tungsten", "TUNGSTEN", "0,055"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        WiredCalculator rig;
        rig.fields.set(Iozdirenc, "0,02");  // typed by hand: a pick overwrites it
        rig.fields.set(iletkenc, c.item);
        rig.calc.iletkencChange();
        ASSERT_EQ(rig.fields.changes().size(), 2u);
        EXPECT_EQ(rig.fields.changes()[0].kind, Kind::Picture);
        EXPECT_EQ(rig.fields.changes()[0].text, c.resource);
        EXPECT_EQ(rig.fields.changes()[1].kind, Kind::Text);
        EXPECT_EQ(rig.fields.text(Iozdirenc), c.resistivity);
    }
}

TEST(iletkencChange, UnknownTextChangesNothing) {
    for (const char* text : {"", "bakır", "Bakir", "Bakır ", "GÜMÜS", "Gumus", "Krom", "0,0178"}) {
        SCOPED_TRACE(text);
        WiredCalculator rig;
        rig.fields.set(Iozdirenc, "0,02");
        rig.fields.set(iletkenc, text);
        rig.calc.iletkencChange();
        EXPECT_TRUE(rig.fields.changes().empty());
        EXPECT_EQ(rig.fields.text(Iozdirenc), "0,02");
        EXPECT_EQ(rig.fields.picture(), "BAKIR");
    }
}

TEST(filterNumericKey, PassesDigitsBackspaceAndOneComma) {
    struct Case {
        char16_t key;
        const char* text;
        bool passes;
    };
    const Case cases[] = {
        {u'0', "", true},          {u'9', "1,5", true},       {u',', "", true},
        {u',', "15", true},        {u',', "1,5", false},      {u',', ",", false},
        {u',', "2,5", false},      {8, "1,5", true},          {8, "", true},
        {u'.', "", false},         {u'.', "15", false},       {u'-', "", false},
        {u'+', "", false},         {u' ', "", false},         {u'e', "1", false},
        {u'E', "1", false},        {3, "1", false},           {22, "1", false},
        {24, "1", false},          {26, "1", false},          {13, "1", false},
        {9, "1", false},           {127, "1", false},         {0, "", false},
        {u'/', "", false},         {u':', "", false},         {0xFF10, "", false},
        {0x0661, "", false},  // fullwidth/Arabic digits
        {0x066B, "", false},       {0xFF0C, "", false},       {0xD83D, "", false},
        {u'0' + 0x100, "", false}, {u',' + 0x100, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << static_cast<int>(c.key) << " into '" << c.text << "'");
        EXPECT_EQ(filterNumericKey(c.key, c.text), c.passes ? c.key : char16_t{0});
    }
}

using KeyPress = void (Calculator::*)(char16_t&);

TEST(KeyPress, TypingIntoEachFilteredField) {
    struct Handler {
        CalcField field;
        KeyPress keyPress;
    };
    const Handler handlers[] = {
        {Iozdirenc, &Calculator::IozdirencKeyPress}, {Iuzun, &Calculator::IuzunKeyPress},
        {IKesit, &Calculator::IKesitKeyPress},       {kesiti, &Calculator::kesitiKeyPress},
        {GDuzun, &Calculator::GDuzunKeyPress},       {GDakim, &Calculator::GDakimKeyPress},
    };
    struct Case {
        const char* initial;
        std::size_t selStart;
        std::size_t selLength;
        std::u16string keys;
        const char* expected;
    };
    const Case cases[] = {
        {"", 0, 0, u"1,5,", "1,5"},
        {"", 0, 0, u"1.5", "15"},
        {"", 0, 0, u"-1 a,5e", "1,5"},
        {"", 0, 0, u",,5", ",5"},
        {"12", 2, 0, std::u16string{3, 22, 24, 26}, "12"},  // copy, paste, cut, undo shortcuts
        {"1,5", 3, 0, std::u16string{8}, "1,"},
        {"1,5", 3, 0, std::u16string{8, 8, ','}, "1,"},  // the comma is gone, so a new one passes
        {"1,5", 0, 3, u",", ","},                        // the selection holds the comma: replaced
        {"1,5", 1, 1, u",", "1,5"},
        {"1,5", 2, 1, u",", "1,5"},  // the comma outside the selection stays the only one
        {"1,5", 2, 1, u",9", "1,9"},
        {"1,5", 0, 3, u"2", "2"},
        {"1,5", 0, 3, std::u16string{8, ','}, ","},
        {"2,5", 1, 2, u",", "2,"},  // completion filled in ",5", selected: the typed comma replaces it
        {"2,5", 1, 2, u",5", "2,5"},
        {"2,5", 1, 2, u"7", "27"},
        {"15", 1, 0, u",", "1,5"},
    };
    for (const Handler& h : handlers) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(fieldName(h.field)) + ": '" + c.initial + "'");
            WiredCalculator rig;
            rig.fields.set(h.field, c.initial);
            rig.fields.select(h.field, c.selStart, c.selLength);
            rig.fields.type(h.field, c.keys, [&](char16_t& key) { (rig.calc.*h.keyPress)(key); });
            EXPECT_EQ(rig.fields.text(h.field), c.expected);
        }
        // Each handler looks at its own field only.
        WiredCalculator rig;
        for (const Handler& other : handlers) rig.fields.set(other.field, "1,5");
        rig.fields.set(h.field, "1");
        rig.fields.type(h.field, u',', [&](char16_t& key) { (rig.calc.*h.keyPress)(key); });
        EXPECT_EQ(rig.fields.text(h.field), "1,") << fieldName(h.field);
    }
}

TEST(PNGButton1Click, TransfersAndHighlightsThePowerField) {
    struct Case {
        const char* section;
        const char* length;
        bool transfers;
    };
    const Case cases[] = {
        {"2,5", "100", true}, {"0,08", "0", true}, {"00", "x", true},  // only emptiness is tested
        {"2,5", "", false},   {"", "100", false},  {"", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + " | " + c.length);
        WiredCalculator rig;
        rig.fields.set(IKesit, c.section);
        rig.fields.set(Iuzun, c.length);
        rig.fields.set(kesiti, "16");
        rig.fields.set(GDuzun, "50");
        rig.fields.set(GDakim, "3");
        rig.calc.PNGButton1Click();
        if (!c.transfers) {
            EXPECT_TRUE(rig.fields.changes().empty());
            EXPECT_EQ(rig.fields.text(GDakim), "3");
            continue;
        }
        EXPECT_EQ(rig.fields.text(kesiti), c.section);
        EXPECT_EQ(rig.fields.text(GDuzun), c.length);
        EXPECT_EQ(rig.fields.text(GDakim), "");
        EXPECT_EQ(rig.fields.color(GDakim), Color::yellow());
        // Emptying the power field resets its colour through the change event; yellow comes last.
        std::vector<Kind> powerChanges;
        for (const auto& change : rig.fields.changes()) {
            if (change.field == GDakim) powerChanges.push_back(change.kind);
        }
        EXPECT_EQ(powerChanges, (std::vector<Kind>{Kind::Clear, Kind::Color, Kind::Color}));
    }
}

TEST(PNGButton1Click, TransferFlowThroughTheVoltageDropTick) {
    WiredCalculator rig;
    rig.fields.set(IKesit, "2,5");
    rig.fields.set(Iuzun, "100");
    rig.fields.set(faztip, kMono);
    rig.fields.set(sonucu, kPrevious);
    rig.fields.set(label1, kPrevious);
    rig.calc.PNGButton1Click();
    rig.calc.Timer2Timer();
    EXPECT_EQ(rig.fields.text(sonucu), "");  // the power is missing
    EXPECT_EQ(rig.fields.text(label1), "");
    EXPECT_EQ(rig.fields.color(GDakim), Color::yellow());

    rig.fields.type(GDakim, u'3', [&](char16_t& key) { rig.calc.GDakimKeyPress(key); });
    EXPECT_EQ(rig.fields.color(GDakim), Color::window());
    rig.calc.Timer2Timer();
    EXPECT_EQ(rig.fields.text(sonucu), "% 8,9");  // 0.074 × 100 × 3 / 2.5 = 8.88
    EXPECT_EQ(rig.fields.text(label1), kInadequate);
}

TEST(GDakimChange, ResetsToTheSystemWindowColour) {
    WiredCalculator rig;
    rig.fields.setDefaultColor(GDakim, Color::yellow());
    rig.calc.GDakimChange();
    EXPECT_EQ(rig.fields.color(GDakim), Color::window());
    EXPECT_TRUE(rig.fields.color(GDakim).isSystem());
    EXPECT_FALSE(Color::yellow().isSystem());
    EXPECT_EQ(Color::yellow().red(), 255);
    EXPECT_EQ(Color::yellow().green(), 255);
    EXPECT_EQ(Color::yellow().blue(), 0);
}

TEST(Timer3Timer, HintFollowsSectionAndLength) {
    struct Case {
        const char* section;
        const char* length;
        const char* hint;
    };
    const Case cases[] = {
        {"0,08", "", "Kesit ve Uzunluğu Girmelisiniz.."},  // right after start-up
        {"", "100", "Kesit ve Uzunluğu Girmelisiniz.."},
        {"", "", "Kesit ve Uzunluğu Girmelisiniz.."},
        {"2,5", "100", "Gerilim Düşümüne Aktar.."},
        {"0", "0", "Gerilim Düşümüne Aktar.."},  // empty-like is not empty here
        {" ", ",", "Gerilim Düşümüne Aktar.."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + " | " + c.length);
        WiredCalculator rig;
        rig.fields.set(IKesit, c.section);
        rig.fields.set(Iuzun, c.length);
        rig.calc.Timer3Timer();
        EXPECT_EQ(rig.fields.hint(), c.hint);
        rig.calc.Timer3Timer();  // assigned on every tick
        EXPECT_EQ(rig.fields.changes().size(), 2u);
    }
}

}  // namespace
}  // namespace vireltan
