// What every control family's painter does alike, written once: taking a control over (its
// record in the window's list for the family, the three properties, the subclass), finding the
// record again from the properties when a message comes, giving the procedure back, and the
// hover bookkeeping that decides whether a mouse move repaints. A family is a class derived
// from FamilyPainter with its record type, its message handling and its painting; inside one
// message it passes the Ref it was given, which names the window, the record and the control.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "core/callback_guard_win.h"
#include "skin/backdrop/see_through_win.h"
#include "skin/engine/child_hover.h"
#include "skin/engine/child_list_win.h"
#include "skin/engine/skin_settings.h"
#include "skin/engine/window_record_win.h"

namespace yf {

class Backdrop;
class EngineCore;

// How a new composition of a window refreshes the family's controls standing directly on it.
enum class RenderRefresh {
    None,
    Repaint,            // invalidated without erasing
    Erase,              // invalidated with erasing
    EraseWithChildren,  // the same, and each visible child of the control too
};

class ChildPainter {
  public:
    ChildPainter(EngineCore& core, ControlFamily family, const ChildKeys& keys, WNDPROC procedure);
    virtual ~ChildPainter() = default;
    ChildPainter(const ChildPainter&) = delete;
    ChildPainter& operator=(const ChildPainter&) = delete;

    ControlFamily Family() const { return family_; }
    const ChildKeys& Keys() const { return keys_; }
    WNDPROC Procedure() const { return procedure_; }
    // Whether the family holds `control` as far as it has met it (no window-system call).
    bool Knows(HWND control) const { return places_.contains(control); }

    // Takes over the family's controls among the direct children of `parent` (the window or
    // one of its containers). Called only while control skinning is on.
    virtual void Install(int windowIndex, HWND parent);
    // One control found inside another family's control (the edit of a combo box); nothing for
    // a family that takes no such control over.
    virtual void Adopt(int windowIndex, HWND control);
    virtual RenderRefresh AfterRender() const { return RenderRefresh::None; }
    // Right after the window was composed: the faces its visible controls will show, composed
    // over the new image in one go, so that their repaints are block copies.
    virtual void PrepareFaces(WindowRecord& window);
    // A message a skinned window or container got about one of its children (WM_DRAWITEM, say):
    // true when this family answered it, with `result`.
    virtual bool OnChildMessage(HWND parent, UINT message, WPARAM wParam, LPARAM lParam,
                                LRESULT& result);
    // For the backdrop of a see-through label lying on `control`: the part of the control's
    // kept face at `from` (client coordinates), `size` large, into `dc` at 0, 0. False when the
    // family keeps no such face.
    virtual bool CopyFacePart(HWND control, POINT from, SIZE size, HDC dc);
    // The same for a control under the label: the control as its repaint would show it, into
    // `dc` at `at` (its outer corner), when that is its kept face alone. False otherwise.
    virtual bool ComposeQuiet(HWND control, HDC dc, POINT at);

    // Frees the GDI+ objects the painter keeps (decoded glyphs): GDI+ is about to end.
    virtual void ReleaseGraphics() {}

    // Lets the control in slot `index` of the family's list in `window` go: its properties are
    // removed, whatever the family and the backdrop kept for it is freed and it gets its
    // procedure back, unless someone subclassed it after the engine (their procedure still
    // calls ours, which then finds no record and passes everything on).
    void Release(WindowRecord& window, int index);

  protected:
    // Where a control's record was last found (the window's number, the record's number). A
    // record's own handle is the check: a place that no longer holds the control is asked of
    // the properties again.
    struct Place {
        int windowIndex = 0;
        int index = 0;
    };

    // Before a control of the family is let go, while its record still names it.
    virtual void Forget(ChildRecord& record);
    WindowRecord* WindowAt(int index) const;
    const SkinSettings& Settings() const;
    bool GdiplusRunning() const;

    EngineCore& core_;
    Backdrop& backdrop_;
    std::unordered_map<HWND, Place> places_;

  private:
    ControlFamily family_;
    ChildKeys keys_;
    WNDPROC procedure_;
};

// The painter of the family a subclassed control belongs to, while an engine exists.
ChildPainter* CurrentPainter(ControlFamily family);

template <typename Self, typename RecordType, ControlFamily kFamilyId,
          const ChildKeys* kKeys = &kChildKeys>
class FamilyPainter : public ChildPainter {
  public:
    using Record = RecordType;
    static constexpr ControlFamily kFamily = kFamilyId;

