// Identifiers shared by resources.rc and the program code.
#pragma once

// The built-in pictures, as RT_RCDATA resources holding the JPEG files unchanged.
#define IDR_LOBBY_JPEG 101
#define IDR_STRIP_JPEG 102

// The author's contact number, shown in the About window and in the version resource.
#define APP_QQ_NUMBER L"735162948"
