// The accessible names of the basic-calculation window's controls.
#pragma once

#include "Accessibility.h"

namespace numora {

AccessibleTable StandardAccessibility();

}  // namespace numora
