#include "driver/MenuBarReader.h"

#include <sstream>
#include <stdexcept>
#include <string>

#include "driver/ProgramProbe.h"
#include "probe/ProbeProtocol.h"

namespace e2e {
namespace {

UINT parseNumber(const std::wstring& field) {
    return static_cast<UINT>(std::stoul(field));
}

std::vector<MenuEntry> parseMenuBar(const std::wstring& description) {
    std::vector<MenuEntry> bar;
    std::wistringstream lines(description);
    std::wstring line;
    while (std::getline(lines, line)) {
        std::wistringstream fields(line);
        std::wstring depth, id, type, state, submenu, caption;
        std::getline(fields, depth, L'\t');
        std::getline(fields, id, L'\t');
        std::getline(fields, type, L'\t');
        std::getline(fields, state, L'\t');
        std::getline(fields, submenu, L'\t');
        std::getline(fields, caption);
        MenuEntry entry{
            caption, parseNumber(id), parseNumber(type), parseNumber(state), submenu == L"1", {}};
        if (depth == L"0") {
            bar.push_back(std::move(entry));
        } else if (depth == L"1" && !bar.empty()) {
            bar.back().items.push_back(std::move(entry));
        } else {
            throw std::runtime_error("the menu bar is nested deeper than menus and their items");
        }
    }
    return bar;
}

}  // namespace

std::vector<MenuEntry> readMenuBar(HWND mainWindow) {
    return parseMenuBar(askProbe(mainWindow, probe::kMenuBarData));
}

}  // namespace e2e
