// The baseline of the benchmark: one empty window and a message loop, nothing else.
#include <windows.h>

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "MinimalWindow";
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassA(&windowClass);
  // The same frame, size and first showing as the program's main window.
  HWND window = CreateWindowExA(0, "MinimalWindow", "minimal",
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                (GetSystemMetrics(SM_CXSCREEN) - 380) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - 170) / 2, 380, 170, nullptr,
                                nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
