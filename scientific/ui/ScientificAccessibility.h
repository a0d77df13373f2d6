// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The accessible names of the scientific window's controls.
#pragma once

#include "Accessibility.h"

namespace numora {

AccessibleTable ScientificAccessibility();

}  // namespace numora
