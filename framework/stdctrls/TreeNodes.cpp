#include "framework/stdctrls/TreeNodes.h"

#include "framework/core/Exception.h"
#include "framework/core/FlagScope.h"
#include "framework/stdctrls/TreeView.h"

#include <algorithm>

namespace fw {

TreeNodes::TreeNodes(TreeView& view) : view_(view) {}

// The window is gone by now (the tree view destroys it first), so nothing is mirrored.
TreeNodes::~TreeNodes() = default;

TreeNode* TreeNodes::Item(int index) const {
    if (index < 0 || index >= count_) throw Exception(Format("Tree node index %d out of range (%d nodes)", index, count_));
    TreeNode* n = GetFirstNode();
    for (int i = 0; i < index && n != nullptr; ++i) n = n->GetNext();
    return n;
}

TreeNode* TreeNodes::TopLevelItem(int index) const {
    if (index < 0 || index >= TopLevelCount())
        throw Exception(Format("Tree node index %d out of range (%d top-level nodes)", index, TopLevelCount()));
    return roots_[static_cast<size_t>(index)].get();
}

bool TreeNodes::Contains(const TreeNode* node) const {
    if (node == nullptr) return false;
    for (TreeNode* n = GetFirstNode(); n != nullptr; n = n->GetNext())
        if (n == node) return true;
    return false;
}

TreeNode* TreeNodes::NewNode(TreeNode* parent, const std::string& text) {
    if (parent != nullptr && !Contains(parent)) throw Exception("The node belongs to another tree");
    if (clearing_) throw Exception("Nodes cannot be added while the tree is being cleared");
    return new TreeNode(*this, parent, text);
}

TreeNode* TreeNodes::Place(std::unique_ptr<TreeNode> node, std::vector<std::unique_ptr<TreeNode>>& siblings, size_t position) {
    TreeNode* raw = node.get();
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(position), std::move(node));
    ++count_;
    try {
        view_.InsertItem(raw);
    } catch (...) {
        siblings.erase(std::find_if(siblings.begin(), siblings.end(), [raw](const auto& p) { return p.get() == raw; }));
        --count_;
        throw;
    }
    return raw;
}

TreeNode* TreeNodes::Add(TreeNode* sibling, const std::string& text) {
    if (sibling != nullptr && !Contains(sibling)) throw Exception("The node belongs to another tree");
    TreeNode* parent = sibling != nullptr ? sibling->Parent() : nullptr;
    std::unique_ptr<TreeNode> node(NewNode(parent, text));
    auto& siblings = ChildrenOf(parent);
    return Place(std::move(node), siblings, siblings.size());
}

TreeNode* TreeNodes::AddFirst(TreeNode* sibling, const std::string& text) {
    if (sibling != nullptr && !Contains(sibling)) throw Exception("The node belongs to another tree");
    TreeNode* parent = sibling != nullptr ? sibling->Parent() : nullptr;
    std::unique_ptr<TreeNode> node(NewNode(parent, text));
    return Place(std::move(node), ChildrenOf(parent), 0);
}

TreeNode* TreeNodes::AddChild(TreeNode* parent, const std::string& text) {
    std::unique_ptr<TreeNode> node(NewNode(parent, text));
    auto& siblings = ChildrenOf(parent);
    return Place(std::move(node), siblings, siblings.size());
}

TreeNode* TreeNodes::AddChildFirst(TreeNode* parent, const std::string& text) {
    std::unique_ptr<TreeNode> node(NewNode(parent, text));
    return Place(std::move(node), ChildrenOf(parent), 0);
}

TreeNode* TreeNodes::Insert(TreeNode* before, const std::string& text) {
    if (before == nullptr) return Add(nullptr, text);
    if (!Contains(before)) throw Exception("The node belongs to another tree");
    TreeNode* parent = before->Parent();
    std::unique_ptr<TreeNode> node(NewNode(parent, text));
    return Place(std::move(node), ChildrenOf(parent), static_cast<size_t>(before->Index()));
}

void TreeNodes::Delete(TreeNode* node) {
    if (!Contains(node)) throw Exception("The node belongs to another tree");
    view_.RemovingNode(node);
    // Handlers that ran meanwhile may have removed it already.
    if (!Contains(node)) return;
    const int removed = node->SubtreeCount();
    auto& siblings = ChildrenOf(node->Parent());
    const auto it = std::find_if(siblings.begin(), siblings.end(), [node](const auto& p) { return p.get() == node; });
    std::unique_ptr<TreeNode> gone = std::move(*it);
    siblings.erase(it);
    count_ -= removed;
}

void TreeNodes::Clear() {
    if (roots_.empty()) return;
    FlagScope clearing(clearing_);
    view_.RemovingAll();
    roots_.clear();
    count_ = 0;
}

void TreeNodes::BeginUpdate() {
    if (updateCount_++ == 0) view_.SetRedraw(false);
}

void TreeNodes::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0) view_.SetRedraw(true);
}

} // namespace fw
