// The abstract base of the untyped collections.
//
// V_ArrayVoidPtr, V_ListVoidPtr, V_BagVoidPtr, V_SetVoidPtr and V_MapVoidPtr<K> derive from
// V_PCollection. Code that only walks a collection works through it: it asks for a cursor and
// steps the cursor, whatever the collection's kind.
//
//   void dumpAll(const V_PCollection& c) {
//       std::unique_ptr<V_PAbstractCursor> cursor(c.createCursor());  // the caller's to delete
//       for (cursor->first(); cursor->valid(); cursor->next()) use(cursor->current());
//   }
//
// Collections hold pointers and never delete what they point to.
#ifndef ORVANE_COLLECTIONS_COLLECTION_H
#define ORVANE_COLLECTIONS_COLLECTION_H

#include "orvane/base/export.h"

class V_PAbstractCursor;

// The abstract untyped collection: it hands out cursors.
class ORVANE_API V_PCollection {
public:
    V_PCollection();
    // The base holds nothing; the concrete collections copy their elements.
    V_PCollection(const V_PCollection& other);
    V_PCollection& operator=(const V_PCollection& other);
    virtual ~V_PCollection();

    // A new cursor over this collection, not yet positioned (not valid). The caller owns it and
    // deletes it through V_PAbstractCursor's virtual destructor.
    virtual V_PAbstractCursor* createCursor() const = 0;
};

#endif
