#pragma once

#include "window/FormContext.h"

namespace vantrel {

// Items of the menu "显示": the phone's screen settings, screenshots and the key-code document.
void xgfbl_Click(FormContext& form);  // "修改分辨率"
void xgdpi_Click(FormContext& form);  // "修改DPI"
void xsfpl_Click(FormContext& form);  // "显示分辨率"
void xsdpi_Click(FormContext& form);  // "显示DPI"
void hffpl_Click(FormContext& form);  // "恢复默认分辨率"
void hfdpi_Click(FormContext& form);  // "恢复默认DPI"
void jp_Click(FormContext& form);     // "截屏"
void tstp_Click(FormContext& form);   // "推送图片"
void jz_Click(FormContext& form);     // "键值"

}  // namespace vantrel
