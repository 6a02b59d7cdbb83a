#include "framework/stdctrls/TreeView.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/FlagScope.h"
#include "framework/core/UpdateScope.h"
#include "framework/core/WideText.h"
#include "framework/graphics/Win32Color.h"

#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

namespace fw {

namespace {

// The nodes of a subtree, children before their parent.
void PostOrder(TreeNode* node, std::vector<TreeNode*>& out) {
    for (int i = 0; i < node->Count(); ++i) PostOrder(node->Item(i), out);
    out.push_back(node);
}

} // namespace

void TreeView::ForgetItems(TreeNode* node) {
    for (TreeNode* n = node; n != nullptr && node->Contains(n); n = n->GetNext()) n->item_ = nullptr;
}

TreeView::TreeView(Component* owner)
    : NativeControl(owner), items_(*this), images_(*this), stateImages_(*this), description_(this) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
    SetBorderStyle(ControlBorderStyle::Single);
    description_.OnChange = [this](CollectionItem*) {
        if (!describing_) ItemsDescriptionChanged();
    };
}

TreeView::~TreeView() {
    BeginDestroy();
    DestroyHandle();
    if (images_) images_->Unsubscribe(&images_);
    if (stateImages_) stateImages_->Unsubscribe(&stateImages_);
    ReleaseImages();
    selected_ = nullptr;
}

const ClassInfo& TreeView::StaticClass() {
    static const ClassInfo& info =
        ClassBuilder<TreeView>("TTreeView", NativeControl::StaticClass())
            .AddCollection("Items", &TreeView::ItemsDescription)
            .AddReference("Images", &TreeView::Images, &TreeView::SetImages)
            .AddReference("StateImages", &TreeView::StateImages, &TreeView::SetStateImages)
            .AddInteger("Indent", &TreeView::Indent, &TreeView::SetIndent)
            .AddBoolean("ShowLines", &TreeView::ShowLines, &TreeView::SetShowLines)
            .AddBoolean("ShowButtons", &TreeView::ShowButtons, &TreeView::SetShowButtons)
            .AddBoolean("ShowRoot", &TreeView::ShowRoot, &TreeView::SetShowRoot)
            .AddBoolean("ReadOnly", &TreeView::ReadOnly, &TreeView::SetReadOnly)
            .AddBoolean("HideSelection", &TreeView::HideSelection, &TreeView::SetHideSelection)
            .AddBoolean("RowSelect", &TreeView::RowSelect, &TreeView::SetRowSelect)
            .AddBoolean("HotTrack", &TreeView::HotTrack, &TreeView::SetHotTrack)
            .AddBoolean("AutoExpand", &TreeView::AutoExpand, &TreeView::SetAutoExpand)
            .AddEvent("OnChange", &TreeView::OnChange)
            .AddEvent("OnChanging", &TreeView::OnChanging)
            .AddEvent("OnDeletion", &TreeView::OnDeletion)
            .AddEvent("OnEdited", &TreeView::OnEdited)
            .AddEvent("OnExpanded", &TreeView::OnExpanded)
            .AddEvent("OnCollapsed", &TreeView::OnCollapsed)
            .Register();
    return info;
}

// --- the window ---

void TreeView::CreateParams(WindowParams& params) {
    InitCommonControls(ICC_TREEVIEW_CLASSES);
    NativeControl::CreateParams(params);
    params.baseClassName = WC_TREEVIEWW;
    // The item tooltip window comes later (EnableToolTips): made with the tree, it is a
    // top-level window of its own and costs the start-up a few milliseconds before anything
    // is painted.
    params.style |= style_ | TVS_NOTOOLTIPS;
}

void TreeView::HandleCreated() {
    NativeControl::HandleCreated();
    HWND h = Handle();
    {
        FlagScope quiet(quiet_);
        SendMessageW(h, TVM_SETINDENT, static_cast<WPARAM>(indent_), 0);
        SendMessageW(h, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRgb(GetColor())));
        SendMessageW(h, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRgb(Font().Color())));
        ApplyImages();
        for (int i = 0; i < items_.TopLevelCount(); ++i) InsertItem(items_.TopLevelItem(i));
        if (selected_ != nullptr) SendMessageW(h, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected_->item_));
    }
    if (items_.Updating()) SetRedraw(false);
    // A zero timer comes once nothing is left to paint.
    SetTimer(h, ToolTipTimer, 0, nullptr);
}

