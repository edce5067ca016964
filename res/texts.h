// Every text the program shows or stores. The sources are UTF-8; the compiler turns
// each literal into GBK bytes (-fexec-charset=GBK), which is what the ANSI API expects.
#pragma once

namespace texts {

inline constexpr char kTitle[] = "澄岳移动硬盘反休眠";
inline constexpr char kDescription[] =
    "设定好读写路径后，程序会每隔5分钟自动在该文件夹内新建一个空文件，然后再删除。"
    "通过这样的方式来防止移动硬盘进入休眠状态";
inline constexpr char kPathLabel[] = "读写路径:";
inline constexpr char kBrowseButton[] = "...";
inline constexpr char kStartButton[] = "开启反休眠";
inline constexpr char kStopButton[] = "关闭反休眠";

// The start button's refusal: prefix + path box text + suffix.
inline constexpr char kFolderMissingPrefix[] = "文件夹【";
inline constexpr char kFolderMissingSuffix[] = "】不存在！请重新选择";
// A start whose settings could not be saved: prefix + settings path + suffix.
inline constexpr char kSettingsNotSavedPrefix[] = "无法保存设置文件【";
inline constexpr char kSettingsNotSavedSuffix[] = "】，反休眠未开启。请检查该文件及其所在文件夹是否只读或被其他程序占用";

inline constexpr char kTrayTipOn[] = "澄岳移动硬盘反休眠 - 已开启";
inline constexpr char kTrayTipOff[] = "澄岳移动硬盘反休眠 - 已关闭";

inline constexpr char kBrowseTitle[] = "请选择读写路径";
inline constexpr char kBrowseDefaultTitle[] = "请选择一个文件夹";

inline constexpr char kInstanceEventName[] = "澄岳硬盘反休眠";
// Stands for an empty event name given to the guard; the program always names its own.
inline constexpr char kInstanceDefaultEventName[] = "DiskKeeperSingleInstance";
inline constexpr char kInstanceRunning[] = "澄岳硬盘反休眠已经运行！";
inline constexpr char kInstanceDefaultMessage[] = "对不起,该进程已打开!";
inline constexpr char kInstanceCaption[] = "友情提醒:";
inline constexpr char kOwnedBoxDefaultCaption[] = "友情提醒";

inline constexpr char kLoadFailed[] = "载入启动窗口失败，程序无法运行";

inline constexpr char kSettingsFile[] = "config.ini";
inline constexpr char kSettingsSection[] = "disk";
inline constexpr char kPathKey[] = "path";
inline constexpr char kRunKey[] = "run";
inline constexpr char kTrue[] = "true";
inline constexpr char kFalse[] = "false";
inline constexpr char kProbeName[] = "temp.tmp";

}  // namespace texts
