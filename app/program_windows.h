// The program's document templates and child windows, as seen by code that needs only to
// recognise them.
#pragma once

class CDocTemplate;
class CMDIChildWnd;

// The templates whose documents are proceedings of their own kind.
enum class ProgramTemplate { None, Proceeding, Contracts, Remedies, Forms };

// Which of those templates it is; None for any other, null, or without an application object.
ProgramTemplate WhichProgramTemplate(const CDocTemplate *docTemplate);
// The newest proceeding window, as the main window's open commands find it.
void SetProceedingWindow(CMDIChildWnd *window);
// Forgets the proceeding window when it is this one.
void ForgetProceedingWindow(const CMDIChildWnd *window);
