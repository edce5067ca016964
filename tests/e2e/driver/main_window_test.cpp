// The main window as a user first sees it: place, frame, controls, keyboard, closing.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/e2e/driver/program_fixture.h"

namespace {

using MainWindow = ProgramTest;

TEST_F(MainWindow, ComesUpCentredWithItsTitleAndFrame) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);

  EXPECT_EQ(TextOf(main),
            "\xb3\xce\xd4\xc0\xd2\xc6\xb6\xaf\xd3\xb2\xc5\xcc\xb7\xb4\xd0\xdd\xc3\xdf");
  RECT frame;
  GetWindowRect(main, &frame);
  EXPECT_EQ(frame.right - frame.left, 380);
  EXPECT_EQ(frame.bottom - frame.top, 170);
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 380) / 2);
  EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 170) / 2);

  const LONG_PTR style = StyleOf(main);
  for (LONG_PTR wanted : {LONG_PTR{WS_CAPTION}, LONG_PTR{WS_SYSMENU}, LONG_PTR{WS_MINIMIZEBOX}, LONG_PTR{WS_CLIPCHILDREN}}) {
    EXPECT_EQ(style & wanted, wanted) << std::hex << wanted;
  }
  for (LONG_PTR unwanted : {LONG_PTR{WS_THICKFRAME}, LONG_PTR{WS_MAXIMIZEBOX}, LONG_PTR{WS_POPUP}}) {
    EXPECT_EQ(style & unwanted, 0) << std::hex << unwanted;
  }
  EXPECT_EQ(ExStyleOf(main) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_APPWINDOW), 0);
  EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
  EXPECT_EQ(GetClassLongPtrA(main, GCL_STYLE), CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);
}

struct ExpectedControl {
  MainChild child;
  const char* className;
  RECT place;  // left, top, right, bottom in the window's client area
  const char* text;
  bool enabled;
  LONG_PTR styles;  // styles the control must have
};

const ExpectedControl kExpectedControls[] = {
    {kDescription, "Static", {8, 8, 368, 56},
     "设定好读写路径后，程序会每隔5分钟自动在该文件夹内新建一个空文件，然后再删除。"
     "通过这样的方式来防止移动硬盘进入休眠状态",
     true, 0},
    {kPathLabel, "Static", {8, 64, 64, 88}, "读写路径:", true, 0},
    {kPathBox, "Edit", {64, 66, 336, 86}, "", true, WS_TABSTOP | ES_AUTOHSCROLL},
    {kBrowse, "Button", {336, 65, 368, 85}, "...", true,
     WS_TABSTOP | BS_CENTER | BS_VCENTER | BS_MULTILINE},
    {kStart, "Button", {192, 96, 272, 128}, "开启反休眠", true,
     WS_TABSTOP | BS_DEFPUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE},
    {kStop, "Button", {288, 96, 368, 128}, "关闭反休眠", false,
     WS_TABSTOP | BS_CENTER | BS_VCENTER | BS_MULTILINE},
};

TEST_F(MainWindow, ControlsStandWhereTheFormPutsThem) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  for (const ExpectedControl& expected : kExpectedControls) {
    SCOPED_TRACE(expected.text);
    HWND control = Child(main, expected.child);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(ClassNameOf(control), expected.className);
    RECT place = RectInParent(control);
    EXPECT_EQ(place.left, expected.place.left);
    EXPECT_EQ(place.top, expected.place.top);
    EXPECT_EQ(place.right, expected.place.right);
    EXPECT_EQ(place.bottom, expected.place.bottom);
    EXPECT_EQ(TextOf(control), expected.text);
    EXPECT_EQ(IsWindowEnabled(control) != FALSE, expected.enabled);
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_EQ(StyleOf(control) & expected.styles, expected.styles);
  }
  EXPECT_EQ(StyleOf(Child(main, kBrowse)) & BS_DEFPUSHBUTTON, 0);
  EXPECT_EQ(StyleOf(Child(main, kStop)) & BS_DEFPUSHBUTTON, 0);
  EXPECT_TRUE(ExStyleOf(Child(main, kPathBox)) & WS_EX_CLIENTEDGE);
  // The keep-awake timer owns a window that is never shown.
  HWND timer = Child(main, kTimer);
  ASSERT_NE(timer, nullptr);
  EXPECT_FALSE(IsWindowVisible(timer));
}

TEST_F(MainWindow, DescriptionIsPaintedRed) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  HWND label = Child(main, kDescription);
  int red = 0;
  WaitUntil([&] {
    RECT area;
    GetWindowRect(label, &area);
    HDC screen = GetDC(nullptr);
    red = 0;
    for (int y = area.top; y < area.bottom; y += 1) {
      for (int x = area.left; x < area.right; x += 2) {
        COLORREF pixel = GetPixel(screen, x, y);
        if (GetRValue(pixel) > 200 && GetGValue(pixel) < 90 && GetBValue(pixel) < 90) ++red;
      }
    }
    ReleaseDC(nullptr, screen);
    return red > 200;
  }, 5000);
  EXPECT_GT(red, 200) << "the description label shows no red text";
}

TEST_F(MainWindow, EscapeDoesNotCloseIt) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  for (HWND target : {Child(main, kPathBox), Child(main, kStart), main}) {
    PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
  }
  Sleep(500);
  EXPECT_TRUE(program_.IsRunning());
  EXPECT_TRUE(IsWindow(main) && IsWindowVisible(main));
}

// Enter in the path box presses the start button while it is enabled, and does nothing
// while keep-awake is on and the button is disabled.
TEST_F(MainWindow, EnterPressesTheStartButtonOnlyWhileItIsEnabled) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  HWND box = Child(main, kPathBox);
  auto pressEnter = [&] {
    PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(box, WM_KEYUP, VK_RETURN, 0xC01C0001);
  };

  pressEnter();  // empty box: the start refuses with its message
  HWND refusal = WaitForDialog();
  ASSERT_NE(refusal, nullptr) << "Enter did not press the start button";
  PressDialogButton(refusal, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(refusal); }));

  SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder_.c_str()));
  pressEnter();  // an existing folder: keep-awake goes on
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(Child(main, kStart)); }, 5000));

  SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Q:\\no such folder"));
  pressEnter();  // the start button is disabled now: nothing at all happens
  EXPECT_EQ(WaitForDialog(1500), nullptr);
  EXPECT_FALSE(IsWindowEnabled(Child(main, kStart)));
  EXPECT_TRUE(IsWindowEnabled(Child(main, kStop)));
  EXPECT_EQ(TextOf(box), "Q:\\no such folder");
}

TEST_F(MainWindow, ClosingEndsTheProcessWithExitCodeZero) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
}

}  // namespace
