// The accessible names of the scientific window's controls.
#pragma once

#include "Accessibility.h"

namespace numora {

AccessibleTable ScientificAccessibility();

}  // namespace numora
