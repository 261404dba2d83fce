#pragma once
#include "shell/window_system.h"

// The look of the main window, as data that every backend draws from.

constexpr const char* mainWindowClass = "WindowsApp";
constexpr const char* mainWindowTitle = "Quorvanteline";
// Position and outer size of the main window, frame, caption and menu bar included.
constexpr int mainWindowX = 300;
constexpr int mainWindowY = 100;
constexpr int mainWindowWidth = 644;
constexpr int mainWindowHeight = 525;

extern const MenuItem menuItems[];
extern const int menuItemCount;

extern const ControlSpec statusTextSpec;
extern const ControlSpec countRadioSpec;
extern const ControlSpec sizeRadioSpec;
extern const ControlSpec valueBoxSpec;
extern const ControlSpec startSplitButtonSpec;
extern const ControlSpec startMergeButtonSpec;

extern const FontSpec statusFont;
extern const FontSpec radioFont;
extern const FontSpec valueFont;
extern const FontSpec buttonFont;
