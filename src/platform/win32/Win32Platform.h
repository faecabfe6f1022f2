#pragma once

#include <windows.h>

#include "platform/Platform.h"

namespace vantrel::win32 {

// The operating system as the tool uses it on Windows.
class Win32Platform final : public Platform {
  public:
    // The main window, which owns the input and message boxes; until it is
    // set they have no owner.
    void setOwnerWindow(HWND owner) { owner_ = owner; }

    WindowHandle findConsoleWindow() override;
    bool postCharacter(WindowHandle window, char16_t codeUnit) override;
    bool startConsole() override;

    std::u16string inputPrompt(std::u16string_view prompt, std::u16string_view title,
                               std::u16string_view defaultText) override;
    int confirmBox(std::u16string_view prompt, int style, std::u16string_view title) override;

    EntryKind entryKind(std::u16string_view path) override;
    bool createDirectory(std::u16string_view path) override;
    bool removeEmptyDirectory(std::u16string_view path) override;
    bool deleteFile(std::u16string_view path) override;

    LocalTime localTime() override;

  private:
    HWND owner_ = nullptr;
};

}  // namespace vantrel::win32
