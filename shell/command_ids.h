#pragma once

// Menu commands.
constexpr int IDM_OPEN = 101;
constexpr int IDM_EXIT = 102;
constexpr int IDM_SPLIT = 103;
constexpr int IDM_MERGE = 104;
constexpr int IDM_HOWTO = 105;
constexpr int IDM_ABOUT = 106;

// Controls of the main window.
constexpr int IDC_STATUS = 111;
constexpr int IDC_BY_COUNT = 112;
constexpr int IDC_BY_SIZE = 113;
constexpr int IDC_VALUE = 114;
constexpr int IDC_START_SPLIT = 115;
constexpr int IDC_START_MERGE = 116;

// The icon resource of the window class.
constexpr int IDI_APP_ICON = 301;
