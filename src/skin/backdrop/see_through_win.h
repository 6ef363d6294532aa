// How a skinned window or container lets its children paint over the skin: the answers to their
// colour requests, and the repaints their notifications call for. The window procedure, the
// container painter and the combo-box painter all answer this way.
#pragma once

#include <windows.h>

#include <optional>

namespace yf {

class SkinEngine;

// A child's WM_CTLCOLOR* request: the brush to return, or nothing when the parent's own
// procedure is to answer (see-through painting off, or a child that paints itself).
std::optional<LRESULT> AnswerColourRequest(SkinEngine& engine, UINT message, HDC dc, HWND child);

// The skin behind the child's client area under the veil, as a pattern brush handed to the
// child, with the child's text colour and a transparent background set on `dc`.
HBRUSH HandSkinBrush(SkinEngine& engine, HDC dc, HWND child);

// The brush HandSkinBrush will hand `child`, made now over the current skin.
void PrepareSkinBrush(SkinEngine& engine, HWND child);

// WM_COMMAND from a child: one whose text or selection changed rebuilds its background.
void RefreshAfterNotification(const SkinEngine& engine, WPARAM wParam, LPARAM lParam);

// WM_NOTIFY: a tree view whose item expanded or collapsed repaints with erasing.
void RefreshAfterTreeChange(LPARAM lParam);

}  // namespace yf
