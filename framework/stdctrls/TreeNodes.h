#pragma once
// The nodes of a tree view ("Items"): owns every node, keeps their order, and mirrors each
// change into the tree view's window when it has one. Count and Item work on the whole tree
// in pre-order, so Item(i)->AbsoluteIndex() == i.
//
// Deleting a node that is selected, or holds the selected node, first moves the selection to
// its next sibling, else its previous sibling, else its parent (nothing when none is left);
// the tree view's OnChange runs for that node while the deleted one is still in the tree, so
// absolute indices seen there are those from before the deletion. Then OnDeletion runs for
// every node of the removed subtree, children before their parent, and the nodes go.

#include "framework/stdctrls/TreeNode.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {

class TreeView;

class TreeNodes {
public:
    explicit TreeNodes(TreeView& view);
    ~TreeNodes();
    TreeNodes(const TreeNodes&) = delete;
    TreeNodes& operator=(const TreeNodes&) = delete;

    TreeView& Owner() const { return view_; }

    // Nodes in the whole tree.
    int Count() const { return count_; }
    // The node at absolute index `index`; raises fw::Exception outside 0..Count()-1.
    TreeNode* Item(int index) const;
    TreeNode* operator[](int index) const { return Item(index); }
    TreeNode* GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }
    int TopLevelCount() const { return static_cast<int>(roots_.size()); }
    TreeNode* TopLevelItem(int index) const;

    // A new last sibling of `sibling` (a last top-level node when null).
    TreeNode* Add(TreeNode* sibling, const std::string& text);
    // A new first sibling of `sibling` (a first top-level node when null).
    TreeNode* AddFirst(TreeNode* sibling, const std::string& text);
    // A new last child of `parent` (a last top-level node when null).
    TreeNode* AddChild(TreeNode* parent, const std::string& text);
    // A new first child of `parent` (a first top-level node when null).
    TreeNode* AddChildFirst(TreeNode* parent, const std::string& text);
    // A new node right before `before` (a last top-level node when null).
    TreeNode* Insert(TreeNode* before, const std::string& text);

    // Removes `node` with its subtree (see above).
    void Delete(TreeNode* node);
    // Removes every node; a selection is removed first (OnChange runs with no node).
    void Clear();

    // Whether `node` is one of this tree's nodes.
    bool Contains(const TreeNode* node) const;

    // Window redrawing stops until the matching EndUpdate; the nodes and events work as always.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

private:
    friend class TreeNode;
    friend class TreeView;

    // Puts `node` into `siblings` at `position` and into the window.
    TreeNode* Place(std::unique_ptr<TreeNode> node, std::vector<std::unique_ptr<TreeNode>>& siblings, size_t position);
    TreeNode* NewNode(TreeNode* parent, const std::string& text);
    std::vector<std::unique_ptr<TreeNode>>& ChildrenOf(TreeNode* parent) { return parent ? parent->children_ : roots_; }

    TreeView& view_;
    std::vector<std::unique_ptr<TreeNode>> roots_;
    int count_ = 0;
    int updateCount_ = 0;
    bool clearing_ = false;
};

} // namespace fw
