// "Korespondencja seryjna": every chosen correspondence document generated once per chosen
// contractor, the contractor's name and address in its correspondence fields, and printed.
// The proceeding's own field values are written back after each document whatever happens,
// and the document shown before is shown again at the end.
#pragma once

#include <functional>

#include "framework/core/cstring.h"
#include "framework/db/connection.h"

class CWnd;
class MainWindowServices;
class ProceedingWindowView;
class SeriesMergeTarget;

// What is done with one filled document; the program prints it through the print dialog.
using MergeOutput = std::function<void(SeriesMergeTarget &view)>;

// The whole command: the wizard, then the generation. Does nothing without a proceeding view;
// main may be null.
void RunMailMerge(CWnd *parent, ProceedingWindowView *proceedingView, MainWindowServices *main);

// The generation alone for the two key lists (",k1,k2,...,"), each document with each
// contractor in turn; a database or output failure ends it after a message.
void GenerateSeries(CWnd *parent, SeriesMergeTarget &view, MainWindowServices *main, const ConnectionPtr &registers,
                    const CString &chosenDocuments, const CString &chosenContractors, const MergeOutput &output);
