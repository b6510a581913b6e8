// Pictures are checked before they reach GDI or the imaging component: a metafile's records
// must lie within its data and a bitmap's rows must all be there, so a damaged picture is
// dropped instead of being played or read past its end.

#include "framework/shell/rich_text_image.h"

#include <objbase.h>
#include <wincodec.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kTwipsPerPixel = 15;     // a bitmap's pixels at 96 per inch
constexpr UINT kMaxDecodedSide = 4096; // larger pictures are scaled down as they are decoded
constexpr int kMaxBitmapSide = 16384;
constexpr int kMaxTwips = 1440 * 60;

struct ComRelease {
    void operator()(IUnknown *object) const
    {
        if (object)
            object->Release();
    }
};
template <class T> using ComPtr = std::unique_ptr<T, ComRelease>;

// COM for the imaging component, for as long as a picture is decoded.
class ComScope {
public:
    ComScope() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope()
    {
        if (SUCCEEDED(m_result))
            CoUninitialize();
    }
    ComScope(const ComScope &) = delete;
    ComScope &operator=(const ComScope &) = delete;

private:
    HRESULT m_result;
};

unsigned ReadU16(const unsigned char *at)
{
    return static_cast<unsigned>(at[0] | (at[1] << 8));
}

unsigned long ReadU32(const unsigned char *at)
{
    return static_cast<unsigned long>(at[0]) | (static_cast<unsigned long>(at[1]) << 8)
           | (static_cast<unsigned long>(at[2]) << 16) | (static_cast<unsigned long>(at[3]) << 24);
}

void PutU32(std::vector<unsigned char> &out, unsigned long value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<unsigned char>((value >> shift) & 0xFF));
}

