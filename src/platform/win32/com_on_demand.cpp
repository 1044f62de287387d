#include "platform/win32/com_on_demand.h"

#include "platform/win32/system_files.h"

namespace tarvio::platform::win32 {
namespace {

constexpr DWORD kApartmentWithoutDde = 0x2 | 0x4;  // COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE
using CoInitializeExFunction = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoUninitializeFunction = void(WINAPI*)();

}  // namespace

ComOnDemand::~ComOnDemand() {
  if (uninitialize_ != nullptr) uninitialize_();
}

bool ComOnDemand::Start() {
  if (uninitialize_ != nullptr) return true;
  if (!ole32_) {
    ole32_.Reset(LoadSystemLibrary("ole32.dll"));
    if (!ole32_) return false;
  }
  const auto initialize = AsFunction<CoInitializeExFunction>(GetProcAddress(ole32_.Get(), "CoInitializeEx"));
  const auto uninitialize = AsFunction<CoUninitializeFunction>(GetProcAddress(ole32_.Get(), "CoUninitialize"));
  // S_FALSE counts too (COM ran on this thread already): each start is ended once.
  if (initialize == nullptr || uninitialize == nullptr || FAILED(initialize(nullptr, kApartmentWithoutDde))) {
    return false;
  }
  uninitialize_ = uninitialize;
  return true;
}

}  // namespace tarvio::platform::win32
