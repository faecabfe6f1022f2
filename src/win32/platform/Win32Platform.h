#pragma once

#include "ports/Platform.h"

namespace vantrel::win32 {

// The operating system as the tool uses it on Windows.
class Win32Platform final : public Platform {
  public:
    std::vector<ConsoleWindow> consoleWindows() override;
    PostResult postCharacter(WindowHandle window, char16_t codeUnit) override;
    bool startConsole(std::optional<std::u16string_view> workingFolder) override;
    bool terminalWindowShown() override;

    EntryKind entryKind(std::u16string_view path) override;
    std::optional<std::vector<std::uint8_t>> readFileStart(std::u16string_view path,
                                                           std::size_t maxBytes) override;
    bool isDirectory(std::u16string_view path) override;
    bool createDirectory(std::u16string_view path) override;
    bool removeEmptyDirectory(std::u16string_view path) override;
    bool deleteFile(std::u16string_view path) override;

    LocalTime localTime() override;

    std::optional<std::u16string> environmentVariable(std::u16string_view name) override;
    void setEnvironmentVariable(std::u16string_view name,
                                std::optional<std::u16string_view> value) override;
};

}  // namespace vantrel::win32
