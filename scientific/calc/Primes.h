// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The number-theory tools of the scientific window: the shared primality
// test, factorization, Goldbach verification and the Mersenne search.
#pragma once

#include "Factorization.h"
#include "Goldbach.h"
#include "Mersenne.h"
#include "Primality.h"
