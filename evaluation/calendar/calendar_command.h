// The main window's "Terminarz": the calendar on the calendar folder of the settings.
#pragma once

class CWnd;

// Runs the calendar modally in its normal mode; the caller reloads its alarms afterwards.
void RunCalendar(CWnd *parent);
