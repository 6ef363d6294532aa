// Names of the resources linked into the program (shared by resources.rc and the code).
#pragma once

// The window and tray icon: one 32 x 32, 32-bit icon. The engine first tries id 129.
#define YF_ICON_APP_NAME "DEFAULT_ICON"
#define YF_ICON_APP_FALLBACK_ID 129
#define YF_ICON_OK_NAME "OK_ICON"
#define YF_ICON_EXIT_NAME "EXIT_ICON"
