#include "menus/DisplayMenu.h"

#include <string>

#include "console/TypeLine.h"
#include "dispatch/Actions.h"

namespace vantrel {
namespace {

// Unlike the Start button's prompts, an empty entry still types the prefix.
void typePrefixWithEntry(FormContext& form, std::u16string_view prompt,
                         std::u16string_view defaultEntry, std::u16string_view prefix) {
    form.view.setStatusText(u"");
    const std::u16string entry = form.platform.inputPrompt(prompt, kPromptTitle, defaultEntry);
    typeLine(form, std::u16string(prefix) + entry);
}

void typeThenShow(FormContext& form, std::u16string_view line, std::u16string_view status) {
    form.view.setStatusText(u"");
    typeLineThenShow(form, line, status);
}

}  // namespace

void xgfbl_Click(FormContext& form) {
    typePrefixWithEntry(form, u"请输入要更改安卓设备的分辨率。", u"240x240", u"adb shell wm size ");
}

void xgdpi_Click(FormContext& form) {
    typePrefixWithEntry(form, u"请输入要更改安卓设备的DPI。", u"150", u"adb shell wm density ");
}

void xsfpl_Click(FormContext& form) {
    runFixedLine(form, u"adb shell wm size");
}

void xsdpi_Click(FormContext& form) {
    runFixedLine(form, u"adb shell wm density");
}

void hffpl_Click(FormContext& form) {
    runFixedLine(form, u"adb shell wm size reset");
}

void hfdpi_Click(FormContext& form) {
    runFixedLine(form, u"adb shell wm density reset");
}

void jp_Click(FormContext& form) {
    typeThenShow(form, u"adb shell screencap -p /sdcard/test.png", u"/sdcard/test.png已截屏");
}

void tstp_Click(FormContext& form) {
    typeThenShow(form, u"adb pull /sdcard/test.png C:\\ADB", u"已推送到电脑C:\\ADB");
}

void jz_Click(FormContext& form) {
    runFixedLine(form, u"start C:\\adb\\adbjz.doc");
}

}  // namespace vantrel
