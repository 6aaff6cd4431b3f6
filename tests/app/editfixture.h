// A document with the editing engine on it, driven by script text, for the
// engine's tests.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/edit/editengine.h"
#include "app/edit/editscript.h"
#include "app/vireodoc.h"
#include "base/archive.h"
#include "sheet/schematicfile.h"

class CEditFixture {
public:
    CEditFixture()
    {
        doc.Header() = CSchematicFile::NewDocumentHeader(2); // A4: 11693 x 8268
        engine = std::make_unique<CEditEngine>(doc, host);
    }

    // Runs script lines; a malformed line fails the test.
    void Run(const std::string& script)
    {
        std::vector<CScriptEvent> events;
        int line = 0;
        std::string error;
        ASSERT_TRUE(ParseEditScript(script, events, line, error)) << line << ": " << error;
        RunEditScript(*engine, events, answers);
    }

    CSheet& Main() { return doc.MainSheet(); }
    CSheet& Sel() { return doc.SelectionSheet(); }

    // Every item of a sheet as its text record, sorted: two sheets with the
    // same items in any order give the same list.
    static std::vector<std::string> Items(const CSheet& sheet)
    {
        std::vector<std::string> items;
        auto add = [&](const CItemRef& item) {
            CSheet one;
            one.AddItem(item);
            CArchive ar;
            one.SerializeText(ar);
            items.emplace_back(ar.Bytes().begin(), ar.Bytes().end());
        };
        for (const CLine& x : sheet.Wires())
            add(x);
        for (const CLine& x : sheet.Buses())
            add(x);
        for (const CLine& x : sheet.Lines())
            add(x);
        for (const CJunc& x : sheet.Juncs())
            add(x);
        for (const CPin& x : sheet.Pins())
            add(x);
        for (const CText& x : sheet.Texts())
            add(x);
        for (const CArc& x : sheet.Arcs())
            add(x);
        for (const CPart& x : sheet.Parts())
            add(x);
        std::sort(items.begin(), items.end());
        return items;
    }

    CVIREODoc doc;
    CScriptAnswers answers;
    CScriptEditHost host{answers};
    std::unique_ptr<CEditEngine> engine;
};
