// A hidden rich-edit control, the view's tables and a host that reads templates from the
// fixtures: what the generation tests share.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "document/engine/template_engine.h"
#include "model/view_tables.h"
#include "fixture_path.h"

class FixtureHost : public GenerationHost {
public:
    int CaptureEditableText() override { return 0; }
    CString ReadDocumentTemplate(int document) override
    {
        requested = document;
        FILE *file = fopen(FixturePath(fileNames[document].c_str()), "rb");
        if (!file)
            return CString();
        std::string text;
        char buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, file)) > 0;)
            text.append(buffer, n);
        fclose(file);
        return CString(text.c_str(), static_cast<int>(text.size()));
    }

    std::string fileNames[kDocumentSlots];
    int requested = -1;
};

class EngineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_NE(nullptr, LoadLibraryW(L"MSFTEDIT.DLL")); }

    void SetUp() override
    {
        control = CreateWindowExW(0, L"RICHEDIT50W", L"", WS_POPUP | ES_MULTILINE, 0, 0, 600, 400, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, control);
        // Wine's control starts from the bold system font; the view's text is not bold.
        CHARFORMAT2W regular = {};
        regular.cbSize = sizeof regular;
        regular.dwMask = CFM_BOLD;
        SendMessageW(control, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&regular));
        tables = std::make_unique<ViewTables>();
        tables->ResetVariables();
        engine = std::make_unique<TemplateEngine>(control, *tables, host);
    }
    void TearDown() override { DestroyWindow(control); }

    // Document 0 made from the fixture.
    void UseTemplate(const char *name, int document = 0)
    {
        host.fileNames[document] = std::string("engine/") + name;
        tables->m_documents[document].fileName = name;
        if (tables->m_nDocumentCount <= document)
            tables->m_nDocumentCount = document + 1;
    }

    VariableSlot &Variable(int number, int type, const char *value, int untouched = 0)
    {
        VariableSlot &slot = tables->m_variables[number];
        slot.type = static_cast<int16_t>(type);
        slot.value = value;
        slot.untouched = untouched;
        return slot;
    }

    std::string Plain() const { return RichEditText(control).GetPlainText().GetString(); }
    std::string TextAt(int position, int length) const
    {
        RichEditText text(control);
        text.SetSel(position, position + length);
        return text.GetSelectedText().GetString();
    }
    const VariableOccurrence &Occurrence(int slot, int document = 0)
    {
        OccurrenceBlock &block = *tables->m_occurrences.Block(document);
        return slot < kFirstHeadingSlot ? *block.Variable(slot) : *block.Heading(slot);
    }

    HWND control = nullptr;
    FixtureHost host;
    std::unique_ptr<ViewTables> tables;
    std::unique_ptr<TemplateEngine> engine;
};
