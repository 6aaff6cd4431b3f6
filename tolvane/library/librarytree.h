// The browser's tree of libraries, packages and gates as plain data: the
// window shows these nodes as they are (text, item data, image number).
//
//     library    "name.ext <full path>", data 0, image 0 closed / 1 open;
//                until it is read, one placeholder child holding the path
//     package    its name, data 1, image 4 (5 when its first gate is named)
//     gate       only under packages of two or more gates:
//                the reference text, data i*16+2, image 3 when bit 1 of the
//                attribute word is set, else 2; or the gate name, data
//                i*16+1, image 4 (i = gate number from 1)
#pragma once

#include <vector>

#include "base/string.h"
#include "library/libraryindex.h"

struct CLibTreeNode {
    enum Kind { Library, Placeholder, Package, Gate };
    Kind kind = Library;
    CString text;
    int data = 0;
    int image = 0;
    CString path;  // library and placeholder nodes: the library's path
    std::vector<CLibTreeNode> children;

    // Gate nodes: the gate number (data / 16).
    int GateNumber() const { return data / 16; }
};

namespace libtree {

// A library node with its placeholder child.
CLibTreeNode LibraryNode(const CString& path);
// True while the library has not been read (its first child is the placeholder).
bool IsUnread(const CLibTreeNode& library);
// Replaces the placeholder by the packages and gates of the listing.
void Fill(CLibTreeNode& library, const std::vector<CLibIndexEntry>& entries);
// The open / closed image of a library node.
void SetExpanded(CLibTreeNode& library, bool expanded);
// After a gate was deleted: removes its node, renumbers the others, and
// turns a package left with one gate into a plain package.
void RemoveGate(CLibTreeNode& package, int gate);
// The package node of a name, or null.
CLibTreeNode* FindPackage(CLibTreeNode& library, const CString& name);

}  // namespace libtree
