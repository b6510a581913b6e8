#include "program/document_templates.h"

#include "app/morvelank_app.h"
#include "document/view/morvelank_doc.h"
#include "document/view/morvelank_view.h"
#include "framework/ui/doctemplate.h"
#include "mainframe/library/library_frames.h"
#include "mainframe/library/zp_umowy_view.h"
#include "proceeding/frame/child_frame.h"
#include "res/proceeding_ids.h"

namespace {

const UINT kContractsResource = 318;
const UINT kRemediesResource = 376;
const UINT kFormsResource = 379;
const UINT kZpLibraryResource = 319;
const UINT kLibraryResource = 320;
const UINT kInPlaceContainerResource = 6;

} // namespace

void CreateDocumentTemplates(CMorvelankApp &app)
{
    CRuntimeClass *document = RUNTIME_CLASS(CMorvelankDoc);
    CRuntimeClass *frame = RUNTIME_CLASS(CChildFrame);
    CRuntimeClass *view = RUNTIME_CLASS(CMorvelankView);
    auto libraryTemplate = [document](UINT resource, CRuntimeClass *libraryFrame) {
        return new CMultiDocTemplate(resource, document, libraryFrame, RUNTIME_CLASS(CZPUmowyView));
    };
    app.ProceedingTemplate = new CMultiDocTemplate(IDR_PROCEEDING, document, frame, view);
    app.ContractsTemplate = new CMultiDocTemplate(kContractsResource, document, frame, view);
    app.ZpTemplate = libraryTemplate(kZpLibraryResource, RUNTIME_CLASS(CZPFrame));
    app.ArticlesTemplate = libraryTemplate(kLibraryResource, RUNTIME_CLASS(CCiekaweFrame));
    app.RulingsTemplate = libraryTemplate(kLibraryResource, RUNTIME_CLASS(COrzeczeniaKIOFrame));
    app.RemediesTemplate = new CMultiDocTemplate(kRemediesResource, document, frame, view);
    app.FormsTemplate = new CMultiDocTemplate(kFormsResource, document, frame, view);
    const std::initializer_list<CMultiDocTemplate *> inFieldOrder = {
        app.ProceedingTemplate, app.ZpTemplate,       app.ContractsTemplate, app.ArticlesTemplate,
        app.RulingsTemplate,    app.RemediesTemplate, app.FormsTemplate};
    CMorvelankApp::Trace("pDocMorvelankTemplate");
    for (CMultiDocTemplate *docTemplate : inFieldOrder)
        docTemplate->SetContainerInfo(kInPlaceContainerResource);
    CMorvelankApp::Trace("AddDocTemplate");
    for (CMultiDocTemplate *docTemplate : inFieldOrder)
        app.AddDocTemplate(docTemplate);
}
