#pragma once

class QMainWindow;
class QWidget;

// What the Qt program and its tests need beyond window_system.h.

// Starts the main window the way the program does: makes the window and its client area,
// hands it to onCreate, runs onStartup, then shows it at its place and size.
QMainWindow* openMainWindow();

// The control with this id among the children of the main window's client area; nullptr
// when there is none.
QWidget* findControl(QWidget* mainWindow, int controlId);

// Text sizes in pixels. A font is asked for by its cell height (the line from the top of
// the highest accent to the bottom of the lowest descender); Qt sizes a font by its em.
// Times New Roman, and Liberation Serif which shares its metrics, have a cell of
// 2268 font units (ascent 1825 + descent 443) on an em of 2048: 20 -> 18 px, 24 -> 22 px.
int emPixelsForCellHeight(int cellHeight);
