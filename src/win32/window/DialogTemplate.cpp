#include "win32/window/DialogTemplate.h"

namespace vantrel::win32 {
namespace {

// Where DLGTEMPLATE keeps its item count, in WORDs from the start.
constexpr std::size_t kItemCountWord = 4;

}  // namespace

DialogTemplate::DialogTemplate(DWORD style, DialogRect rect, std::wstring_view title,
                               WORD fontPoints, std::wstring_view fontFace) {
    appendDword(style);
    appendDword(0);       // extended style
    words_.push_back(0);  // item count, raised by addControl
    appendRect(rect);
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the standard dialog class
    appendString(title);
    words_.push_back(fontPoints);
    appendString(fontFace);
}

void DialogTemplate::addControl(DialogControl kind, WORD id, DWORD style, DWORD exStyle,
                                DialogRect rect, std::wstring_view text) {
    alignToDword();
    appendDword(style);
    appendDword(exStyle);
    appendRect(rect);
    words_.push_back(id);
    words_.push_back(0xFFFF);  // the class follows as a predefined atom
    words_.push_back(static_cast<WORD>(kind));
    appendString(text);
    words_.push_back(0);  // no creation data
    ++words_[kItemCountWord];
}

void DialogTemplate::appendDword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
}

void DialogTemplate::appendRect(DialogRect rect) {
    for (const short value : {rect.x, rect.y, rect.width, rect.height}) {
        words_.push_back(static_cast<WORD>(value));
    }
}

void DialogTemplate::appendString(std::wstring_view text) {
    words_.insert(words_.end(), text.begin(), text.end());
    words_.push_back(0);
}

void DialogTemplate::alignToDword() {
    if (words_.size() % 2 != 0) {
        words_.push_back(0);
    }
}

}  // namespace vantrel::win32
