#include "orvane/collections/collection.h"

V_PCollection::V_PCollection() = default;
V_PCollection::V_PCollection(const V_PCollection&) = default;
V_PCollection& V_PCollection::operator=(const V_PCollection&) = default;
V_PCollection::~V_PCollection() = default;
