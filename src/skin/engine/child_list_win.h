// The records of the child controls a skinned window's family painters took over: one list per
// control family, 1-based like the "Hw_lbID" property that names an entry, the first slot an
// empty placeholder. A control that goes leaves its slot empty (everything its record held is
// freed at once), so the indexes of the others stay valid; the next control taken over takes
// the first empty slot, so a window that makes and destroys controls keeps its lists short.
#pragma once

#include <windows.h>

#include <deque>
#include <vector>

#include "skin/engine/window_properties_win.h"

namespace yf {

// Control families, in the order a window's children are renumbered after a window goes.
enum class ControlFamily {
    Buttons,
    Lists,
    Edits,
    Combos,
    Headers,
    Spins,
    Trackbars,
    ProgressBars,
    Containers,
    Keyed,
    Count
};
constexpr int kFamilyCount = static_cast<int>(ControlFamily::Count);

// The three properties that tie a control to its record: its index in the family list, the
// index of its window in the window list, and the procedure it had before.
struct ChildKeys {
    const wchar_t* listIndex;
    const wchar_t* ownerIndex;
    const wchar_t* oldProc;
};
inline constexpr ChildKeys kChildKeys{prop::kListIndex, prop::kOwnerIndex, prop::kOldProc};
inline constexpr ChildKeys kKeyedKeys{prop::kKeyedIndex, prop::kKeyedOwner, prop::kKeyedProc};

// What every family's record starts with.
struct ChildRecord {
    HWND hwnd = nullptr;
    WNDPROC oldProc = nullptr;
};

class ChildListBase {
  public:
    virtual ~ChildListBase() = default;
    // Entries including the placeholder: valid indexes are 1 .. Size() - 1.
    virtual int Size() const = 0;
    virtual ChildRecord& Base(int index) = 0;
    // Frees everything the record at `index` holds; the slot is empty afterwards.
    virtual void Vacate(int index) = 0;

    // The live controls, in list order.
    std::vector<HWND> Handles() {
        std::vector<HWND> handles;
        for (int i = 1; i < Size(); ++i) {
            if (HWND control = Base(i).hwnd) handles.push_back(control);
        }
        return handles;
    }
    bool Holds(HWND control) {
        for (int i = 1; i < Size(); ++i) {
            if (Base(i).hwnd == control) return true;
        }
        return false;
    }
};

template <typename Record>
class ChildList final : public ChildListBase {
  public:
    int Size() const override { return static_cast<int>(records_.size()); }
    ChildRecord& Base(int index) override { return records_[static_cast<std::size_t>(index)]; }
    void Vacate(int index) override {
        if (index >= 1 && index < Size()) records_[static_cast<std::size_t>(index)] = Record{};
    }

    // The live record at `index`, or null.
    Record* At(int index) {
        if (index < 1 || index >= Size()) return nullptr;
        Record& record = records_[static_cast<std::size_t>(index)];
        return record.hwnd ? &record : nullptr;
    }
    // The index of an empty record for a new control: the first slot left by a control that
    // went, else a new one after the others.
    int Place() {
        for (int i = 1; i < Size(); ++i) {
            if (!records_[static_cast<std::size_t>(i)].hwnd) return i;
        }
        records_.emplace_back();
        return Size() - 1;
    }
    Record& Slot(int index) { return records_[static_cast<std::size_t>(index)]; }

  private:
    // A deque: taking a control over never moves the records a painter may be holding (a Ref
    // stays valid through a message that makes or destroys other controls).
    std::deque<Record> records_ = std::deque<Record>(1);
};

}  // namespace yf
