// The calculator window's handlers, free of any window system: they read and write the window's
// fields through CalculatorFields. The window wires its timers and control events to these members.
// Failures (EConvertError, EZeroDivide, EInvalidOp, EOverflow) end the handler and propagate to the
// caller, which shows the error report; a failing handler has changed nothing.
#pragma once

#include <string_view>

#include "app/CalculatorFields.h"

namespace vireltan {

// The key filter shared by the six numeric fields: digits, backspace and one comma pass, every
// other UTF-16 code unit is dropped (returned as 0). fieldText is the field's text before the key.
char16_t filterNumericKey(char16_t key, std::string_view fieldText);

class Calculator {
  public:
    explicit Calculator(CalculatorFields& fields) : fields_(fields) {}

    void Timer1Timer();  // 750 ms: the eight resistance results
    void Timer2Timer();  // 500 ms: the voltage drop and the verdict
    void Timer3Timer();  // 100 ms: the transfer button's hint

    void iletkencChange();   // material picked: preview picture and resistivity
    void PNGButton1Click();  // transfer cross-section and length into the voltage-drop panel
    void GDakimChange();     // the power field loses the transfer's highlight

    // The key-press events of the six numeric fields; key becomes 0 when the stroke is dropped.
    void IozdirencKeyPress(char16_t& key) { keyPress(CalcField::Iozdirenc, key); }
    void IuzunKeyPress(char16_t& key) { keyPress(CalcField::Iuzun, key); }
    void IKesitKeyPress(char16_t& key) { keyPress(CalcField::IKesit, key); }
    void kesitiKeyPress(char16_t& key) { keyPress(CalcField::kesiti, key); }
    void GDuzunKeyPress(char16_t& key) { keyPress(CalcField::GDuzun, key); }
    void GDakimKeyPress(char16_t& key) { keyPress(CalcField::GDakim, key); }

  private:
    void keyPress(CalcField field, char16_t& key);
    bool anyEmptyLike(CalcField a, CalcField b, CalcField c) const;
    double readDouble(CalcField field) const;
    void writeTrimmedNumber(CalcField field, double value);
    void writeThousandfold(CalcField from, CalcField to);

    CalculatorFields& fields_;
};

}  // namespace vireltan
