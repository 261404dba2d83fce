#pragma once

// The Split and Merge panels. At most one exists at a time; building either first
// destroys every panel control that exists.

void destroyPanelControls();
void buildSplitPanel();
void buildMergePanel();

// The value box of the Split panel, or nullptr when no Split panel is shown.
void* valueBoxControl();
