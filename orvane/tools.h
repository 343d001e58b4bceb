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

// Strings and text
#include "orvane/strings/abstract_parser.h"
#include "orvane/strings/css_cursor.h"
#include "orvane/strings/eval_value.h"
#include "orvane/strings/grep.h"
#include "orvane/strings/html_encode.h"
#include "orvane/strings/match.h"
#include "orvane/strings/toolbox.h"

#endif
