#include "app/edit/modifyfields.h"

#include <cstdlib>
#include <functional>
#include <map>

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

// One form's fields: each setter takes the value text and returns false when
// it cannot take it.
template <class Form>
using Setters = std::map<std::string, std::function<bool(Form&, const std::string&)>>;

template <class Form> auto Text(CString Form::*field)
{
    return [field](Form& f, const std::string& v) {
        f.*field = FromUtf8(v);
        return true;
    };
}

template <class Form> auto Switch(std::optional<bool> Form::*field)
{
    return [field](Form& f, const std::string& v) {
        bool b = false;
        if (!ParseSwitch(v, b))
            return false;
        f.*field = b;
        return true;
    };
}

template <class Form, class T> auto Int(std::optional<T> Form::*field, int lo, int hi)
{
    return [field, lo, hi](Form& f, const std::string& v) {
        int n = 0;
        if (!ParseInt(v, n) || n < lo || n > hi)
            return false;
        f.*field = T(n);
        return true;
    };
}

const Setters<CLineEditForm>& LineFields()
{
    using F = CLineEditForm;
    static const Setters<F> s = {
        {"name", Text(&F::name)},           {"namedisp", Switch(&F::nameDisp)},
        {"frame", Int(&F::frame, 0, 14)},   {"power", Switch(&F::powerWire)},
        {"style", Int(&F::style, 0, 4)},    {"startarrow", Switch(&F::startArrow)},
        {"endarrow", Switch(&F::endArrow)},
    };
    return s;
}

const Setters<CPartEditForm>& PartFields()
{
    using F = CPartEditForm;
    static const Setters<F> s = {
        {"partname", Text(&F::partName)},
        {"reference", Text(&F::reference)},
        {"value", Text(&F::value)},
        {"partnamedisp", Switch(&F::partNameDisp)},
        {"referencedisp", Switch(&F::referenceDisp)},
        {"valuedisp", Switch(&F::valueDisp)},
        {"inverted", Switch(&F::inverted)},
    };
    return s;
}

const Setters<CPinEditForm>& PinFields()
{
    using F = CPinEditForm;
    static const Setters<F> s = {
        {"name", Text(&F::name)},
        {"number", Text(&F::number)},
        {"namedisp", Switch(&F::nameDisp)},
        {"numberdisp", Switch(&F::numberDisp)},
        {"type", Int(&F::typeListIndex, 0, 31)},
        {"display", Switch(&F::display)},
        {"clock", Switch(&F::clock)},
        {"dot", Switch(&F::dot)},
        {"length", Int(&F::length, 0, 100000)},
    };
    return s;
}

const Setters<CTextEditForm>& TextFields()
{
    using F = CTextEditForm;
    static const Setters<F> s = {
        {"text", Text(&F::text)},
        {"size", Int(&F::size, 1, 100000)},
        {"anchor", Int(&F::anchor, 0, 127)},
        {"direction",
         [](F& f, const std::string& v) {
             int n = 0;
             if (!ParseInt(v, n) || n < 0 || n > 3)
                 return false;
             f.direction = uint32_t(n) << 8; // quarter turns
             return true;
         }},
        {"frame", Int(&F::frame, 0, 14)},
        {"display", Switch(&F::display)},
        {"print", Switch(&F::print)},
    };
    return s;
}

template <class Form>
bool Apply(const Setters<Form>& setters, const char* kind, const CModifyFields& fields, Form& form,
           std::string& error)
{
    for (const auto& [name, value] : fields) {
        const auto it = setters.find(name);
        if (it == setters.end()) {
            error = std::string("the ") + kind + " dialog has no field '" + name + "'";
            return false;
        }
        if (!it->second(form, value)) {
            error = "field " + name + " cannot take '" + value + "'";
            return false;
        }
    }
    return true;
}

} // namespace

bool IsModifyField(const std::string& name)
{
    return LineFields().count(name) || PartFields().count(name) || PinFields().count(name) ||
           TextFields().count(name);
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
