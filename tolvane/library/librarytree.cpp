#include "library/librarytree.h"

namespace libtree {

namespace {

CLibTreeNode GateNode(const CLibIndexEntry& e, int number)
{
    CLibTreeNode node;
    node.kind = CLibTreeNode::Gate;
    if (!e.reference.IsEmpty()) {
        node.text = e.reference;
        node.data = number * 16 + 2;
        node.image = (e.attr & 2) ? 3 : 2;
    } else {
        node.text = e.gateName;
        node.data = number * 16 + 1;
        node.image = 4;
    }
    return node;
}

}  // namespace

CLibTreeNode LibraryNode(const CString& path)
{
    // "%s%s <%s>": file name, extension, full path.
    int slash = -1;
    for (int i = 0; i < path.GetLength(); i += path.CharLengthAt(i))
        if (path[i] == '/' || path[i] == '\\')
            slash = i;
    CLibTreeNode node;
    node.kind = CLibTreeNode::Library;
    node.text = path.Mid(slash + 1) + " <" + path + ">";
    node.path = path;
    CLibTreeNode placeholder;
    placeholder.kind = CLibTreeNode::Placeholder;
    placeholder.text = path;
    placeholder.path = path;
    node.children.push_back(placeholder);
    return node;
}

bool IsUnread(const CLibTreeNode& library)
{
    return !library.children.empty() && library.children.front().kind == CLibTreeNode::Placeholder;
}

void Fill(CLibTreeNode& library, const std::vector<CLibIndexEntry>& entries)
{
    library.children.clear();
    int gate = 0;
    for (const CLibIndexEntry& e : entries) {
        if (library.children.empty() || !(library.children.back().text == e.package)) {
            CLibTreeNode package;
            package.kind = CLibTreeNode::Package;
            package.text = e.package;
            package.data = 1;
            package.image = e.gateCount > 1 && e.reference.IsEmpty() ? 5 : 4;
            library.children.push_back(package);
            gate = 0;
        }
        if (e.gateCount > 1)
            library.children.back().children.push_back(GateNode(e, ++gate));
    }
}

void SetExpanded(CLibTreeNode& library, bool expanded)
{
    library.image = expanded ? 1 : 0;
}

void RemoveGate(CLibTreeNode& package, int gate)
{
    std::vector<CLibTreeNode>& gates = package.children;
    for (size_t i = 0; i < gates.size(); ++i) {
        if (gates[i].GateNumber() == gate) {
            gates.erase(gates.begin() + long(i));
            break;
        }
    }
    if (gates.size() <= 1) {
        gates.clear();
        package.image = 4;
        return;
    }
    for (size_t i = 0; i < gates.size(); ++i)
        gates[i].data = int(i + 1) * 16 + (gates[i].data & 15);
}

CLibTreeNode* FindPackage(CLibTreeNode& library, const CString& name)
{
    for (CLibTreeNode& node : library.children)
        if (node.kind == CLibTreeNode::Package && node.text.CompareNoCase(name) == 0)
            return &node;
    return nullptr;
}

}  // namespace libtree
