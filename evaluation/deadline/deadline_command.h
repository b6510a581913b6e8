// The main window's "Oblicz termin": the deadline calculator on its own, for no proceeding.
#pragma once

class CWnd;

// Runs the calculator modally; what it computes is only shown, nothing is kept.
void RunDeadlineCalculator(CWnd *parent);
