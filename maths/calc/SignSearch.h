// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The zeros and extrema of a function that has no closed form (a typed
// function, the difference of two graphs), from the function itself:
//
// - zeros where its sign changes, the sign told only where the value lies
//   beyond its rounding error (a value that underflowed or cancelled to 0
//   is no zero), narrowed by bisection down to neighbouring doubles; a sign
//   change whose values grow as the bracket shrinks is a pole or a jump,
//   not a zero;
// - a multiple zero, whose sign cannot be told over a stretch of many
//   doubles, refined as the simple zero of its second or fourth derivative;
// - extrema where the sign of the derivative changes, and among them the
//   zeros that touch the axis;
// - a function that cannot be told from 0 anywhere is said to be so, once.
//
// The finders of Boost.Math were weighed for the narrowing: toms748_solve
// would take fewer steps on smooth brackets, but the scan costs far more
// than the at most 64 bisection steps per zero, and the bisection here
// needs the three-valued sign and the pole test at every step;
// brent_find_minima locates a minimum only to about half the digits, where
// the derivative's sign change gives all of them.
#pragma once

#include <cstddef>
#include <vector>

#include "CurveMath.h"
#include "PlotCurve.h"

namespace numora::maths {

struct SignSearch {
    struct Extremum {
        double x;
        bool maximum;
    };
    std::vector<double> zeros;  // sorted
    std::vector<Extremum> extrema;
    // The function cannot be told from 0 at any point of the range.
    bool zeroEverywhere = false;
    // More than `cap` zeros or extrema: those are left out.
    bool tooMany = false;
};

// A function's values (with their rounding bounds) and slopes at the scan's
// samples: `scan` equal steps across [x0, x1] and one step beyond each end,
// so that a zero on an end is seen. Taken once for a graph, they serve each
// pair it belongs to.
struct Samples {
    std::vector<double> x;
    std::vector<Bounded> value;
    std::vector<long double> slope;
};
Samples SampleSigns(const Curve& f, double x0, double x1, std::size_t scan);

// Searches f − g (g may be null: f alone) on [x0, x1], from the samples of
// each (SampleSigns with the same range and scan). Extrema are searched only
// when `extrema` is set; touching zeros are found either way.
SignSearch SearchSigns(const Curve& f, const Samples& fs, const Curve* g, const Samples* gs, double x0, double x1,
                       std::size_t cap, bool extrema = true);

}  // namespace numora::maths
