#include "platform/win32/form_picture.h"

#include <olectl.h>

namespace tarvio::platform::win32 {

ScopedComPtr<IPicture> LoadJpegResource(int resource) {
  ScopedComPtr<IPicture> picture;
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(resource), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  const DWORD size = found != nullptr ? SizeofResource(nullptr, found) : 0;
  HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  // The stream takes over the copy; OLE reads the picture from the stream.
  ScopedGlobal copy(bytes != nullptr ? GlobalAlloc(GMEM_MOVEABLE, size) : nullptr);
  void* target = copy ? GlobalLock(copy.Get()) : nullptr;
  if (target == nullptr) return picture;
  CopyMemory(target, bytes, size);
  GlobalUnlock(copy.Get());
  ScopedComPtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(copy.Get(), TRUE, stream.Receive()))) return picture;
  copy.Detach();
  if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                            reinterpret_cast<void**>(picture.Receive())))) {
    picture.Reset();
  }
  return picture;
}

void DrawPicture(IPicture& picture, const DRAWITEMSTRUCT& item) {
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture.get_Width(&width);
  picture.get_Height(&height);
  const RECT& r = item.rcItem;
  // HIMETRIC runs upwards: the source starts at the bottom.
  picture.Render(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, height, width, -height, nullptr);
}

}  // namespace tarvio::platform::win32
