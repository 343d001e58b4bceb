// The C runtime's pair of doubles for a complex number, as the complex helpers take it.
//
//   _complex z{3.0, 4.0};   // 3 + 4i: x is the real part, y the imaginary part
#ifndef ORVANE_BASE_C_COMPLEX_H
#define ORVANE_BASE_C_COMPLEX_H

// A complex number as two doubles; the library's complex helpers take and give it.
struct _complex {
    double x;  // real part
    double y;  // imaginary part
};

#endif
