#include "app/program_windows.h"

#include "app/morvelank_app.h"
#include "framework/ui/doctemplate.h"

ProgramTemplate WhichProgramTemplate(const CDocTemplate *docTemplate)
{
    const CMorvelankApp *app = GetMorvelankApp();
    if (docTemplate == nullptr || app == nullptr)
        return ProgramTemplate::None;
    const struct {
        const CDocTemplate *docTemplate;
        ProgramTemplate which;
    } templates[] = {
        {app->ProceedingTemplate, ProgramTemplate::Proceeding},
        {app->ContractsTemplate, ProgramTemplate::Contracts},
        {app->RemediesTemplate, ProgramTemplate::Remedies},
        {app->FormsTemplate, ProgramTemplate::Forms},
    };
    for (const auto &entry : templates)
        if (entry.docTemplate == docTemplate)
            return entry.which;
    return ProgramTemplate::None;
}

void SetProceedingWindow(CMDIChildWnd *window)
{
    if (CMorvelankApp *app = GetMorvelankApp())
        app->ProceedingWindow = window;
}

void ForgetProceedingWindow(const CMDIChildWnd *window)
{
    CMorvelankApp *app = GetMorvelankApp();
    if (app != nullptr && app->ProceedingWindow == window)
        app->ProceedingWindow = nullptr;
}
