// The classes the calculator window's design names, bound to the controls that implement them.
#pragma once

#include "app/win/WindowBuilder.h"

namespace vireltan {

ClassRegistry calculatorControlClasses();

}  // namespace vireltan
