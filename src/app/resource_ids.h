// Names of the resources linked into the program (shared by resources.rc and the code).
#pragma once

// The window and tray icon: a 32 x 32, 32-bit icon, which also holds the picture drawn at 40,
// 48 and 64 pixels for 125, 150 and 200 % display scaling; the two button icons are 16 x 16 and
// hold 20, 24 and 32 as well (IconForDpi picks the one for a window). The engine first tries
// id 129.
#define YF_ICON_APP_NAME "DEFAULT_ICON"
#define YF_ICON_APP_FALLBACK_ID 129
#define YF_ICON_OK_NAME "OK_ICON"
#define YF_ICON_EXIT_NAME "EXIT_ICON"

// Raw data resources (RCDATA), read back with ResourceBytes():
//   skin pictures (baseline JPEG)  "SKIN1" .. "SKIN8"
//   caption-button glyphs (PNG)    "GLYPH_HELP", "GLYPH_MENU", "GLYPH_MINIMIZE",
//                                  "GLYPH_MAXIMIZE", "GLYPH_RESTORE", "GLYPH_CLOSE"
//   spin and drop-down arrows (PNG) "ARROW_UP", "ARROW_DOWN", "ARROW_LEFT", "ARROW_RIGHT",
//                                  "ARROW_COMBO"
//   check box square and tick (PNG) "CHECK_BOX", "CHECK_MARK"
//   reminder sound (WAV)           "REMINDER_WAV"
// Every glyph (and every gallery picture) is also there drawn for 125, 150 and 200 % display
// scaling, as "<name>_125", "<name>_150" and "<name>_200" (ScaledPictureName; PictureForDpi
// picks the one for a window).
