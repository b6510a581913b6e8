// What the main window asks of the view of a proceeding window it has just opened: to fill it
// with a new proceeding or a document set, and what it then holds, for the recent-file list.
#pragma once

#include "framework/core/cstring.h"

class CProject;
struct DefaultValues;

class ProceedingLoader {
public:
    virtual ~ProceedingLoader() = default;

    // A new proceeding from the wizard's answers, saved at once; nonzero on success.
    virtual int CreateProceeding(int act2019, const CString &name, int parts, int kindIndex, int variant,
                                 DefaultValues defaults) = 0;
    // A document set of the kind (document_sets.h): the set file at path, or a new set from the
    // kind's starting data when path is empty. 1 when shown; 0 after the messages, and the
    // window is to be closed.
    virtual int OpenDocumentSet(int kind, const CString &path) = 0;
    // 0 proceeding, 1 archive, 3 contracts, 5 example, 6 legal remedies, 8 contractor forms.
    virtual int GetProceedingKind() const = 0;
    virtual CProject &GetProject() = 0;
};