void TreeView::EnableToolTips() {
    HWND h = Handle();
    KillTimer(h, ToolTipTimer);
    // Clearing the style makes the system's tree create its tooltip window.
    SetWindowLongPtrW(h, GWL_STYLE, GetWindowLongPtrW(h, GWL_STYLE) & ~static_cast<LONG_PTR>(TVS_NOTOOLTIPS));
}

void TreeView::WMDestroy(Message& m) {
    SaveItemStates();
    quiet_ = true;
    NativeControl::WMDestroy(m);
    quiet_ = false;
    for (int i = 0; i < items_.TopLevelCount(); ++i) ForgetItems(items_.TopLevelItem(i));
    ReleaseImages();
}

void TreeView::SaveItemStates() {
    if (!HandleAllocated()) return;
    for (TreeNode* n = items_.GetFirstNode(); n != nullptr; n = n->GetNext())
        if (n->item_ != nullptr) n->expanded_ = ItemExpanded(n);
}

void TreeView::InsertItem(TreeNode* node) {
    if (!HandleAllocated()) return;
    const std::wstring text = GbkToWide(node->text_);
    TVINSERTSTRUCTW insert{};
    insert.hParent = node->parent_ != nullptr ? node->parent_->item_ : TVI_ROOT;
    TreeNode* previous = node->GetPrevSibling();
    insert.hInsertAfter = previous != nullptr ? previous->item_ : TVI_FIRST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.iImage = node->imageIndex_;
    insert.item.iSelectedImage = node->selectedIndex_;
    insert.item.lParam = reinterpret_cast<LPARAM>(node);
    node->item_ = reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    if (node->item_ == nullptr) throw Exception(Format("Cannot add the node '%s' to the tree", node->text_.c_str()));
    for (int i = 0; i < node->Count(); ++i) InsertItem(node->Item(i));
    if (node->expanded_ && node->HasChildren()) ExpandItem(node, TVE_EXPAND);
}

void TreeView::UpdateItem(TreeNode* node) {
    if (!HandleAllocated() || node->item_ == nullptr) return;
    const std::wstring text = GbkToWide(node->text_);
    TVITEMW item{};
    item.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = node->item_;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.iImage = node->imageIndex_;
    item.iSelectedImage = node->selectedIndex_;
    SendMessageW(Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void TreeView::ExpandItem(TreeNode* node, UINT action) {
    if (HandleAllocated() && node->item_ != nullptr)
        SendMessageW(Handle(), TVM_EXPAND, action, reinterpret_cast<LPARAM>(node->item_));
}

bool TreeView::ItemExpanded(const TreeNode* node) const {
    if (!HandleAllocated() || node->item_ == nullptr) return node->expanded_ && node->HasChildren();
    const LRESULT state = SendMessageW(const_cast<TreeView*>(this)->Handle(), TVM_GETITEMSTATE,
                                       reinterpret_cast<WPARAM>(node->item_), TVIS_EXPANDED);
    return (state & TVIS_EXPANDED) != 0 && node->HasChildren();
}

void TreeView::SetRedraw(bool on) {
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), WM_SETREDRAW, on ? TRUE : FALSE, 0);
    if (!on) return;
    SettleScrollPosition();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TreeView::SettleScrollPosition() {
    // A selection made while redrawing was off scrolled by row positions the window had not
    // recounted yet: the first visible row can be left below the top with every row fitting,
    // and then no scroll bar is shown to get back. Put the first row back where the rows
    // allow it, then bring the selection into view.
    HWND h = Handle();
    auto next = [h](UINT relation, HTREEITEM from) {
        return reinterpret_cast<HTREEITEM>(SendMessageW(h, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from)));
    };
    std::vector<HTREEITEM> rows;
    for (HTREEITEM row = next(TVGN_ROOT, nullptr); row != nullptr; row = next(TVGN_NEXTVISIBLE, row)) rows.push_back(row);
    if (rows.empty()) return;
    const size_t fitting = static_cast<size_t>(SendMessageW(h, TVM_GETVISIBLECOUNT, 0, 0));
    const HTREEITEM first = next(TVGN_FIRSTVISIBLE, nullptr);
    size_t at = 0;
    while (at < rows.size() && rows[at] != first) ++at;
    const size_t highest = rows.size() > fitting ? rows.size() - fitting : 0;
    if (at > highest) SendMessageW(h, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(rows[highest]));
    if (selected_ != nullptr && selected_->item_ != nullptr)
        SendMessageW(h, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(selected_->item_));
}

