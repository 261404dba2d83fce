#include "shell/panels.h"

#include "shell/command_ids.h"
#include "shell/layout.h"
#include "shell/shell.h"

namespace {
WindowHandle countRadio = nullptr;
WindowHandle sizeRadio = nullptr;
WindowHandle valueBox = nullptr;
WindowHandle startSplitButton = nullptr;
WindowHandle startMergeButton = nullptr;

// The fonts of the panel on screen, released with its controls.
FontHandle panelFonts[3] = {};

void destroyIfPresent(WindowHandle& control)
{
    if (control == nullptr)
        return;
    destroyControl(control);
    control = nullptr;
}

FontHandle makePanelFont(int slot, const FontSpec& look)
{
    panelFonts[slot] = createFont(look);
    return panelFonts[slot];
}
}  // namespace

void destroyPanelControls()
{
    destroyIfPresent(countRadio);
    destroyIfPresent(sizeRadio);
    destroyIfPresent(valueBox);
    destroyIfPresent(startSplitButton);
    destroyIfPresent(startMergeButton);
    for (FontHandle& font : panelFonts) {
        if (font != nullptr)
            destroyFont(font);
        font = nullptr;
    }
}

void buildSplitPanel()
{
    destroyPanelControls();
    countRadio = createControl(mainWindow, countRadioSpec);
    sizeRadio = createControl(mainWindow, sizeRadioSpec);
    setRadioChecked(mainWindow, IDC_BY_COUNT, true);
    FontHandle radio = makePanelFont(0, radioFont);
    setControlFont(countRadio, radio);
    setControlFont(sizeRadio, radio);
    valueBox = createControl(mainWindow, valueBoxSpec);
    startSplitButton = createControl(mainWindow, startSplitButtonSpec);
    setControlFont(valueBox, makePanelFont(1, valueFont));
    setControlFont(startSplitButton, makePanelFont(2, buttonFont));
}

void buildMergePanel()
{
    destroyPanelControls();
    startMergeButton = createControl(mainWindow, startMergeButtonSpec);
    setControlFont(startMergeButton, makePanelFont(2, buttonFont));
}

void* valueBoxControl()
{
    return valueBox;
}
