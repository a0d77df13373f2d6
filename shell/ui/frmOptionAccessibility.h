// The accessible names of the Options window's controls.
#pragma once

#include "Accessibility.h"

namespace numora {

AccessibleTable OptionAccessibility();

}  // namespace numora