    // A control's record with where it lies; false when the control is not (or no longer) one
    // of this family's. Found once per message; the message on its way (`passOn`) comes with it.
    struct Ref {
        int windowIndex = 0;
        WindowRecord* window = nullptr;
        int index = 0;
        Record* record = nullptr;
        HWND control = nullptr;
        PassOn* passOn = nullptr;
        explicit operator bool() const { return record != nullptr; }
        // After handing a message on: whether the control and its record are still there (the
        // control's own procedure may have destroyed it, and a slot may have been reused).
        bool StillThere() const { return record && ::IsWindow(control) && record->hwnd == control; }
    };

    explicit FamilyPainter(EngineCore& core)
        : ChildPainter(core, kFamily, *kKeys, &FamilyPainter::SubclassProc) {}

    static ChildList<Record>& ListOf(WindowRecord& window) {
        return window.Children<Record>(kFamily);
    }

    // From the control's properties; they must name a live record of this very control. Where
    // a control was last found is remembered: every message to it looks it up, and reading a
    // property is a round trip through the window system.
    Ref Find(HWND control) {
        if (const auto known = places_.find(control); known != places_.end()) {
            Ref found = At(known->second.windowIndex, known->second.index);
            if (found && found.control == control) return found;
            places_.erase(known);
        }
        const int windowIndex = static_cast<int>(prop::Get(control, kKeys->ownerIndex));
        const int index = static_cast<int>(prop::Get(control, kKeys->listIndex));
        Ref found = At(windowIndex, index);
        if (!found || found.control != control) return {};
        places_[control] = {windowIndex, index};
        return found;
    }

    // The record of `control` in `window`'s list, found by walking the list: for registration
    // calls, which may come before the control's properties name it.
    Ref InWindow(WindowRecord& window, HWND control) {
        ChildList<Record>& list = ListOf(window);
        for (int i = 1; i < list.Size(); ++i) {
            if (Record* record = list.At(i); record && record->hwnd == control) {
                return {window.index, &window, i, record, control};
            }
        }
        return {};
    }

    // Each visible control of the family in `window`, in list order.
    template <typename Each>
    void ForEachVisible(WindowRecord& window, Each&& each) {
        ChildList<Record>& list = ListOf(window);
        for (int i = 1; i < list.Size(); ++i) {
            Record* record = list.At(i);
            if (record && ::IsWindowVisible(record->hwnd)) {
                each(Ref{window.index, &window, i, record, record->hwnd});
            }
        }
    }

    bool Holds(int windowIndex, HWND control) {
        WindowRecord* window = WindowAt(windowIndex);
        return window && ListOf(*window).Holds(control);
    }

