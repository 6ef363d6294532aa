// The one place the GDI+ headers are included, and the status of the last wrapped call.
// Every class of the drawing layer owns exactly one native GDI+ handle and is move-only:
// copying an owner would let two objects release the same handle.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

#include <utility>

namespace yf::gfx {

namespace gp = Gdiplus;
using namespace Gdiplus::DllExports;

// The status of the most recent wrapped call (0 = Ok); meaningful right after the call.
int LastStatus();
// Keeps `status` as the last status; true when it is Ok.
bool Track(gp::GpStatus status);

// Owner of one GDI+ object released by `Free`.
template <typename Native, gp::GpStatus(WINGDIPAPI* Free)(Native*)>
class GdiplusObject {
  public:
    GdiplusObject() = default;
    ~GdiplusObject() { Delete(); }
    GdiplusObject(const GdiplusObject&) = delete;
    GdiplusObject& operator=(const GdiplusObject&) = delete;
    GdiplusObject(GdiplusObject&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiplusObject& operator=(GdiplusObject&& other) noexcept {
        if (this != &other) {
            Delete();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    Native* Handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // False, and nothing called, when the object holds no handle.
    bool Delete() {
        if (!handle_) return false;
        return Track(Free(std::exchange(handle_, nullptr)));
    }

  protected:
    // Where a create call writes its new handle; the one held before is released first.
    Native** Receive() {
        Delete();
        return &handle_;
    }

  private:
    Native* handle_ = nullptr;
};

}  // namespace yf::gfx
