// CAddressBar: the band of the top rebar where the user types or picks an address. A flat tool
// bar whose slot 0 holds the address box (an extended combo box with the typed-address list)
// and whose slot 1 is the Go button.
#pragma once

#include <string>
#include <vector>

#include "address_bar/address_drop_target_win.h"
#include "address_bar/address_registry_win.h"
#include "address_bar/address_rules.h"
#include "framework/wnd_win.h"
#include "platform/handles_win.h"

class BrowserFrame;

class CAddressBar final : public CWnd {
public:
    explicit CAddressBar(AddressRegistryKeys keys = {});
    ~CAddressBar() override;
    DECLARE_MESSAGE_MAP()

    // Creates the bar (id 59392) as a child of `parent`, its address box and Go button (shown
    // unless "ShowGoButton" is "no") and loads the typed-address list. False when a window cannot
    // be created. The frame then adds the bar as a band and routes commands 1 (Go, Enter) and
    // 32771 (Open) to it.
    bool Create(HWND parent, BrowserFrame& frame);
    // The parts that need OLE, taken on once the frame has shown: the box takes dropped text and
    // the system's completion. Once only.
    void AcceptDropsAndCompletion();

    // The field shows the text, with the web page image.
    void ShowAddress(const std::string& text);
    // What the field holds.
    std::string Text() const;
    // The typed-address list, newest first.
    std::vector<std::string> Items() const;
    // Reads "TypedUrls" into the list; false when the key cannot be opened.
    bool LoadTypedUrls();
    // Writes the list back into "TypedUrls" (at exit); false when the key cannot be made.
    bool SaveTypedUrls() const;
    // Takes the newest address off the list (the Clear Records commands, one per value deleted).
    void RemoveNewestItem();
    void RemoveAllItems();
    const AddressRegistryKeys& keys() const { return keys_; }

    bool showsGo() const { return showGo_; }
    int GoButtonWidth() const;
    // The height the bar's band needs.
    int Height() const;
    // The frame moved to another DPI: the images are made for it and the field takes `font`.
    void DpiChanged(HFONT font);
    // Places the box in a bar of the given width: all of it, or what the Go button leaves.
    void Layout(int width);

    // The frame's shop and travel shortcuts; the bar keeps the pointer, the frame the table.
    void SetShortcuts(const std::vector<brisova::ShortcutEntry>* shortcuts) { shortcuts_ = shortcuts; }

    // Enter or Go: opens the completed text and adds it to the list.
    void EnterAddress(brisova::CompletionKeys keys);

    HWND box() const { return box_; }
    HWND edit() const;
    // Puts the focus into the field with all its text selected (Ctrl+L, Alt+D, F6).
    void FocusField() const;
    bool HasFocus() const;
    // What takes text dropped onto the box; null when OLE refused it.
    IDropTarget* dropTarget() const { return dropTarget_; }

    // Enter in the field becomes command 1 at the frame; the wheel over the field scrolls the
    // page instead (the frame takes the message). The first Esc puts the active window's
    // address back, the next one returns the focus to the page.
    bool PreTranslateMessage(MSG* msg) override;

private:
    void OnGo();
    void OnFileOpen();
    void OnListChoice();
    void OnSize(UINT type, int cx, int cy);
    void OnDestroy();

    bool CreateBox();
    void Open(const std::string& address) const;
    std::span<const brisova::ShortcutEntry> Shortcuts() const;
    void ShowDroppedText(const std::string& text) const;
    void ReleaseDropTarget();

    AddressRegistryKeys keys_;
    BrowserFrame* frame_ = nullptr;
    HWND box_ = nullptr;
    bool showGo_ = true;
    bool created_ = false;
    ScopedImageList coldImages_;
    ScopedImageList hotImages_;
    ScopedImageList boxImages_;
    AddressDropTarget* dropTarget_ = nullptr;
    bool acceptsDrops_ = false;
    // The last key in the field was an Esc that put the address back.
    bool addressPutBack_ = false;
    const std::vector<brisova::ShortcutEntry>* shortcuts_ = nullptr;
};