TreeNode* TreeView::NodeFromItem(HTREEITEM item) const {
    if (item == nullptr || !HandleAllocated()) return nullptr;
    TVITEMW query{};
    query.mask = TVIF_HANDLE | TVIF_PARAM;
    query.hItem = item;
    if (!SendMessageW(const_cast<TreeView*>(this)->Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query))) return nullptr;
    auto* node = reinterpret_cast<TreeNode*>(query.lParam);
    return items_.Contains(node) ? node : nullptr;
}

// --- removing nodes ---

void TreeView::RemovingNode(TreeNode* node) {
    // The selection leaves the doomed subtree first, while every index is still as it was.
    // Handlers run in between may remove nodes themselves, this one included.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!items_.Contains(node) || selected_ == nullptr || !node->Contains(selected_)) break;
        TreeNode* next = node->GetNextSibling();
        if (next == nullptr) next = node->GetPrevSibling();
        if (next == nullptr) next = node->Parent();
        ForceSelection(next);
    }
    if (!items_.Contains(node)) return;
    if (selected_ != nullptr && node->Contains(selected_)) selected_ = nullptr;
    std::vector<TreeNode*> doomed;
    PostOrder(node, doomed);
    for (TreeNode* n : doomed)
        if (items_.Contains(n)) Delete(n);
    if (!items_.Contains(node)) return;
    if (HandleAllocated() && node->item_ != nullptr)
        SendMessageW(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node->item_));
    ForgetItems(node);
}

void TreeView::RemovingAll() {
    if (selected_ != nullptr) ForceSelection(nullptr);
    selected_ = nullptr;
    std::vector<TreeNode*> doomed;
    for (int i = 0; i < items_.TopLevelCount(); ++i) PostOrder(items_.TopLevelItem(i), doomed);
    for (TreeNode* n : doomed)
        if (items_.Contains(n)) Delete(n);
    if (HandleAllocated()) {
        quiet_ = true;
        SendMessageW(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
        quiet_ = false;
    }
    for (int i = 0; i < items_.TopLevelCount(); ++i) ForgetItems(items_.TopLevelItem(i));
}

void TreeView::Delete(TreeNode* node) {
    if (!IsDestroying()) OnDeletion(this, node);
}

// --- selection ---

void TreeView::SetSelected(TreeNode* node) {
    if (node == selected_) return;
    if (node != nullptr && !items_.Contains(node)) throw Exception("The node belongs to another tree");
    if (!HandleAllocated()) {
        if (CanChange(node)) SelectionReported(node);
        return;
    }
    reported_ = false;
    SendMessageW(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->item_ : nullptr));
    // Should the window not report its own change, take what it shows now.
    if (!reported_) {
        auto current = reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
        if (current == (node ? node->item_ : nullptr)) SelectionReported(node);
    }
}

void TreeView::ForceSelection(TreeNode* node) {
    FlagScope forcing(forcing_);
    if (HandleAllocated()) {
        reported_ = false;
        SendMessageW(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->item_ : nullptr));
    }
    if (!HandleAllocated() || !reported_) SelectionReported(node);
}

void TreeView::SelectionReported(TreeNode* node) {
    reported_ = true;
    if (node == selected_) return;
    selected_ = node;
    if (autoExpand_ && node != nullptr && node->HasChildren()) node->Expand(false);
    if (!IsDestroying()) Change(node);
}

void TreeView::Change(TreeNode* node) { OnChange(this, node); }

bool TreeView::CanChange(TreeNode* node) {
    bool allow = true;
    if (!IsDestroying()) OnChanging(this, node, allow);
    return allow;
}

// --- notifications ---

void TreeView::WndProc(Message& m) {
    if (m.msg == WM_TIMER && m.wParam == ToolTipTimer) {
        EnableToolTips();
        m.result = 0;
        return;
    }
    if (m.msg == WM_PAINT && m.wParam == 0 && HandleAllocated()) {
        PaintBuffered();
        m.result = 0;
        return;
    }
    if (m.msg == WM_ERASEBKGND && HandleAllocated()) {
        // The buffered painting fills the whole client area, background included.
        m.result = 1;
        return;
    }
    if (m.msg == CN_NOTIFY) {
        m.result = 0;
        if (const auto* header = reinterpret_cast<const NMHDR*>(m.lParam)) TreeNotification(*header, m);
        return;
    }
    NativeControl::WndProc(m);
}

