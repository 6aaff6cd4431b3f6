// Walks over the selected attribute texts of a sheet's items, for the sheet
// operations that act on what the user picked out.
#pragma once

// Calls f on every selected attribute text: those of named lines, of loose
// pins and of parts.  onPart runs after each part's texts.
template <class Lines, class Pins, class Parts, class F, class OnPart>
void ForEachSelectedAttr(Lines& lineLists, Pins& pins, Parts& parts, F f, OnPart onPart)
{
    const auto visit = [&f](auto& text) {
        if (text.IsTextSel())
            f(text);
    };
    for (auto* list : lineLists) {
        for (auto& line : *list) {
            if (line.GetName().IsEmpty())
                continue;
            visit(line.GetNameText());
            visit(line.GetCrossNameText());
        }
    }
    for (auto& pin : pins) {
        visit(pin.GetNameText());
        visit(pin.GetNoText());
    }
    for (auto& part : parts) {
        visit(part.GetPartNameText());
        visit(part.GetRefNameText());
        visit(part.GetValNameText());
        for (auto& text : part.Texts())
            visit(text);
        for (auto& pin : part.Pins()) {
            visit(pin.GetNameText());
            visit(pin.GetNoText());
        }
        onPart(part);
    }
}
