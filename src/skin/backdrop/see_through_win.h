// How a skinned window or container lets its children paint over the skin: the answers to
// their colour requests, the repaints their notifications call for, and the refresh of the
// see-through labels lying on a control after the engine painted it. What is kept for these
// (handed brushes, waiting paints) lives in the record of the window that owns the children.
#pragma once

#include <windows.h>

#include <optional>

namespace yf {

class Backdrop;
struct SkinSettings;
struct WindowRecord;

// A child's WM_CTLCOLOR* request to `owner` or one of its containers: the brush to return, or
// nothing when the parent's own procedure is to answer (see-through painting off, or a child
// that paints itself).
std::optional<LRESULT> AnswerColourRequest(Backdrop& backdrop, WindowRecord& owner, UINT message,
                                           HDC dc, HWND child);

// The skin behind the child's client area under the veil, as a pattern brush handed to the
// child, with the child's text colour and a transparent background set on `dc`.
HBRUSH HandSkinBrush(Backdrop& backdrop, WindowRecord& owner, HDC dc, HWND child);

// The brush HandSkinBrush will hand `child`, made now over the current skin.
void PrepareSkinBrush(Backdrop& backdrop, WindowRecord& owner, HWND child);

// WM_COMMAND from a child: one whose text or selection changed rebuilds its background.
void RefreshAfterNotification(const SkinSettings& settings, WPARAM wParam, LPARAM lParam);

// WM_NOTIFY: a tree view whose item expanded or collapsed repaints with erasing.
void RefreshAfterTreeChange(LPARAM lParam);

// A paint of `control` (a control in `owner`) covered `painted` (screen coordinates): the
// see-through siblings lying above it there are invalidated, without erasing, so they draw
// their text again on top.
void RefreshSeeThroughAbove(Backdrop& backdrop, WindowRecord& owner, HWND control, HRGN painted);
// The same for the whole window rectangle of `control`.
void RefreshSeeThroughAbove(Backdrop& backdrop, WindowRecord& owner, HWND control);
// Where the parent's procedure is the engine's, the refresh waits for this message posted to
// the parent, which then refreshes every paint gathered since in one look at its children.
UINT SeeThroughRefreshMessage();
void FlushSeeThroughRefresh(WindowRecord& owner, HWND parent);

}  // namespace yf
