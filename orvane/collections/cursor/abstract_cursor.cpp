#include "orvane/collections/cursor/abstract_cursor.h"

V_PAbstractCursor::V_PAbstractCursor() = default;
V_PAbstractCursor::V_PAbstractCursor(const V_PAbstractCursor&) = default;
V_PAbstractCursor::~V_PAbstractCursor() = default;
