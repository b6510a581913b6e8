#pragma once
// Pictures of a rich-text document made drawable: PNG and JPEG through the imaging component,
// bitmaps through GDI, metafiles as enhanced metafiles. Nothing here decodes a format itself.

#include "framework/shell/rich_text_document.h"

#include <windows.h>

#include <memory>
#include <vector>

class RichTextImage {
public:
    // Null when the picture is damaged or of a kind that is not drawn.
    static std::shared_ptr<const RichTextImage> Decode(const RichTextPicture &picture);

    ~RichTextImage();
    RichTextImage(const RichTextImage &) = delete;
    RichTextImage &operator=(const RichTextImage &) = delete;

    // The size the document asks for, in twips; never empty.
    SIZE Size() const { return m_size; }

    // Stretches the picture into the box, in the DC's logical units.
    void Draw(HDC dc, const RECT &box) const;

private:
    RichTextImage() = default;

    std::vector<unsigned char> m_pixels; // top-down, four bytes a pixel (BGR and one unused)
    int m_width = 0;
    int m_height = 0;
    HENHMETAFILE m_metafile = nullptr; // instead of pixels
    SIZE m_size = {0, 0};
};
