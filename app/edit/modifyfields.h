// The fields of the Modify forms by name, for edit scripts:
//   answer modify FIELD=VALUE ...
// Text fields take the batch edit forms ("R1++", "IN:=OUT", "***" keeps);
// switches take 1/0, on/off, yes/no or true/false; numbers are decimal
// (a text's direction in quarter turns 0..3, its anchor the keypad code).
//
//   line: name namedisp frame power style startarrow endarrow
//   part: partname reference value partnamedisp referencedisp valuedisp inverted
//   pin:  name number namedisp numberdisp type display clock dot length
//   text: text size anchor direction frame display print
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "sheet/batchedit.h"

using CModifyFields = std::vector<std::pair<std::string, std::string>>;

// A field as a dialog shows it: its value text, empty for a switch or a
// number where the items differ (a text field then reads "***").
struct CModifyFieldValue {
    enum Kind { Text, Switch, Number };
    std::string name;
    Kind kind = Text;
    std::string value;
};
std::vector<CModifyFieldValue> ModifyFieldValues(const CLineEditForm& form);
std::vector<CModifyFieldValue> ModifyFieldValues(const CPartEditForm& form);
std::vector<CModifyFieldValue> ModifyFieldValues(const CPinEditForm& form);
std::vector<CModifyFieldValue> ModifyFieldValues(const CTextEditForm& form);

// True when name is a field of any of the forms (checked when a script is read).
bool IsModifyField(const std::string& name);

// Writes the fields into the form; on a field the form does not have or a
// value it cannot take, returns false with what is wrong (the form may then
// be partly written and must not be used).
bool ApplyModifyFields(const CModifyFields& fields, CLineEditForm& form, std::string& error);
bool ApplyModifyFields(const CModifyFields& fields, CPartEditForm& form, std::string& error);
bool ApplyModifyFields(const CModifyFields& fields, CPinEditForm& form, std::string& error);
bool ApplyModifyFields(const CModifyFields& fields, CTextEditForm& form, std::string& error);
