// The umbrella header: every public header of the library.
//
//   #include <orvane/tools.h>
#ifndef ORVANE_TOOLS_H
#define ORVANE_TOOLS_H

// Platform base
#include "orvane/base/appl_init_exit.h"
#include "orvane/base/archive.h"
#include "orvane/base/c_complex.h"
#include "orvane/base/char_class.h"
#include "orvane/base/di_manager.h"
#include "orvane/base/dump_stream.h"
#include "orvane/base/exception.h"
#include "orvane/base/export.h"
#include "orvane/base/identifiers.h"
#include "orvane/base/registry_key.h"
#include "orvane/base/symbol.h"
#include "orvane/base/v_string.h"

// Numerics
#include "orvane/math/complex_number.h"
#include "orvane/math/cubic_polynom.h"
#include "orvane/math/equation_solvers.h"
#include "orvane/math/interval.h"
#include "orvane/math/math_exception.h"
#include "orvane/math/poly_functions.h"
#include "orvane/math/polynom.h"
#include "orvane/math/quadratic_polynom.h"
#include "orvane/math/simple_range.h"
#include "orvane/math/tolerances.h"

// Strings and text
#include "orvane/strings/eval_value.h"
#include "orvane/strings/toolbox.h"

#endif
