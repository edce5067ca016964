#include "ui/main_form.h"

#include <windows.h>

#include <iterator>

#include "engine/keep_awake.h"
#include "res/resource.h"
#include "res/texts.h"
#include "ui/controller.h"
#include "ui/tray.h"
#include "ui/win32_folder_picker.h"

namespace {

constexpr unsigned long kButtonStyle =
    WS_TABSTOP | BS_CENTER | BS_VCENTER | BS_MULTILINE;

constexpr LabelLook kDescriptionLook{RGB(255, 0, 0), -14,
                                     DT_LEFT | DT_WORDBREAK | DT_VCENTER | DT_NOCLIP};
constexpr LabelLook kPathLabelLook{RGB(0, 0, 0), 0,
                                   DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP};

const ControlForm kControls[] = {
    {Control::标签1, ControlKind::Label, "Static", 8, 8, 360, 48, texts::kDescription,
     SS_OWNERDRAW, 0, true, kDescriptionLook, nullptr},
    {Control::标签2, ControlKind::Label, "Static", 8, 64, 56, 24, texts::kPathLabel,
     SS_OWNERDRAW, 0, true, kPathLabelLook, nullptr},
    {Control::编辑框1, ControlKind::Edit, "Edit", 64, 66, 272, 20, "",
     WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, true, {}, nullptr},
    {Control::按钮1, ControlKind::Button, "Button", 336, 65, 32, 20, texts::kBrowseButton,
     kButtonStyle | BS_PUSHBUTTON, 0, true, {}, OnBrowseClicked},
    {Control::按钮2, ControlKind::Button, "Button", 192, 96, 80, 32, texts::kStartButton,
     kButtonStyle | BS_DEFPUSHBUTTON, 0, true, {}, OnStartClicked},
    {Control::按钮3, ControlKind::Button, "Button", 288, 96, 80, 32, texts::kStopButton,
     kButtonStyle | BS_PUSHBUTTON | WS_DISABLED, 0, true, {}, OnStopClicked},
    {Control::时钟1, ControlKind::Timer, nullptr, 0, 0, 0, 0, "", 0, 0, false, {},
     OnKeepAwakeTick},
};

}  // namespace

Form MakeMainForm(Handler onCreated) {
  Form form{};
  form.className = "Quarbecks";
  form.title = texts::kTitle;
  form.width = 380;
  form.height = 170;
  form.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  form.exStyle = 0;
  form.classStyle = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  form.iconResource = IDI_PROGRAM;
  form.visible = true;
  form.controls = kControls;
  form.controlCount = std::size(kControls);
  form.onCreated = onCreated;
  form.onPositionChanged = OnMainWindowPositionChanged;
  form.onSizeChanged = nullptr;
  form.onTrayEvent = OnTrayEvent;
  return form;
}
