// PNG decoding through the Windows Imaging Component: the system's own PNG
// decoder, converted to 32-bit BGRA (not premultiplied), read from memory.
#include <windows.h>

#include <wincodec.h>

#include <vector>

#include "actions/shared/png_file.h"
#include "base/printf_text.h"
#include "base/win32_owners_win.h"

namespace zelo {

namespace {

std::string Failure(const char* what, HRESULT hr) {
  return PrintfText("damaged PNG file (%s failed, 0x%08lX)", what, static_cast<unsigned long>(hr));
}

}  // namespace

bool DecodePng(std::string_view data, int32_t max_width, int32_t max_height, BitmapPixels* out, std::string* error) {
  *out = BitmapPixels();
  // The run thread may not have COM yet; a thread already in another
  // apartment keeps it, which WIC's free-threaded objects accept.
  const ComInit com;
  ComRef<IWICImagingFactory> factory;
  HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                factory.receive());
  if (FAILED(hr)) {
    *error = PrintfText("the Windows Imaging Component is not available (0x%08lX)", static_cast<unsigned long>(hr));
    return false;
  }
  ComRef<IWICStream> stream;
  if (FAILED(hr = factory->CreateStream(stream.out()))) return *error = Failure("CreateStream", hr), false;
  if (FAILED(hr = stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(data.data())),
                                               static_cast<DWORD>(data.size()))))
    return *error = Failure("InitializeFromMemory", hr), false;
  ComRef<IWICBitmapDecoder> decoder;
  if (FAILED(hr = factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                                   decoder.out())))
    return *error = Failure("CreateDecoderFromStream", hr), false;
  ComRef<IWICBitmapFrameDecode> frame;
  if (FAILED(hr = decoder->GetFrame(0, frame.out()))) return *error = Failure("GetFrame", hr), false;
  UINT width = 0, height = 0;
  if (FAILED(hr = frame->GetSize(&width, &height))) return *error = Failure("GetSize", hr), false;
  if (width == 0 || height == 0) return *error = "the image has no pixels", false;
  if (width > static_cast<UINT>(max_width) || height > static_cast<UINT>(max_height)) {
    *error = PrintfText("the image is %u x %u pixels, larger than %d x %d", width, height, max_width, max_height);
    return false;
  }
  ComRef<IWICFormatConverter> converter;
  if (FAILED(hr = factory->CreateFormatConverter(converter.out())))
    return *error = Failure("CreateFormatConverter", hr), false;
  if (FAILED(hr = converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
                                        0.0, WICBitmapPaletteTypeCustom)))
    return *error = Failure("converting to BGRA", hr), false;
  std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
  if (FAILED(hr = converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size() * 4),
                                        reinterpret_cast<BYTE*>(pixels.data()))))
    return *error = Failure("reading the pixels", hr), false;
  for (uint32_t& p : pixels) p = (p & 0x00FFFFFF) | ((p >> 24) == 0 ? kTransparentPixel : 0);
  out->width = static_cast<int32_t>(width);
  out->height = static_cast<int32_t>(height);
  out->pixels = std::move(pixels);
  return true;
}

}  // namespace zelo
