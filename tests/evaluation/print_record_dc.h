// A metafile DC that reports the resolution a test gives it and reads back what was drawn:
// every text with its position, face, height and weight, every polygon (boxes and frames) with
// its bounds, and on which page each was drawn. Pages are marked by RecordingPages, which stands
// in for the printer job and counts the pages started and ended.
#pragma once

#include "evaluation/criteria/calculation_print.h"
#include "framework/core/codepage.h"
#include "framework/ui/gdi.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

struct RecordedText {
    std::string text; // code page 1250, as the program's literals
    int x = 0;
    int y = 0;
    std::string face;
    int height = 0; // the font's height as created (negative: character height)
    int weight = 0;
    int page = -1; // -1: drawn while no page was open
};

struct RecordedBox {
    RECT bounds{};
    int page = -1;
};

class RecordingDC : public CDC {
public:
    RecordingDC(int dpiX, int dpiY) : m_dpiX(dpiX), m_dpiY(dpiY)
    {
        Attach(::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr));
    }
    ~RecordingDC() override { Finish(); }

    int GetDeviceCaps(int index) const override
    {
        if (index == LOGPIXELSX)
            return m_dpiX;
        if (index == LOGPIXELSY)
            return m_dpiY;
        return CDC::GetDeviceCaps(index);
    }

    // Closes the recording and reads it; call once drawing is done.
    void Finish()
    {
        if (m_hDC == nullptr)
            return;
        HENHMETAFILE metafile = ::CloseEnhMetaFile(Detach());
        const UINT size = ::GetEnhMetaFileBits(metafile, 0, nullptr);
        std::vector<BYTE> bits(size);
        ::GetEnhMetaFileBits(metafile, size, bits.data());
        ::DeleteEnhMetaFile(metafile);
        Read(bits);
    }

    std::vector<RecordedText> texts;
    std::vector<RecordedBox> boxes;

    static const char *StartMark() { return "page-start"; }
    static const char *EndMark() { return "page-end"; }

    // The texts equal to text.
    std::vector<RecordedText> Find(const std::string &text) const
    {
        std::vector<RecordedText> found;
        for (const RecordedText &t : texts)
            if (t.text == text)
                found.push_back(t);
        return found;
    }
    bool Has(const std::string &text) const { return !Find(text).empty(); }

private:
    void Read(const std::vector<BYTE> &bits)
    {
        std::map<DWORD, LOGFONTW> fonts;
        LOGFONTW current{};
        int page = -1;
        int pagesStarted = 0;
        for (size_t at = 0; at + sizeof(EMR) <= bits.size();) {
            const EMR *record = reinterpret_cast<const EMR *>(&bits[at]);
            if (record->nSize < sizeof(EMR) || at + record->nSize > bits.size())
                break;
            switch (record->iType) {
            case EMR_EXTCREATEFONTINDIRECTW: {
                auto *font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW *>(record);
                fonts[font->ihFont] = font->elfw.elfLogFont;
                break;
            }
            case EMR_SELECTOBJECT: {
                auto *select = reinterpret_cast<const EMRSELECTOBJECT *>(record);
                auto found = fonts.find(select->ihObject);
                if (found != fonts.end())
                    current = found->second;
                break;
            }
            case EMR_GDICOMMENT: {
                auto *comment = reinterpret_cast<const EMRGDICOMMENT *>(record);
                const std::string data(reinterpret_cast<const char *>(comment->Data), comment->cbData);
                if (data == StartMark())
                    page = pagesStarted++;
                if (data == EndMark())
                    page = -1;
                break;
            }
            case EMR_EXTTEXTOUTW: {
                auto *out = reinterpret_cast<const EMREXTTEXTOUTW *>(record);
                const wchar_t *chars =
                    reinterpret_cast<const wchar_t *>(reinterpret_cast<const BYTE *>(record) + out->emrtext.offString);
                RecordedText text;
                text.text = WideToCp1250(chars, static_cast<int>(out->emrtext.nChars)).GetString();
                text.x = out->emrtext.ptlReference.x;
                text.y = out->emrtext.ptlReference.y;
                text.face = WideToCp1250(current.lfFaceName).GetString();
                text.height = current.lfHeight;
                text.weight = current.lfWeight;
                text.page = page;
                if (!text.text.empty())
                    texts.push_back(text);
                break;
            }
            case EMR_POLYGON16: {
                auto *polygon = reinterpret_cast<const EMRPOLYGON16 *>(record);
                std::vector<POINT> points;
                for (DWORD i = 0; i < polygon->cpts; ++i)
                    points.push_back({polygon->apts[i].x, polygon->apts[i].y});
                AddBox(points, page);
                break;
            }
            case EMR_POLYGON: {
                auto *polygon = reinterpret_cast<const EMRPOLYGON *>(record);
                std::vector<POINT> points;
                for (DWORD i = 0; i < polygon->cptl; ++i)
                    points.push_back({polygon->aptl[i].x, polygon->aptl[i].y});
                AddBox(points, page);
                break;
            }
            default:
                break;
            }
            at += record->nSize;
        }
    }

    void AddBox(const std::vector<POINT> &points, int page)
    {
        if (points.empty())
            return;
        RECT bounds{points[0].x, points[0].y, points[0].x, points[0].y};
        for (const POINT &p : points) {
            bounds.left = std::min(bounds.left, p.x);
            bounds.top = std::min(bounds.top, p.y);
            bounds.right = std::max(bounds.right, p.x);
            bounds.bottom = std::max(bounds.bottom, p.y);
        }
        boxes.push_back({bounds, page});
    }

    int m_dpiX;
    int m_dpiY;
};

// The printer job of a test: marks each page's start and end in the recording and counts them;
// a page started while another is open, or ended while none is, counts as a misuse.
class RecordingPages : public CalculationPageSink {
public:
    explicit RecordingPages(CDC &dc) : m_dc(dc) {}
    void StartPage() override
    {
        if (open)
            ++misuses;
        open = true;
        ++started;
        Mark(RecordingDC::StartMark());
    }
    void EndPage() override
    {
        if (!open)
            ++misuses;
        open = false;
        ++ended;
        Mark(RecordingDC::EndMark());
    }

    int started = 0;
    int ended = 0;
    int misuses = 0;
    bool open = false;

private:
    void Mark(const char *mark)
    {
        ::GdiComment(m_dc.m_hDC, static_cast<UINT>(strlen(mark)), reinterpret_cast<const BYTE *>(mark));
    }
    CDC &m_dc;
};
