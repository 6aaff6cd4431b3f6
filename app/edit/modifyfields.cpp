#include "app/edit/modifyfields.h"

#include <cstdlib>
#include <functional>

#include "base/codepage.h"

namespace {

bool ParseSwitch(const std::string& v, bool& out)
{
    if (v == "1" || v == "on" || v == "yes" || v == "true")
        return out = true, true;
    if (v == "0" || v == "off" || v == "no" || v == "false")
        return out = false, true;
    return false;
}

bool ParseInt(const std::string& v, int& out)
{
    if (v.empty())
        return false;
    char* end = nullptr;
    const long n = std::strtol(v.c_str(), &end, 10);
    if (*end != '\0' || n < -1000000L || n > 1000000L)
        return false;
    out = int(n);
    return true;
}

// One field of a form: how it takes a value text (false when it cannot)
// and how it shows its value (empty where the items differ).
template <class Form> struct Field {
    std::string name;
    CModifyFieldValue::Kind kind;
    std::function<bool(Form&, const std::string&)> set;
    std::function<std::string(const Form&)> get;
};

template <class Form> Field<Form> Text(const char* name, CString Form::*field)
{
    return {name, CModifyFieldValue::Text,
            [field](Form& f, const std::string& v) {
                f.*field = FromUtf8(v);
                return true;
            },
            [field](const Form& f) { return ToUtf8(f.*field); }};
}

template <class Form> Field<Form> Switch(const char* name, std::optional<bool> Form::*field)
{
    return {name, CModifyFieldValue::Switch,
            [field](Form& f, const std::string& v) {
                bool b = false;
                if (!ParseSwitch(v, b))
                    return false;
                f.*field = b;
                return true;
            },
            [field](const Form& f) {
                return (f.*field).has_value() ? std::string(*(f.*field) ? "1" : "0")
                                              : std::string();
            }};
}

// A number field, shown and taken as value / scale (a text's direction is
// kept in bits 8 and 9, written in quarter turns).
template <class Form, class T>
Field<Form> Int(const char* name, std::optional<T> Form::*field, int lo, int hi, int scale = 1)
{
    return {name, CModifyFieldValue::Number,
            [field, lo, hi, scale](Form& f, const std::string& v) {
                int n = 0;
                if (!ParseInt(v, n) || n < lo || n > hi)
                    return false;
                f.*field = T(n * scale);
                return true;
            },
            [field, scale](const Form& f) {
                return (f.*field).has_value() ? std::to_string(int(*(f.*field)) / scale)
                                              : std::string();
            }};
}

template <class Form> using Fields = std::vector<Field<Form>>;

const Fields<CLineEditForm>& LineFields()
{
    using F = CLineEditForm;
    static const Fields<F> s = {
        Text("name", &F::name),           Switch("namedisp", &F::nameDisp),
        Int("frame", &F::frame, 0, 14),   Switch("power", &F::powerWire),
        Int("style", &F::style, 0, 4),    Switch("startarrow", &F::startArrow),
        Switch("endarrow", &F::endArrow),
    };
    return s;
}

const Fields<CPartEditForm>& PartFields()
{
    using F = CPartEditForm;
    static const Fields<F> s = {
        Text("partname", &F::partName),
        Text("reference", &F::reference),
        Text("value", &F::value),
        Switch("partnamedisp", &F::partNameDisp),
        Switch("referencedisp", &F::referenceDisp),
        Switch("valuedisp", &F::valueDisp),
        Switch("inverted", &F::inverted),
    };
    return s;
}

const Fields<CPinEditForm>& PinFields()
{
    using F = CPinEditForm;
    static const Fields<F> s = {
        Text("name", &F::name),
        Text("number", &F::number),
        Switch("namedisp", &F::nameDisp),
        Switch("numberdisp", &F::numberDisp),
        Int("type", &F::typeListIndex, 0, 31),
        Switch("display", &F::display),
        Switch("clock", &F::clock),
        Switch("dot", &F::dot),
        Int("length", &F::length, 0, 100000),
    };
    return s;
}

const Fields<CTextEditForm>& TextFields()
{
    using F = CTextEditForm;
    static const Fields<F> s = {
        Text("text", &F::text),
        Int("size", &F::size, 1, 100000),
        Int("anchor", &F::anchor, 0, 127),
        Int("direction", &F::direction, 0, 3, 0x100),
        Int("frame", &F::frame, 0, 14),
        Switch("display", &F::display),
        Switch("print", &F::print),
    };
    return s;
}

template <class Form> const Field<Form>* Find(const Fields<Form>& fields, const std::string& name)
{
    for (const Field<Form>& f : fields)
        if (f.name == name)
            return &f;
    return nullptr;
}

template <class Form>
bool Apply(const Fields<Form>& fields, const char* kind, const CModifyFields& values, Form& form,
           std::string& error)
{
    for (const auto& [name, value] : values) {
        const Field<Form>* field = Find(fields, name);
        if (!field) {
            error = std::string("the ") + kind + " dialog has no field '" + name + "'";
            return false;
        }
        if (!field->set(form, value)) {
            error = "field " + name + " cannot take '" + value + "'";
            return false;
        }
    }
    return true;
}

template <class Form>
std::vector<CModifyFieldValue> Values(const Fields<Form>& fields, const Form& form)
{
    std::vector<CModifyFieldValue> out;
    for (const Field<Form>& f : fields)
        out.push_back({f.name, f.kind, f.get(form)});
    return out;
}

} // namespace

bool IsModifyField(const std::string& name)
{
    return Find(LineFields(), name) || Find(PartFields(), name) || Find(PinFields(), name) ||
           Find(TextFields(), name);
}

bool ApplyModifyFields(const CModifyFields& fields, CLineEditForm& form, std::string& error)
{
    return Apply(LineFields(), "line", fields, form, error);
}

bool ApplyModifyFields(const CModifyFields& fields, CPartEditForm& form, std::string& error)
{
    return Apply(PartFields(), "part", fields, form, error);
}

bool ApplyModifyFields(const CModifyFields& fields, CPinEditForm& form, std::string& error)
{
    return Apply(PinFields(), "pin", fields, form, error);
}

bool ApplyModifyFields(const CModifyFields& fields, CTextEditForm& form, std::string& error)
{
    return Apply(TextFields(), "text", fields, form, error);
}

std::vector<CModifyFieldValue> ModifyFieldValues(const CLineEditForm& form)
{
    return Values(LineFields(), form);
}

std::vector<CModifyFieldValue> ModifyFieldValues(const CPartEditForm& form)
{
    return Values(PartFields(), form);
}

std::vector<CModifyFieldValue> ModifyFieldValues(const CPinEditForm& form)
{
    return Values(PinFields(), form);
}

std::vector<CModifyFieldValue> ModifyFieldValues(const CTextEditForm& form)
{
    return Values(TextFields(), form);
}
