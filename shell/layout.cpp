#include "shell/layout.h"

#include "shell/command_ids.h"

namespace {
// Win32 style bits of the controls.
constexpr uint32_t WS_CHILD = 0x40000000;
constexpr uint32_t WS_VISIBLE = 0x10000000;
constexpr uint32_t WS_BORDER = 0x00800000;
constexpr uint32_t SS_CENTER = 0x00000001;
constexpr uint32_t BS_RADIOBUTTON = 0x00000004;
constexpr uint32_t BS_DEFPUSHBUTTON = 0x00000001;
}  // namespace

const MenuItem menuItems[] = {
    {"&File", "&Open", IDM_OPEN},          {"&File", "E&xit", IDM_EXIT},
    {"&Actions", "&Split", IDM_SPLIT},     {"&Actions", "&Merge", IDM_MERGE},
    {"&Help", "H&ow To Use", IDM_HOWTO},   {"&Help", "&About", IDM_ABOUT},
};
const int menuItemCount = sizeof menuItems / sizeof menuItems[0];

const ControlSpec statusTextSpec = {
    IDC_STATUS, ControlKind::StaticText, "STATIC",
    "No File currently open; Select File to open file.\nSelect help to know how to use the software",
    WS_CHILD | WS_VISIBLE | WS_BORDER | SS_CENTER, 50, 180, 530, 150};
const ControlSpec countRadioSpec = {IDC_BY_COUNT, ControlKind::RadioButton, "BUTTON", "Number of Parts",
                                    WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, 100, 30, 150, 20};
const ControlSpec sizeRadioSpec = {IDC_BY_SIZE, ControlKind::RadioButton, "BUTTON", "Part Size in KBs",
                                   WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, 100, 50, 150, 20};
const ControlSpec valueBoxSpec = {IDC_VALUE, ControlKind::EditBox, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER,
                                  300, 30, 130, 40};
const ControlSpec startSplitButtonSpec = {IDC_START_SPLIT, ControlKind::PushButton, "BUTTON", "Start Splitting",
                                          WS_CHILD | WS_VISIBLE | WS_BORDER | BS_DEFPUSHBUTTON, 250, 100, 150, 60};
const ControlSpec startMergeButtonSpec = {IDC_START_MERGE, ControlKind::PushButton, "BUTTON", "Start Merging",
                                          WS_CHILD | WS_VISIBLE | WS_BORDER | BS_DEFPUSHBUTTON, 250, 100, 170, 60};

const FontSpec statusFont = {20, 300, false};
const FontSpec radioFont = {20, 700, false};
const FontSpec valueFont = {24, 0, true};
const FontSpec buttonFont = {24, 800, true};
