// The faces a painter composed for one control, each kept with the key of what it was composed
// from (the background stamp and the control's state). A paint whose key matches one of them is
// one block copy; a miss composes anew and keeps the result in place of the least recently used.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace yf {

// `Face` is what a paint copies out (a DIB surface on Windows); kept by value, moved in.
template <typename Key, typename Face, std::size_t kSlots = 3>
class FaceCache {
  public:
    // The face kept for `key`, or null; `usable` tells whether the key may be kept at all.
    const Face* Find(const Key& key, bool usable = true) {
        if (!usable) return nullptr;
        for (auto& slot : slots_) {
            if (slot && slot->key == key) {
                slot->used = ++clock_;
                return &slot->face;
            }
        }
        return nullptr;
    }

    const Face& Keep(const Key& key, Face face) {
        auto* victim = &slots_[0];
        for (auto& slot : slots_) {
            if (!slot) {
                victim = &slot;
                break;
            }
            if (slot->used < (*victim)->used) victim = &slot;
        }
        *victim = Entry{key, std::move(face), ++clock_};
        return (*victim)->face;
    }

    void Clear() {
        for (auto& slot : slots_) slot.reset();
    }

  private:
    struct Entry {
        Key key;
        Face face;
        std::uint64_t used = 0;
    };
    std::array<std::optional<Entry>, kSlots> slots_;
    std::uint64_t clock_ = 0;
};

}  // namespace yf
