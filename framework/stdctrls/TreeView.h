#pragma once
// The tree view ("TTreeView") over the comctl32 tree. Its nodes (Items()) are the truth; the
// window mirrors them (and is filled again whenever it is re-created), with each item
// carrying its node. Text crosses into the window as wide text through code page 936.
//
// Selection: Selected() is the selected node; OnChange runs once whenever it changes, by the
// user, by the program (SetSelected) or because a deletion moved it (see TreeNodes), with the
// new node, or nullptr when nothing is selected any more. OnChanging may refuse a change the
// user or the program asks for; a deletion's move cannot be refused. With AutoExpand, the
// node selected is expanded before OnChange runs.
//
// Images and StateImages name image lists of the same owner or another one; the window gets
// comctl32 copies, renewed when the lists change. In a designed window the nodes are given as
// Items (a list of TreeNodeItem in pre-order, see TreeNodeItem.h).

#include "framework/core/ComponentRef.h"
#include "framework/core/Collection.h"
#include "framework/graphics/Bitmap.h"
#include "framework/stdctrls/ImageListComponent.h"
#include "framework/stdctrls/NativeControl.h"
#include "framework/stdctrls/TreeNodeItem.h"
#include "framework/stdctrls/TreeNodes.h"

#include <string>

namespace fw {

using TreeNodeEvent = Event<Component*, TreeNode*>;
using TreeChangingEvent = Event<Component*, TreeNode*, bool&>;
using TreeEditedEvent = Event<Component*, TreeNode*, std::string&>;

class TreeView : public NativeControl {
public:
    explicit TreeView(Component* owner);
    ~TreeView() override;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    TreeNodes& Items() { return items_; }
    const TreeNodes& Items() const { return items_; }

    TreeNode* Selected() const { return selected_; }
    // Selects `node` (one of Items(), or nullptr to select nothing).
    void SetSelected(TreeNode* node);

    ImageListComponent* Images() const { return images_.Get(); }
    void SetImages(ImageListComponent* list);
    ImageListComponent* StateImages() const { return stateImages_.Get(); }
    void SetStateImages(ImageListComponent* list);

    // Pixels each level is indented by (19 by default).
    int Indent() const { return indent_; }
    void SetIndent(int pixels);
    bool ShowLines() const { return HasStyle(TVS_HASLINES); }
    void SetShowLines(bool v) { SetStyle(TVS_HASLINES, v); }
    bool ShowButtons() const { return HasStyle(TVS_HASBUTTONS); }
    void SetShowButtons(bool v) { SetStyle(TVS_HASBUTTONS, v); }
    bool ShowRoot() const { return HasStyle(TVS_LINESATROOT); }
    void SetShowRoot(bool v) { SetStyle(TVS_LINESATROOT, v); }
    // Captions cannot be edited in place when true.
    bool ReadOnly() const { return !HasStyle(TVS_EDITLABELS); }
    void SetReadOnly(bool v) { SetStyle(TVS_EDITLABELS, !v); }
    bool HideSelection() const { return !HasStyle(TVS_SHOWSELALWAYS); }
    void SetHideSelection(bool v) { SetStyle(TVS_SHOWSELALWAYS, !v); }
    bool RowSelect() const { return HasStyle(TVS_FULLROWSELECT); }
    void SetRowSelect(bool v) { SetStyle(TVS_FULLROWSELECT, v); }
    bool HotTrack() const { return HasStyle(TVS_TRACKSELECT); }
    void SetHotTrack(bool v) { SetStyle(TVS_TRACKSELECT, v); }
    // Expands each node when it becomes selected.
    bool AutoExpand() const { return autoExpand_; }
    void SetAutoExpand(bool v) { autoExpand_ = v; }

    // The node whose row is at a point of the client area, or nullptr.
    TreeNode* GetNodeAt(int x, int y);
    // The visible rectangle of a node's row (or only of its text), in client coordinates.
    Rect NodeRect(const TreeNode* node, bool textOnly);

    // The nodes as a designed window gives them (published as "Items"): reading gives the
    // current tree, and a change rebuilds the tree from the list.
    Collection& ItemsDescription();

    void WndProc(Message& m) override;
    void Notification(Component* c, Operation operation) override;

    TreeNodeEvent OnChange;
    TreeChangingEvent OnChanging;
    TreeNodeEvent OnDeletion;
    // The user finished editing a caption; the handler may change the text that is kept.
    TreeEditedEvent OnEdited;
    TreeNodeEvent OnExpanded;
    TreeNodeEvent OnCollapsed;

protected:
    void CreateParams(WindowParams& params) override;
    void HandleCreated() override;
    void ColorChanged() override;
    void FontChanged() override;
    void WMDestroy(Message& m) override;
    void DefaultHandler(Message& m) override;

    // Runs OnChange.
    virtual void Change(TreeNode* node);
    // Asks OnChanging; true allows the change.
    virtual bool CanChange(TreeNode* node);
    // A node is about to go (its subtree went already); runs OnDeletion.
    virtual void Delete(TreeNode* node);
    // TVN_* notifications reflected from the parent.
    virtual void TreeNotification(const NMHDR& header, Message& m);

private:
    friend class TreeNodes;
    friend class TreeNode;

    // Above the ids the system's tree uses for its own timers.
    static constexpr UINT_PTR ToolTipTimer = 0x7654;
    void EnableToolTips();
    // Lets the system's tree draw into a bitmap of our own and copies that to the window: drawn
    // straight into the window, every row's picture costs two lookups of the display
    // configuration (the image list makes a display-compatible bitmap for it), a few
    // milliseconds per repaint. It also keeps the tree from flickering.
    void PaintBuffered();

    bool HasStyle(DWORD bit) const { return (style_ & bit) != 0; }
    void SetStyle(DWORD bit, bool on);

    // Called by the nodes.
    void InsertItem(TreeNode* node);
    void UpdateItem(TreeNode* node);
    void RemovingNode(TreeNode* node);
    void RemovingAll();
    void ExpandItem(TreeNode* node, UINT action);
    bool ItemExpanded(const TreeNode* node) const;
    void SetRedraw(bool on);
    // After a batch: no blank rows below the last one while rows lie above the top, and the
    // selected row in view.
    void SettleScrollPosition();

    // Moves the selection without asking OnChanging (a deletion needs it gone).
    void ForceSelection(TreeNode* node);
    // Takes a selection the window reports.
    void SelectionReported(TreeNode* node);
    TreeNode* NodeFromItem(HTREEITEM item) const;
    void ApplyImages();
    void ReleaseImages();
    void ImagesChanged();
    void SaveItemStates();
    // The subtree's items are gone from the window.
    static void ForgetItems(TreeNode* node);
    void ItemsDescriptionChanged();

    TreeNodes items_;
    TreeNode* selected_ = nullptr;
    ComponentRef<ImageListComponent> images_;
    ComponentRef<ImageListComponent> stateImages_;
    HIMAGELIST nativeImages_ = nullptr;
    HIMAGELIST nativeStateImages_ = nullptr;
    DWORD style_ = TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_EDITLABELS;
    int indent_ = 19;
    bool autoExpand_ = false;
    // Selection notifications the window sends while it is filled or torn down are not changes.
    bool quiet_ = false;
    bool forcing_ = false;
    bool reported_ = false;
    OwnedCollection<TreeNodeItem> description_;
    Bitmap paintBuffer_;
    bool describing_ = false;
};

} // namespace fw
