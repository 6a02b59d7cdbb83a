#include "framework/stdctrls/TreeNode.h"

#include "framework/core/Exception.h"
#include "framework/stdctrls/TreeNodes.h"
#include "framework/stdctrls/TreeView.h"

#include <algorithm>

namespace fw {

TreeNode::TreeNode(TreeNodes& owner, TreeNode* parent, std::string text)
    : owner_(&owner), parent_(parent), text_(std::move(text)) {}

TreeNode::~TreeNode() = default;

TreeView& TreeNode::TreeViewControl() const { return owner_->Owner(); }

std::vector<std::unique_ptr<TreeNode>>& TreeNode::Siblings() const { return owner_->ChildrenOf(parent_); }

void TreeNode::SetText(const std::string& gbk) {
    if (gbk == text_) return;
    text_ = gbk;
    owner_->Owner().UpdateItem(this);
}

void TreeNode::SetImageIndex(int index) {
    if (index == imageIndex_) return;
    imageIndex_ = index;
    owner_->Owner().UpdateItem(this);
}

void TreeNode::SetSelectedIndex(int index) {
    if (index == selectedIndex_) return;
    selectedIndex_ = index;
    owner_->Owner().UpdateItem(this);
}

int TreeNode::Level() const {
    int level = 0;
    for (const TreeNode* p = parent_; p != nullptr; p = p->parent_) ++level;
    return level;
}

int TreeNode::Index() const {
    const auto& siblings = Siblings();
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return static_cast<int>(i);
    return -1;
}

int TreeNode::SubtreeCount() const {
    int n = 1;
    for (const auto& c : children_) n += c->SubtreeCount();
    return n;
}

int TreeNode::AbsoluteIndex() const {
    // Everything before this node: the parent's position and the line it starts, plus the
    // whole subtrees of the earlier siblings.
    int index = parent_ != nullptr ? parent_->AbsoluteIndex() + 1 : 0;
    for (const auto& s : Siblings()) {
        if (s.get() == this) break;
        index += s->SubtreeCount();
    }
    return index;
}

TreeNode* TreeNode::Item(int index) const {
    if (index < 0 || index >= Count()) throw Exception(Format("Tree node index %d out of range (%d children)", index, Count()));
    return children_[static_cast<size_t>(index)].get();
}

TreeNode* TreeNode::GetNextSibling() const {
    const auto& siblings = Siblings();
    const int i = Index();
    return i >= 0 && i + 1 < static_cast<int>(siblings.size()) ? siblings[static_cast<size_t>(i) + 1].get() : nullptr;
}

TreeNode* TreeNode::GetPrevSibling() const {
    const int i = Index();
    return i > 0 ? Siblings()[static_cast<size_t>(i) - 1].get() : nullptr;
}

TreeNode* TreeNode::GetNext() const {
    if (!children_.empty()) return children_.front().get();
    for (const TreeNode* n = this; n != nullptr; n = n->parent_)
        if (TreeNode* s = n->GetNextSibling()) return s;
    return nullptr;
}

TreeNode* TreeNode::GetPrev() const {
    TreeNode* prev = GetPrevSibling();
    if (prev == nullptr) return parent_;
    while (prev->HasChildren()) prev = prev->GetLastChild();
    return prev;
}

bool TreeNode::Contains(const TreeNode* node) const {
    for (const TreeNode* n = node; n != nullptr; n = n->parent_)
        if (n == this) return true;
    return false;
}

bool TreeNode::Expanded() const { return owner_->Owner().ItemExpanded(this); }

void TreeNode::SetExpanded(bool expanded) {
    if (expanded)
        Expand(false);
    else
        Collapse(false);
}

void TreeNode::Expand(bool recurse) {
    if (HasChildren()) {
        expanded_ = true;
        owner_->Owner().ExpandItem(this, TVE_EXPAND);
    }
    if (recurse)
        for (const auto& c : children_) c->Expand(true);
}

void TreeNode::Collapse(bool recurse) {
    expanded_ = false;
    owner_->Owner().ExpandItem(this, TVE_COLLAPSE);
    if (recurse)
        for (const auto& c : children_) c->Collapse(true);
}

bool TreeNode::Selected() const { return owner_->Owner().Selected() == this; }

void TreeNode::SetSelected(bool selected) {
    TreeView& view = owner_->Owner();
    if (selected)
        view.SetSelected(this);
    else if (view.Selected() == this)
        view.SetSelected(nullptr);
}

void TreeNode::Delete() { owner_->Delete(this); }

void TreeNode::DeleteChildren() {
    while (!children_.empty()) owner_->Delete(children_.back().get());
}

} // namespace fw
