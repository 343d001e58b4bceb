// Identifiers of projects, documents and windows, as other modules of the application hand them
// around.
//
// The library passes these through its application signals and never looks inside. Each is a
// small value type: default-constructible (the value 0, "none"), copyable and comparable.
//
//   VIDCO_DocumentID doc;
//   doc.value = 17;                               // whatever the owning module uses
//   VIDCO_DocumentID copy = doc;                  // copy == doc
#ifndef ORVANE_BASE_IDENTIFIERS_H
#define ORVANE_BASE_IDENTIFIERS_H

struct VIDCO_ProjectID {
    unsigned long value = 0;
    bool operator==(const VIDCO_ProjectID& other) const { return value == other.value; }
    bool operator!=(const VIDCO_ProjectID& other) const { return value != other.value; }
};

struct VIDCO_DocumentID {
    unsigned long value = 0;
    bool operator==(const VIDCO_DocumentID& other) const { return value == other.value; }
    bool operator!=(const VIDCO_DocumentID& other) const { return value != other.value; }
};

struct VGLUE_GsGuiWinHandle {
    unsigned long value = 0;
    bool operator==(const VGLUE_GsGuiWinHandle& other) const { return value == other.value; }
    bool operator!=(const VGLUE_GsGuiWinHandle& other) const { return value != other.value; }
};

#endif
