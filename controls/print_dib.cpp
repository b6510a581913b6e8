#include "controls/print_dib.h"

#include "framework/core/file.h"

#include <cstdint>
#include <cstring>

namespace {

const WORD BITMAP_FILE_TYPE = 0x4D42; // "BM"
const UINT READ_BLOCK = 0x8000;

bool ReadExactly(CFile &file, void *buffer, UINT count)
{
    return file.Read(buffer, count) == count;
}

// The header of the picture, widened to 40 bytes, and its palette in 4-byte entries; the file
// then stands at the bits. False for anything that is not a picture this reader can take.
bool ReadDibHeader(CFile &file, BITMAPINFOHEADER &header, RGBQUAD *palette, int &colours)
{
    const ULONGLONG length = file.GetLength();
    BITMAPFILEHEADER fileHeader{};
    DWORD bitsOffset = 0;
    if (ReadExactly(file, &fileHeader, sizeof fileHeader) && fileHeader.bfType == BITMAP_FILE_TYPE)
        bitsOffset = fileHeader.bfOffBits;
    else
        file.SeekToBegin(); // a bare picture without the file header

    DWORD headerSize = 0;
    if (!ReadExactly(file, &headerSize, sizeof headerSize))
        return false;
    std::memset(&header, 0, sizeof header);
    header.biSize = sizeof header;
    bool core = false;
    if (headerSize == sizeof(BITMAPCOREHEADER)) {
        BITMAPCOREHEADER coreHeader{};
        if (!ReadExactly(file, &coreHeader.bcWidth, sizeof coreHeader - sizeof headerSize))
            return false;
        header.biWidth = coreHeader.bcWidth;
        header.biHeight = coreHeader.bcHeight;
        header.biPlanes = coreHeader.bcPlanes;
        header.biBitCount = coreHeader.bcBitCount;
        core = true;
    } else if (headerSize == sizeof(BITMAPINFOHEADER)) {
        if (!ReadExactly(file, &header.biWidth, sizeof header - sizeof headerSize))
            return false;
    } else {
        return false;
    }

    const int bits = header.biBitCount;
    if (header.biWidth <= 0 || header.biHeight == 0 || header.biPlanes != 1)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    const DWORD compression = header.biCompression;
    const bool runLength = (compression == BI_RLE8 && bits == 8) || (compression == BI_RLE4 && bits == 4);
    if (compression != BI_RGB && !runLength)
        return false;

    const uint64_t rows = header.biHeight < 0 ? -static_cast<int64_t>(header.biHeight) : header.biHeight;
    const uint64_t needed = (static_cast<uint64_t>(bits) * header.biWidth + 31) / 32 * 4 * rows;
    if (runLength) {
        if (header.biSizeImage == 0)
            return false;
    } else if (header.biSizeImage < needed) {
        // A size too small for the picture would make the drawing read past the bits.
        if (needed > length)
            return false;
        header.biSizeImage = static_cast<DWORD>(needed);
    }

    colours = static_cast<int>(header.biClrUsed);
    if (colours == 0)
        colours = bits == 1 ? 2 : bits == 4 ? 16 : bits == 8 ? 256 : 0;
    if (colours < 0 || colours > 256)
        return false;
    header.biClrUsed = colours;
    for (int i = 0; i < colours; ++i) {
        if (!ReadExactly(file, &palette[i], core ? sizeof(RGBTRIPLE) : sizeof(RGBQUAD)))
            return false;
        if (core)
            palette[i].rgbReserved = 0;
    }

    if (bitsOffset != 0) {
        if (bitsOffset > length)
            return false;
        file.Seek(bitsOffset, CFile::begin);
    }
    return header.biSizeImage <= length - file.GetPosition();
}

} // namespace

HGLOBAL LoadDib(const char *fileName)
{
    CFile file;
    if (!file.Open(fileName, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary))
        return nullptr;
    BITMAPINFOHEADER header;
    RGBQUAD palette[256];
    int colours = 0;
    if (!ReadDibHeader(file, header, palette, colours))
        return nullptr;

    const SIZE_T paletteSize = colours * sizeof(RGBQUAD);
    HGLOBAL dib = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof header + paletteSize + header.biSizeImage);
    if (dib == nullptr)
        return nullptr;
    BYTE *block = static_cast<BYTE *>(::GlobalLock(dib));
    std::memcpy(block, &header, sizeof header);
    std::memcpy(block + sizeof header, palette, paletteSize);
    BYTE *bits = block + sizeof header + paletteSize;
    bool complete = true;
    for (DWORD done = 0; done < header.biSizeImage && complete;) {
        const UINT count = header.biSizeImage - done < READ_BLOCK ? header.biSizeImage - done : READ_BLOCK;
        complete = ReadExactly(file, bits + done, count);
        done += count;
    }
    ::GlobalUnlock(dib);
    if (!complete) {
        ::GlobalFree(dib);
        return nullptr;
    }
    return dib;
}

BOOL StretchDib(HDC dc, HGLOBAL dib, int x, int y, int width, int height)
{
    const BITMAPINFO *info = static_cast<const BITMAPINFO *>(::GlobalLock(dib));
    if (info == nullptr)
        return FALSE;
    const BITMAPINFOHEADER &header = info->bmiHeader;
    const BYTE *bits = reinterpret_cast<const BYTE *>(info) + header.biSize + header.biClrUsed * sizeof(RGBQUAD);
    const int rows = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    const int drawn =
        ::StretchDIBits(dc, x, y, width, height, 0, 0, header.biWidth, rows, bits, info, DIB_RGB_COLORS, SRCCOPY);
    ::GlobalUnlock(dib);
    return drawn > 0;
}