// Pixels of a PNG, JPEG or BMP file as top-down BGR plus a byte, transparency laid over white.
// `width` and `height` get the picture's own size, the pixels may be scaled down from it.
bool DecodeFile(const std::vector<unsigned char> &file, std::vector<unsigned char> &pixels, int &pixelWidth,
                int &pixelHeight, int &width, int &height)
{
    if (file.empty() || file.size() > 0xFFFFFFFFu)
        return false;
    ComScope com;
    IWICImagingFactory *rawFactory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void **>(&rawFactory))))
        return false;
    ComPtr<IWICImagingFactory> factory(rawFactory);
    IWICStream *rawStream = nullptr;
    if (FAILED(factory->CreateStream(&rawStream)))
        return false;
    ComPtr<IWICStream> stream(rawStream);
    if (FAILED(stream->InitializeFromMemory(const_cast<BYTE *>(file.data()), static_cast<DWORD>(file.size()))))
        return false;
    IWICBitmapDecoder *rawDecoder = nullptr;
    if (FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, &rawDecoder)))
        return false;
    ComPtr<IWICBitmapDecoder> decoder(rawDecoder);
    IWICBitmapFrameDecode *rawFrame = nullptr;
    if (FAILED(decoder->GetFrame(0, &rawFrame)))
        return false;
    ComPtr<IWICBitmapFrameDecode> frame(rawFrame);
    UINT frameWidth = 0;
    UINT frameHeight = 0;
    if (FAILED(frame->GetSize(&frameWidth, &frameHeight)) || frameWidth == 0 || frameHeight == 0)
        return false;
    width = static_cast<int>(std::min<UINT>(frameWidth, kMaxTwips));
    height = static_cast<int>(std::min<UINT>(frameHeight, kMaxTwips));

    IWICBitmapSource *source = frame.get();
    ComPtr<IWICBitmapScaler> scaler;
    UINT outWidth = frameWidth;
    UINT outHeight = frameHeight;
    if (frameWidth > kMaxDecodedSide || frameHeight > kMaxDecodedSide) {
        const double factor = static_cast<double>(kMaxDecodedSide) / std::max(frameWidth, frameHeight);
        outWidth = std::max<UINT>(1, static_cast<UINT>(frameWidth * factor));
        outHeight = std::max<UINT>(1, static_cast<UINT>(frameHeight * factor));
        IWICBitmapScaler *rawScaler = nullptr;
        if (FAILED(factory->CreateBitmapScaler(&rawScaler)))
            return false;
        scaler.reset(rawScaler);
        if (FAILED(scaler->Initialize(frame.get(), outWidth, outHeight, WICBitmapInterpolationModeFant)))
            return false;
        source = scaler.get();
    }
    IWICFormatConverter *rawConverter = nullptr;
    if (FAILED(factory->CreateFormatConverter(&rawConverter)))
        return false;
    ComPtr<IWICFormatConverter> converter(rawConverter);
    if (FAILED(converter->Initialize(source, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return false;
    const UINT stride = outWidth * 4;
    pixels.assign(static_cast<size_t>(stride) * outHeight, 0);
    if (FAILED(converter->CopyPixels(nullptr, stride, static_cast<UINT>(pixels.size()), pixels.data())))
        return false;
    for (size_t i = 0; i + 3 < pixels.size(); i += 4) {
        const unsigned alpha = pixels[i + 3];
        for (size_t c = 0; c < 3; ++c)
            pixels[i + c] = static_cast<unsigned char>((pixels[i + c] * alpha + 255 * (255 - alpha)) / 255);
        pixels[i + 3] = 0;
    }
    pixelWidth = static_cast<int>(outWidth);
    pixelHeight = static_cast<int>(outHeight);
    return true;
}

// A packed device-independent bitmap (header, colours, bits) as a BMP file.
bool DibAsFile(const std::vector<unsigned char> &dib, std::vector<unsigned char> &file)
{
    if (dib.size() < 40)
        return false;
    const unsigned long headerSize = ReadU32(dib.data());
    if (headerSize < 40 || headerSize > dib.size())
        return false;
    const unsigned bitCount = ReadU16(dib.data() + 14);
    const unsigned long compression = ReadU32(dib.data() + 16);
    const unsigned long used = ReadU32(dib.data() + 32);
    if (used > 256)
        return false;
    const unsigned long colours = used ? used : (bitCount <= 8 ? 1ul << bitCount : 0);
    const unsigned long masks = compression == BI_BITFIELDS && headerSize == 40 ? 12 : 0;
    const unsigned long bitsAt = headerSize + masks + colours * 4;
    if (bitsAt >= dib.size())
        return false;
    file.clear();
    file.push_back('B');
    file.push_back('M');
    PutU32(file, static_cast<unsigned long>(14 + dib.size()));
    PutU32(file, 0);
    PutU32(file, 14 + bitsAt);
    file.insert(file.end(), dib.begin(), dib.end());
    return true;
}

// Pixels as the decoder leaves them: 32-bit, first row at the top.
BITMAPINFO TopDownRgbInfo(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A device-dependent bitmap's rows, as GDI reads them back in 32 bits a pixel.
bool DecodeDdb(const RichTextPicture &picture, std::vector<unsigned char> &pixels)
{
    const int width = picture.width;
    const int height = picture.height;
    const int bits = picture.ddbBitsPerPixel;
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide || picture.ddbPlanes != 1
        || (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return false;
    const size_t rowBytes = (static_cast<size_t>(width) * bits + 15) / 16 * 2; // rows of whole words
    const size_t given = picture.ddbWidthBytes > 0 ? static_cast<size_t>(picture.ddbWidthBytes) : rowBytes;
    if (given < rowBytes || picture.data.size() / given < static_cast<size_t>(height))
        return false;
    std::vector<unsigned char> rows(rowBytes * height);
    for (int y = 0; y < height; ++y)
        memcpy(&rows[rowBytes * y], &picture.data[given * y], rowBytes);
    HBITMAP bitmap = CreateBitmap(width, height, 1, static_cast<UINT>(bits), rows.data());
    if (!bitmap)
        return false;
    BITMAPINFO info = TopDownRgbInfo(width, height);
    pixels.assign(static_cast<size_t>(width) * height * 4, 0);
    HDC screen = GetDC(nullptr);
    const int read = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    return read == height;
}

// An enhanced metafile whose records all lie within its data and end with its last record.
bool IsWholeEnhMetafile(const std::vector<unsigned char> &data)
{
    if (data.size() < sizeof(ENHMETAHEADER))
        return false;
    const unsigned char *bytes = data.data();
    if (ReadU32(bytes) != EMR_HEADER || ReadU32(bytes + 40) != ENHMETA_SIGNATURE)
        return false;
    const unsigned long total = ReadU32(bytes + 48);
    if (total > data.size())
        return false;
    for (unsigned long at = 0; at + 8 <= total;) {
        const unsigned long type = ReadU32(bytes + at);
        const unsigned long size = ReadU32(bytes + at + 4);
        if (size < 8 || size % 4 != 0 || size > total - at)
            return false;
        if (type == EMR_EOF)
            return true;
        at += size;
    }
    return false;
}

// A Windows metafile (its placeable header taken off) whose records lie within its data.
bool WholeWindowsMetafile(const std::vector<unsigned char> &data, std::vector<unsigned char> &metafile)
{
    size_t start = 0;
    if (data.size() >= 22 && ReadU32(data.data()) == 0x9AC6CDD7ul)
        start = 22;
    if (data.size() < start + 18)
        return false;
    const unsigned char *bytes = data.data() + start;
    const size_t available = data.size() - start;
    if (ReadU16(bytes + 2) != 9) // the header's size in words
        return false;
    const size_t total = static_cast<size_t>(ReadU32(bytes + 6)) * 2;
    if (total < 18 || total > available)
        return false;
    for (size_t at = 18; at + 6 <= total;) {
        const size_t size = static_cast<size_t>(ReadU32(bytes + at)) * 2;
        if (size < 6 || size > total - at)
            return false;
        if (ReadU16(bytes + at + 4) == 0) { // the last record
            metafile.assign(bytes, bytes + total);
            return true;
        }
        at += size;
    }
    return false;
}

int HimetricToTwips(long value)
{
    return static_cast<int>(std::min<long long>(static_cast<long long>(value) * 1440 / 2540, kMaxTwips));
}

// A metafile picture's size in twips: the document's own (hundredths of a millimetre), or the
// frame the metafile gives.
SIZE MetafileSize(HENHMETAFILE metafile, const RichTextPicture &picture)
{
    ENHMETAHEADER header = {};
    GetEnhMetaFileHeader(metafile, sizeof header, &header);
    return {HimetricToTwips(picture.width > 0 ? picture.width : header.rclFrame.right - header.rclFrame.left),
            HimetricToTwips(picture.height > 0 ? picture.height : header.rclFrame.bottom - header.rclFrame.top)};
}

} // namespace

std::shared_ptr<const RichTextImage> RichTextImage::Decode(const RichTextPicture &picture)
{
    using Kind = RichTextPicture::Kind;
    std::shared_ptr<RichTextImage> image(new RichTextImage());
    SIZE natural = {0, 0}; // twips, before the size the document asks for
    switch (picture.kind) {
    case Kind::Png:
    case Kind::Jpeg:
    case Kind::Dib: {
        std::vector<unsigned char> file;
        if (picture.kind == Kind::Dib && !DibAsFile(picture.data, file))
            return nullptr;
        int width = 0;
        int height = 0;
        if (!DecodeFile(picture.kind == Kind::Dib ? file : picture.data, image->m_pixels, image->m_width,
                        image->m_height, width, height))
            return nullptr;
        natural.cx = (picture.width > 0 ? picture.width : width) * kTwipsPerPixel;
        natural.cy = (picture.height > 0 ? picture.height : height) * kTwipsPerPixel;
        break;
    }
    case Kind::Ddb:
        if (!DecodeDdb(picture, image->m_pixels))
            return nullptr;
        image->m_width = picture.width;
        image->m_height = picture.height;
        natural.cx = picture.width * kTwipsPerPixel;
        natural.cy = picture.height * kTwipsPerPixel;
        break;
    case Kind::Emf: {
        if (!IsWholeEnhMetafile(picture.data))
            return nullptr;
        image->m_metafile = SetEnhMetaFileBits(static_cast<UINT>(picture.data.size()), picture.data.data());
        if (!image->m_metafile)
            return nullptr;
        natural = MetafileSize(image->m_metafile, picture);
        break;
    }
    case Kind::Wmf: {
        std::vector<unsigned char> metafile;
        if (!WholeWindowsMetafile(picture.data, metafile))
            return nullptr;
        METAFILEPICT mapping = {picture.metafileMapping, picture.width, picture.height, nullptr};
        image->m_metafile = SetWinMetaFileBits(static_cast<UINT>(metafile.size()), metafile.data(), nullptr, &mapping);
        if (!image->m_metafile)
            return nullptr;
        natural = MetafileSize(image->m_metafile, picture);
        break;
    }
    case Kind::Unknown:
        return nullptr;
    }
    // The size the document asks for; one stated side keeps the picture's proportions.
    SIZE size = natural;
    if (picture.goalWidth > 0 && picture.goalHeight > 0) {
        size = {picture.goalWidth, picture.goalHeight};
    } else if (picture.goalWidth > 0 && natural.cx > 0) {
        size = {picture.goalWidth, MulDiv(natural.cy, picture.goalWidth, natural.cx)};
    } else if (picture.goalHeight > 0 && natural.cy > 0) {
        size = {MulDiv(natural.cx, picture.goalHeight, natural.cy), picture.goalHeight};
    }
    size.cx = std::min(MulDiv(size.cx, picture.scaleX, 100), kMaxTwips);
    size.cy = std::min(MulDiv(size.cy, picture.scaleY, 100), kMaxTwips);
    if (size.cx <= 0 || size.cy <= 0)
        return nullptr;
    image->m_size = size;
    return image;
}

RichTextImage::~RichTextImage()
{
    if (m_metafile)
        DeleteEnhMetaFile(m_metafile);
}

void RichTextImage::Draw(HDC dc, const RECT &box) const
{
    if (m_metafile) {
        PlayEnhMetaFile(dc, m_metafile, &box);
        return;
    }
    BITMAPINFO info = TopDownRgbInfo(m_width, m_height);
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    POINT oldOrigin = {};
    SetBrushOrgEx(dc, 0, 0, &oldOrigin);
    StretchDIBits(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, 0, 0, m_width, m_height,
                  m_pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    SetStretchBltMode(dc, oldMode);
}
