// The one export macro of the library.
//
// The library is built with hidden visibility; every class and function that callers may use is
// marked ORVANE_API. Static builds define ORVANE_TOOLS_STATIC, where the marking is harmless.
#ifndef ORVANE_BASE_EXPORT_H
#define ORVANE_BASE_EXPORT_H

// Marks a class or function as part of the library's interface.
#define ORVANE_API __attribute__((visibility("default")))

#endif
