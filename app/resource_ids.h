// Identifiers shared by the resource script and the code.
#pragma once

#define IDR_LOBBY_JPEG 201
#define IDR_STRIP_JPEG 202
#define APP_QQ_NUMBER L"735162948"
