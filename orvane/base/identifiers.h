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

// A project, as the project module identifies it.
struct VIDCO_ProjectID {
    unsigned long value = 0;  // the owning module's number; 0 for none
    // Identifiers are equal when their values are.
    bool operator==(const VIDCO_ProjectID& other) const { return value == other.value; }
    bool operator!=(const VIDCO_ProjectID& other) const { return value != other.value; }
};

// A document of a project, as the document module identifies it.
struct VIDCO_DocumentID {
    unsigned long value = 0;  // the owning module's number; 0 for none
    // Identifiers are equal when their values are.
    bool operator==(const VIDCO_DocumentID& other) const { return value == other.value; }
    bool operator!=(const VIDCO_DocumentID& other) const { return value != other.value; }
};

// A view window, as the user-interface module identifies it.
struct VGLUE_GsGuiWinHandle {
    unsigned long value = 0;  // the owning module's number; 0 for none
    // Handles are equal when their values are.
    bool operator==(const VGLUE_GsGuiWinHandle& other) const { return value == other.value; }
    bool operator!=(const VGLUE_GsGuiWinHandle& other) const { return value != other.value; }
};

#endif