void TreeView::PaintBuffered() {
    HWND h = Handle();
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    if (dc == nullptr) return;
    RECT client;
    GetClientRect(h, &client);
    if (client.right > 0 && client.bottom > 0) {
        if (paintBuffer_.Width() != client.right || paintBuffer_.Height() != client.bottom)
            paintBuffer_.SetSize(client.right, client.bottom);
        // Given a device context, the system's tree fills the background and draws every row.
        Message paint{WM_PAINT, reinterpret_cast<WPARAM>(paintBuffer_.DeviceContext()), 0, 0};
        DefaultHandler(paint);
        const RECT& r = ps.rcPaint;
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, paintBuffer_.DeviceContext(), r.left, r.top, SRCCOPY);
    }
    EndPaint(h, &ps);
}

void TreeView::DefaultHandler(Message& m) {
    // The system's tree window keeps system keys to itself (Wine's does), so Alt+F4, F10 and
    // Alt alone would never reach the window's default handling, which closes the form or
    // opens its menu. The tree has no use of its own for them.
    if (HandleAllocated() && (m.msg == WM_SYSKEYDOWN || m.msg == WM_SYSKEYUP)) {
        m.result = DefWindowProcW(Handle(), m.msg, m.wParam, m.lParam);
        return;
    }
    NativeControl::DefaultHandler(m);
}

void TreeView::TreeNotification(const NMHDR& header, Message& m) {
    const auto& tree = reinterpret_cast<const NMTREEVIEWW&>(header);
    switch (header.code) {
    case TVN_SELCHANGINGW:
    case TVN_SELCHANGINGA:
        if (!quiet_ && !forcing_) m.result = CanChange(NodeFromItem(tree.itemNew.hItem)) ? FALSE : TRUE;
        return;
    case TVN_SELCHANGEDW:
    case TVN_SELCHANGEDA:
        if (!quiet_) SelectionReported(NodeFromItem(tree.itemNew.hItem));
        return;
    case TVN_ITEMEXPANDEDW:
    case TVN_ITEMEXPANDEDA: {
        TreeNode* node = NodeFromItem(tree.itemNew.hItem);
        if (node == nullptr) return;
        node->expanded_ = ItemExpanded(node);
        if (quiet_ || IsDestroying()) return;
        if (node->expanded_)
            OnExpanded(this, node);
        else
            OnCollapsed(this, node);
        return;
    }
    case TVN_BEGINLABELEDITW:
    case TVN_BEGINLABELEDITA: m.result = ReadOnly() ? TRUE : FALSE; return;
    case TVN_ENDLABELEDITW: {
        const auto& info = reinterpret_cast<const NMTVDISPINFOW&>(header);
        TreeNode* node = NodeFromItem(info.item.hItem);
        if (node == nullptr || info.item.pszText == nullptr) return;
        std::string text = WideToGbk(info.item.pszText);
        OnEdited(this, node, text);
        node->SetText(text);
        // The node wrote its text into the window already.
        m.result = FALSE;
        return;
    }
    default: return;
    }
}

// --- appearance ---

void TreeView::SetStyle(DWORD bit, bool on) {
    const DWORD style = on ? (style_ | bit) : (style_ & ~bit);
    if (style == style_) return;
    style_ = style;
    if (!HandleAllocated()) return;
    HWND h = Handle();
    LONG_PTR current = GetWindowLongPtrW(h, GWL_STYLE);
    current = on ? (current | bit) : (current & ~static_cast<LONG_PTR>(bit));
    SetWindowLongPtrW(h, GWL_STYLE, current);
    InvalidateRect(h, nullptr, TRUE);
}

void TreeView::SetIndent(int pixels) {
    if (pixels < 0) pixels = 0;
    indent_ = pixels;
    if (HandleAllocated()) SendMessageW(Handle(), TVM_SETINDENT, static_cast<WPARAM>(pixels), 0);
}

void TreeView::ColorChanged() {
    NativeControl::ColorChanged();
    if (HandleAllocated()) SendMessageW(Handle(), TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRgb(GetColor())));
}

void TreeView::FontChanged() {
    NativeControl::FontChanged();
    if (HandleAllocated()) SendMessageW(Handle(), TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRgb(Font().Color())));
}

