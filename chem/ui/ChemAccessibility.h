// The accessible names of the chemistry window's controls.
#pragma once

#include "Accessibility.h"

namespace numora {

AccessibleTable ChemAccessibility();

}  // namespace numora
