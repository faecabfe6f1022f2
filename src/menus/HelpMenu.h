#pragma once

#include "window/FormContext.h"

namespace vantrel {

// Items of the menu "帮助".
void adbhelp_Click(FormContext& form);  // "adb帮助"
void BLhelp_Click(FormContext& form);   // "fastboot帮助"
void bzfile_Click(FormContext& form);   // "帮助文件"
void gy_Click(FormContext& form);       // "关于"

}  // namespace vantrel
