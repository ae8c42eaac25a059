#include "app/win/CalculatorWindow.h"

#include "app/win/ControlClasses.h"
#include "gui/Application.h"

namespace vireltan {

TiletkenRhesap::TiletkenRhesap(TComponent* owner, HINSTANCE instance)
    : TForm(owner), instance_(instance), classes_(calculatorControlClasses()) {
    const WindowDesign& window = calculatorWindowProperties();
    setName(std::string(window.name));
    setCaption(std::string(window.caption));
    setWindowClassName(L"TiletkenRhesap");
    setBorderStyle(TFormBorderStyle::bsSingle);
    setBorderIcons(biSystemMenu | biMinimize);
    setPosition(TPosition::poScreenCenter);
    setColor(clBtnFace);
    font().assign(fontFor(FontKind::Inherited));
    setBounds(0, 0, window.outerWidth, window.outerHeight);

    skipped_ = buildComponents(*this, calculatorWindowDesign(), classes_, handlers(), instance_).skipped;
    // The handlers run only from events, and no event reaches them before the components exist.
    fields_ = std::make_unique<WindowFields>(*this, classes_, instance_);
    calculator_ = std::make_unique<Calculator>(*fields_);
    Timer1 = component<TTimer>("Timer1");
    Timer2 = component<TTimer>("Timer2");
    Timer3 = component<TTimer>("Timer3");

    OnShow = [this] { FormShow(); };
    OnCreate = [this] { FormCreate(); };
    DoCreate();
}

TiletkenRhesap::~TiletkenRhesap() {
    // The controls' events call into the fields; they go before the fields do.
    destroyComponents();
}

EventHandlers TiletkenRhesap::handlers() {
    EventHandlers h;
    auto keyFilter = [this](void (Calculator::*handler)(char16_t&)) {
        return [this, handler](wchar_t& key) {
            char16_t typed = static_cast<char16_t>(key);
            ((*calculator_).*handler)(typed);
            key = static_cast<wchar_t>(typed);
        };
    };
    // The ticks rewrite the same results again and again; each field hears only its final text.
    auto tick = [this](void (Calculator::*handler)()) {
        return [this, handler] {
            const WindowFields::Batch batch(*fields_);
            ((*calculator_).*handler)();
        };
    };
    h.notify["Timer1Timer"] = tick(&Calculator::Timer1Timer);
    h.notify["Timer2Timer"] = tick(&Calculator::Timer2Timer);
    h.notify["Timer3Timer"] = tick(&Calculator::Timer3Timer);
    h.notify["iletkencChange"] = [this] { calculator_->iletkencChange(); };
    h.notify["PNGButton1Click"] = [this] { calculator_->PNGButton1Click(); };
    h.notify["GDakimChange"] = [this] { calculator_->GDakimChange(); };
    h.keyPress["IozdirencKeyPress"] = keyFilter(&Calculator::IozdirencKeyPress);
    h.keyPress["IuzunKeyPress"] = keyFilter(&Calculator::IuzunKeyPress);
    h.keyPress["IKesitKeyPress"] = keyFilter(&Calculator::IKesitKeyPress);
    h.keyPress["kesitiKeyPress"] = keyFilter(&Calculator::kesitiKeyPress);
    h.keyPress["GDuzunKeyPress"] = keyFilter(&Calculator::GDuzunKeyPress);
    h.keyPress["GDakimKeyPress"] = keyFilter(&Calculator::GDakimKeyPress);
    return h;
}

void TiletkenRhesap::FormCreate() {
    setCaption(kWindowCaption);
    if (TControl* credit = component<TControl>("ad")) credit->setText(kCreditLine);
    Application().setTitle(caption());
    fields_->clear(CalcField::Iuzun);
    fields_->clear(CalcField::GDuzun);
    fields_->clear(CalcField::GDakim);
    for (CalcField result : {CalcField::GEdit, CalcField::MEdit, CalcField::KEdit, CalcField::OEdit,
                             CalcField::PEdit, CalcField::Nedit, CalcField::MiEdit, CalcField::MeEdit})
        fields_->clear(result);
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    fields_->setText(CalcField::kesiti, "");
}

void TiletkenRhesap::FormShow() {
    Timer1->setEnabled(true);
    Timer2->setEnabled(true);
}

void TiletkenRhesap::handleCreated() {
    TForm::handleCreated();
    // Shared icons belong to the system's cache; nothing to free.
    const auto load = [this](int size) {
        return reinterpret_cast<LPARAM>(
            LoadImageW(instance_, L"MAINICON", IMAGE_ICON, size, size, LR_SHARED));
    };
    SendMessageW(handle(), WM_SETICON, ICON_BIG, load(GetSystemMetrics(SM_CXICON)));
    SendMessageW(handle(), WM_SETICON, ICON_SMALL, load(GetSystemMetrics(SM_CXSMICON)));
}

}  // namespace vireltan