    // Takes `control` over as a record of window `windowIndex`. One of the program's two ways
    // into a window's procedure chain (the other is ProcedureChain): the procedure before the
    // engine's is kept in the control's "Hw_hProc" property, as the engine's design fixes, so a
    // procedure of the engine that finds no record still knows where a message goes on.
    Ref TakeOver(int windowIndex, HWND control) {
        WindowRecord* window = WindowAt(windowIndex);
        if (!window || !control) return {};
        ChildList<Record>& list = ListOf(*window);
        const int index = list.Place();
        Record& record = list.Slot(index);
        record.hwnd = control;
        prop::Set(control, kKeys->listIndex, index);
        prop::Set(control, kKeys->ownerIndex, windowIndex);
        record.oldProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
            control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FamilyPainter::SubclassProc)));
        prop::Set(control, kKeys->oldProc, reinterpret_cast<std::intptr_t>(record.oldProc));
        places_[control] = {windowIndex, index};
        return {windowIndex, window, index, &record, control};
    }

  protected:
    Ref At(int windowIndex, int index) {
        WindowRecord* window = WindowAt(windowIndex);
        Record* record = window ? ListOf(*window).At(index) : nullptr;
        if (!record) return {};
        return {windowIndex, window, index, record, record->hwnd};
    }

    // The message on to the control's own procedure, once.
    static LRESULT Forward(const Ref& ref, UINT message, WPARAM wParam, LPARAM lParam) {
        if (ref.passOn) return (*ref.passOn)(message, wParam, lParam);
        return ::CallWindowProcW(ref.record->oldProc, ref.control, message, wParam, lParam);
    }

    // WM_PAINT, WM_ERASEBKGND, WM_NCPAINT and WM_MOVE of a control the family draws whole, so
    // that its own procedure never paints: `paint` draws it (on WM_NCPAINT only when
    // `frameToo`). Nothing for any other message, nor for WM_MOVE, which goes on to the control.
    template <typename Paint>
    static std::optional<LRESULT> PaintWhole(const Ref& ref, UINT message, WPARAM wParam,
                                             bool frameToo, Paint&& paint) {
        switch (message) {
            case WM_MOVE:
                paint();
                return std::nullopt;
            case WM_PAINT: {
                PAINTSTRUCT ps;
                ::BeginPaint(ref.control, &ps);
                paint();
                ::EndPaint(ref.control, &ps);
                return 0;
            }
            case WM_ERASEBKGND:
                ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
                return 1;
            case WM_NCPAINT:
                if (frameToo) paint();
                return 1;
            default:
                return std::nullopt;
        }
    }

    static std::uintptr_t ParentOf(HWND control) {
        return reinterpret_cast<std::uintptr_t>(::GetParent(control));
    }

    // A mouse move over the control: asks for its leave notification and tells whether it is
    // to be painted hot now (it was not the window's hot control, or `partChanged`).
    static bool NoteMouseMove(const Ref& ref, int hotKind, bool partChanged = false) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, ref.control, 0};
        ::TrackMouseEvent(&track);
        return NoteHoverMove(ref.window->childHover, hotKind, ref.index, ParentOf(ref.control),
                             partChanged);
    }

    static bool IsHotNow(const Ref& ref, int hotKind) {
        return IsHot(ref.window->childHover, hotKind, ref.index, ParentOf(ref.control));
    }

  private:
    // The procedure the system calls for every control of the family.
    static LRESULT CALLBACK SubclassProc(HWND control, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
        PassOn passOn =
            PassOn::ToPropertyProcedure(control, message, wParam, lParam, kKeys->oldProc);
        return GuardMessage(L"a skinned control's procedure", passOn, [&](PassOn& on) -> LRESULT {
            auto* painter = static_cast<Self*>(CurrentPainter(kFamily));
            Ref ref = painter ? painter->Find(control) : Ref{};
            if (!ref) return on();
            on.Retarget(ref.record->oldProc);
            ref.passOn = &on;
            if (message == SeeThroughRefreshMessage()) {
                FlushSeeThroughRefresh(*ref.window, control);
                return 0;
            }
            if (message == WM_DESTROY) {
                // Nothing of the engine outlives the control.
                painter->Release(*ref.window, ref.index);
                return on();
            }
            return painter->OnMessage(ref, message, wParam, lParam);
        });
    }
};

// Every family's painter, and the order in which ApplySkin and RegisterContainer take a
// parent's children over.
class PainterSet {
  public:
    // A family whose controls are taken over with every parent, after those added before it.
    void AddTakingOver(std::unique_ptr<ChildPainter> painter);
    // A family whose controls are registered one by one (containers, keyed controls).
    void AddRegistered(std::unique_ptr<ChildPainter> painter);

    ChildPainter* Find(ControlFamily family) const {
        return byFamily_[static_cast<std::size_t>(family)].get();
    }
    // Null when the family has no painter.
    template <typename Painter>
    Painter* Get() const {
        return static_cast<Painter*>(Find(Painter::kFamily));
    }
    const std::vector<ChildPainter*>& TakeOverOrder() const { return takeOverOrder_; }
    // Whether one of the families holds `control`, as far as they have met it.
    bool Know(HWND control) const { return Holding(control) != nullptr; }
    // The family holding `control`, or null.
    ChildPainter* Holding(HWND control) const;

  private:
    std::array<std::unique_ptr<ChildPainter>, kFamilyCount> byFamily_;
    std::vector<ChildPainter*> takeOverOrder_;
};

}  // namespace yf
