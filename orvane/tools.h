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

// Pointer collections
#include "orvane/collections/array_void_ptr.h"
#include "orvane/collections/bag_void_ptr.h"
#include "orvane/collections/collection.h"
#include "orvane/collections/collection_exceptions.h"
#include "orvane/collections/collection_limits.h"
#include "orvane/collections/cursor/abstract_cursor.h"
#include "orvane/collections/cursor/cursor_steps.h"
#include "orvane/collections/cursor/null_cursor.h"
#include "orvane/collections/cursor/position_holders.h"
#include "orvane/collections/cursor/store_cursor.h"
#include "orvane/collections/list_void_ptr.h"
#include "orvane/collections/ole_smart_array_exception.h"
#include "orvane/collections/set_void_ptr.h"
#include "orvane/collections/sorted_merge.h"
#include "orvane/collections/typed/array.h"
#include "orvane/collections/typed/collection.h"
#include "orvane/collections/typed/list_ptr.h"
#include "orvane/collections/typed/map_void_ptr.h"

// Numerics
#include "orvane/math/complex_number.h"
#include "orvane/math/cubic_polynom.h"
#include "orvane/math/equation_solvers.h"
#include "orvane/math/integration.h"
#include "orvane/math/interval.h"
#include "orvane/math/math_exception.h"
#include "orvane/math/matrix.h"
#include "orvane/math/poly_functions.h"
#include "orvane/math/polynom.h"
#include "orvane/math/quadratic_polynom.h"
#include "orvane/math/root_finding.h"
#include "orvane/math/simple_range.h"
#include "orvane/math/tolerances.h"

// Strings and text
#include "orvane/strings/abstract_parser.h"
#include "orvane/strings/css_cursor.h"
#include "orvane/strings/eval_value.h"
#include "orvane/strings/grep.h"
#include "orvane/strings/html_encode.h"
#include "orvane/strings/match.h"
#include "orvane/strings/toolbox.h"

// Units and document formats
#include "orvane/units/abstract_representation.h"
#include "orvane/units/angle_representations.h"
#include "orvane/units/area_representations.h"
#include "orvane/units/doc_format.h"
#include "orvane/units/feet_inch_representation.h"
#include "orvane/units/length_representations.h"
#include "orvane/units/scalar.h"
#include "orvane/units/unit.h"
#include "orvane/units/volume_representations.h"

// Events and signals
#include "orvane/events/named_event.h"
#include "orvane/events/signal.h"

#endif
