#pragma once

#include <string>
#include <vector>

// The parts of the demonstration program, run in turn by main.

// Prints dates laid out in several formats for en_US, de_DE and fr_FR, cell by cell.
void ShowDateCells();
// Paints a window of canvas primitives, text and a 16-colour bitmap on the simulated desktop and
// writes it as a PNG file into Folder; returns the file's path.
std::string DrawGraphicsWindow(const std::string& Folder);
// Fills in a form of edits, a list box, a check box, a grid of order lines and buttons through
// the input simulator, prints the result and writes screenshots into Folder; returns their paths.
std::vector<std::string> RunControlsForm(const std::string& Folder);
// Types, refuses, validates and picks dates in a form of date edits through the input
// simulator, prints what happened and writes screenshots of a focused date edit and of its open
// calendar into Folder; returns their paths.
std::vector<std::string> RunDateEditsForm(const std::string& Folder);