TreeNode* TreeView::GetNodeAt(int x, int y) {
    TVHITTESTINFO hit{};
    hit.pt = POINT{x, y};
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if ((hit.flags & (TVHT_ONITEM | TVHT_ONITEMINDENT | TVHT_ONITEMBUTTON | TVHT_ONITEMRIGHT)) == 0) return nullptr;
    return NodeFromItem(item);
}

Rect TreeView::NodeRect(const TreeNode* node, bool textOnly) {
    if (node == nullptr || !items_.Contains(node)) return Rect{};
    HWND h = Handle();
    RECT r{};
    // The message takes the item in the rectangle's first bytes.
    HTREEITEM item = node->item_;
    std::memcpy(&r, &item, sizeof item);
    if (!SendMessageW(h, TVM_GETITEMRECT, textOnly ? TRUE : FALSE, reinterpret_cast<LPARAM>(&r))) return Rect{};
    return Rect{r.left, r.top, r.right, r.bottom};
}

// --- image lists ---

void TreeView::SetImages(ImageListComponent* list) {
    if (list == images_.Get()) return;
    if (images_) images_->Unsubscribe(&images_);
    images_.Set(list);
    if (list != nullptr) list->Subscribe(&images_, [this] { ImagesChanged(); });
    ImagesChanged();
}

void TreeView::SetStateImages(ImageListComponent* list) {
    if (list == stateImages_.Get()) return;
    if (stateImages_) stateImages_->Unsubscribe(&stateImages_);
    stateImages_.Set(list);
    if (list != nullptr) list->Subscribe(&stateImages_, [this] { ImagesChanged(); });
    ImagesChanged();
}

void TreeView::ImagesChanged() {
    if (HandleAllocated()) ApplyImages();
}

void TreeView::ApplyImages() {
    using NativeList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, decltype(&ImageList_Destroy)>;
    NativeList normal(images_ ? images_->CreateNativeList() : nullptr, &ImageList_Destroy);
    NativeList state(stateImages_ ? stateImages_->CreateNativeList() : nullptr, &ImageList_Destroy);
    SendMessageW(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(normal.get()));
    SendMessageW(Handle(), TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(state.get()));
    ReleaseImages();
    nativeImages_ = normal.release();
    nativeStateImages_ = state.release();
}

void TreeView::ReleaseImages() {
    if (nativeImages_ != nullptr) ImageList_Destroy(nativeImages_);
    if (nativeStateImages_ != nullptr) ImageList_Destroy(nativeStateImages_);
    nativeImages_ = nullptr;
    nativeStateImages_ = nullptr;
}

void TreeView::Notification(Component* c, Operation operation) {
    NativeControl::Notification(c, operation);
    if (operation != opRemove) return;
    const bool normal = c == images_.Get();
    const bool state = c == stateImages_.Get();
    if (normal) images_.Removed(c);
    if (state) stateImages_.Removed(c);
    if ((normal || state) && !IsDestroying()) ImagesChanged();
}

// --- designed nodes ---

Collection& TreeView::ItemsDescription() {
    {
        FlagScope describing(describing_);
        UpdateScope update(description_);
        description_.Clear();
        for (TreeNode* n = items_.GetFirstNode(); n != nullptr; n = n->GetNext()) {
            TreeNodeItem& item = description_.Add();
            item.SetText(n->Text());
            item.SetImageIndex(n->ImageIndex());
            item.SetSelectedIndex(n->SelectedIndex());
            item.SetLevel(n->Level());
        }
    }
    return description_;
}

void TreeView::ItemsDescriptionChanged() {
    int previous = -1;
    for (int i = 0; i < description_.Count(); ++i) {
        const int level = description_.Item(i).Level();
        if (i == 0 && level != 0) throw Exception(Format("Tree item 0 has level %d; the first item is at level 0", level));
        if (level > previous + 1) throw Exception(Format("Tree item %d has level %d after level %d", i, level, previous));
        previous = level;
    }
    UpdateScope update(items_);
    items_.Clear();
    std::vector<TreeNode*> lastAt;
    for (int i = 0; i < description_.Count(); ++i) {
        const TreeNodeItem& d = description_.Item(i);
        lastAt.resize(static_cast<size_t>(d.Level()));
        TreeNode* node = items_.AddChild(lastAt.empty() ? nullptr : lastAt.back(), d.Text());
        node->SetImageIndex(d.ImageIndex());
        node->SetSelectedIndex(d.SelectedIndex());
        lastAt.push_back(node);
    }
}

} // namespace fw
