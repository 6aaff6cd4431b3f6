// The options and the account of the sheet clean-up passes.
#pragma once

struct CCleanUpOptions {
    bool cleanLine = true;  // merge collinear lines at all
    bool wireJunc = false;  // the wire merge keeps junction dots at wire ends
    bool over = false;      // the document clean-up removes items outside the sheet
    // The values of the "CleanSection" settings.
    static CCleanUpOptions FromSettings();
};

// What the passes did, for the people who want to know (vireo-cli tidy).
struct CCleanUpReport {
    int emptyItems = 0;       // zero-length lines, tiny arcs and empty texts removed
    int mergedWires = 0;      // wires absorbed into another wire
    int mergedBuses = 0;
    int mergedLines = 0;      // plain lines
    int cutBackLines = 0;     // line pairs whose overlap was cut back without a merge
    int keptForConnections = 0;  // merges and trims not made because they would change connections
    int pinTrims = 0;         // wires cut back to a pin's tip
    int pinTrimDeletions = 0; // wires that lay wholly on a pin and went
    int duplicates = 0;
    int outside = 0;          // items outside the sheet removed
};
