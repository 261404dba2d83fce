#pragma once
#include "scenario_support.h"

// Each scenario gets a program of its own, started and shown; it works it and checks what
// it shows and writes. The driver ends the program afterwards if the scenario has not.
void startUpAndFileGuard(const Workspace& workspace, RunningApp& app);
void splitByCount(const Workspace& workspace, RunningApp& app);
void splitBySize(const Workspace& workspace, RunningApp& app);
void mergeFromPartAndInfoFile(const Workspace& workspace, RunningApp& app);
void splitRefusals(const Workspace& workspace, RunningApp& app);
void longJob(const Workspace& workspace, RunningApp& app);
void outcomeBehindAboutBox(const Workspace& workspace, RunningApp& app);

// Holds the program still for two pictures: at start, then with the Split panel. For
// each stage it makes WORKDIR\ready-STAGE and goes on once WORKDIR\done-STAGE exists.
void poseForPictures(const Workspace& workspace, RunningApp& app);
