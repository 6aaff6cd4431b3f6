// Modify (E): the selected items through their dialogs - one item as
// itself, several of one kind at once as a template whose changed fields
// are written into every item (with numbering by the name forms).
#pragma once

class CEditEngine;

// The kind code (kind:: of the sheet) Modify edits the selection as:
// junctions picked up with wires do not count; kind::kMixed when the
// selection is empty, only arcs, or of several kinds.
class CSheet;
int ModifyKind(const CSheet& selection);

// Runs Modify on the selection; true when items changed (one undo step).
bool ModifySelection(CEditEngine& engine);

// Shift+E: the one selected pin, text or named line goes back and the next
// item of its kind (in the order the batch edit numbers them) is selected and
// modified, so that items are edited one after the other; false with a
// notice when there is none.
bool ModifyNext(CEditEngine& engine);
