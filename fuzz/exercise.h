// What an editor does with a sheet it has just read: every item is moved,
// turned and mirrored once, about points anywhere in the coordinate range,
// and its rectangles are computed.  Values a reader lets in must leave room
// for this much arithmetic; the sanitizers report any overflow.
#pragma once

#include "items/geometry.h"
#include "net/netbuild.h"
#include "sheet/sheet.h"

template <class T> void ExerciseItem(const T& item)
{
    const CPoint centres[] = {CPoint(kMaxCoord, -kMaxCoord), CPoint(-kMaxCoord, kMaxCoord),
                              CPoint(0, 0)};
    for (const CPoint& c : centres) {
        for (int dir = 0; dir < 2; ++dir) {
            T turned = item;
            turned.Rotate(c, dir);
            turned.GetBoundingRect();
        }
        T mirrored = item;
        mirrored.MirrorX(c);
        mirrored.GetBoundingRect();
        mirrored = item;
        mirrored.MirrorY(c);
        mirrored.GetBoundingRect();
        T moved = item;
        moved.Offset(c);
        moved.GetBoundingRect();
    }
}

inline void ExerciseSheet(const CSheet& sheet)
{
    for (const CLine& x : sheet.Wires())
        ExerciseItem(x);
    for (const CLine& x : sheet.Buses())
        ExerciseItem(x);
    for (const CLine& x : sheet.Lines())
        ExerciseItem(x);
    for (const CJunc& x : sheet.Juncs())
        ExerciseItem(x);
    for (const CPin& x : sheet.Pins())
        ExerciseItem(x);
    for (const CArc& x : sheet.Arcs())
        ExerciseItem(x);
    for (const CPart& x : sheet.Parts()) {
        ExerciseItem(x);
        CPart copy = x;
        copy.CalcBoundRect(1);
    }
    for (const CText& x : sheet.Texts()) {
        for (int dir = 0; dir < 2; ++dir) {
            CText turned = x;
            turned.RotateA(CPoint(kMaxCoord, kMaxCoord), dir);
        }
        CText mirrored = x;
        mirrored.MirrorX(CPoint(-kMaxCoord, 0), 1);
        mirrored.MirrorY(CPoint(0, kMaxCoord), 1);
        mirrored.GetBoundingRect();
        CText moved = x;
        moved.Offset(CPoint(kMaxCoord, -kMaxCoord));
        moved.GetBoundingRect();
    }
    // Its nets and their rule check with its detail texts.
    CItemList<CNet> nets;
    BuildNets({{"fuzz.dcd", 1, &sheet}}, nets);
    for (const CNet& net : nets) {
        const int codes = net.CheckPinDRC();
        for (int i = 0; i < CNet::kDrcCodeCount; ++i) {
            unsigned code = 1u << i;
            if (codes & int(code))
                net.MakeString(-1, code);
        }
    }
}
