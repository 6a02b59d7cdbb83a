#pragma once
// One node of a tree view: caption (GBK), image index and selected-image index, its children
// in order. Level is the depth (0 for a top-level node); AbsoluteIndex is the node's position
// in a pre-order walk of the whole tree (a first child right after its parent, any other node
// right after the whole subtree of its previous sibling), counted from 0.
//
// Nodes are made and destroyed by the tree's node store (TreeNodes); changes to a node go
// straight to the tree view's window when it has one.

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

namespace fw {

class TreeNodes;
class TreeView;

class TreeNode {
public:
    TreeNode(const TreeNode&) = delete;
    TreeNode& operator=(const TreeNode&) = delete;
    ~TreeNode();

    TreeNodes& Owner() const { return *owner_; }
    TreeView& TreeViewControl() const;

    const std::string& Text() const { return text_; }
    void SetText(const std::string& gbk);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);
    // Free for the program's use.
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }

    TreeNode* Parent() const { return parent_; }
    int Level() const;
    // Position among its siblings.
    int Index() const;
    int AbsoluteIndex() const;

    // Children.
    int Count() const { return static_cast<int>(children_.size()); }
    bool HasChildren() const { return !children_.empty(); }
    // Child `index`; raises fw::Exception outside 0..Count()-1.
    TreeNode* Item(int index) const;
    TreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    TreeNode* GetLastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
    TreeNode* GetNextSibling() const;
    TreeNode* GetPrevSibling() const;
    // The next and previous node in pre-order.
    TreeNode* GetNext() const;
    TreeNode* GetPrev() const;
    // Whether `node` lies in this node's subtree (the node itself included).
    bool Contains(const TreeNode* node) const;
    // Nodes in this subtree, the node itself included.
    int SubtreeCount() const;

    bool Expanded() const;
    void SetExpanded(bool expanded);
    void Expand(bool recurse);
    void Collapse(bool recurse);

    bool Selected() const;
    void SetSelected(bool selected);

    // Removes the node and its subtree from the tree (this object is destroyed).
    void Delete();
    void DeleteChildren();

    // The node's item in the tree view's window, while there is one.
    HTREEITEM ItemId() const { return item_; }

private:
    friend class TreeNodes;
    friend class TreeView;

    TreeNode(TreeNodes& owner, TreeNode* parent, std::string text);
    std::vector<std::unique_ptr<TreeNode>>& Siblings() const;

    TreeNodes* owner_;
    TreeNode* parent_;
    std::vector<std::unique_ptr<TreeNode>> children_;
    std::string text_;
    int imageIndex_ = 0;
    int selectedIndex_ = 0;
    void* data_ = nullptr;
    bool expanded_ = false;
    HTREEITEM item_ = nullptr;
};

} // namespace fw
