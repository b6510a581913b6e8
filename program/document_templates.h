// The program's seven document templates, made from its window classes.
#pragma once

class CMorvelankApp;

// Stores the templates into the application's template members and adds them to its document
// manager in the order of those members.
void CreateDocumentTemplates(CMorvelankApp &app);
