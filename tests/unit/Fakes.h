#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/Form.h"
#include "ports/Platform.h"
#include "ports/View.h"

namespace vantrel::testing {

// UTF-8 for test names and messages.
inline std::string utf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

struct Post {
    WindowHandle window;
    char16_t unit;
    bool operator==(const Post&) const = default;
};

// Records every platform call; answers come from fields the test sets. Its
// file system behaves as Windows' does: names ignore case, folders are made
// one level at a time, and a hidden folder is still a folder.
class FakePlatform : public Platform {
  public:
    struct Entry {
        bool directory = false;
        bool hiddenOrSystem = false;
    };

    // Top-level console windows, first in Z order first; one visible console by default.
    std::vector<ConsoleWindow> consoles{{0x1234, true}};
    // Fails the post with this zero-based index, when set, in this way.
    int failPostAt = -1;
    PostResult failure = PostResult::Failed;
    std::vector<Post> posts;
    std::map<std::u16string, Entry> entries;
    std::vector<std::u16string> unmakeableDirectories;
    std::vector<std::u16string> unremovable;
    bool consoleStarts = true;
    int consoleStartCount = 0;
    // The folder each console start asked for, in order; empty for none.
    std::vector<std::u16string> consoleFolders;
    std::function<void()> onConsoleStart;
    bool terminalShown = false;
    // The contents of files that readFileStart reads; a file not listed cannot be read.
    std::map<std::u16string, std::vector<std::uint8_t>> fileContents;
    std::vector<std::size_t> readSizes;  // maxBytes of every read
    LocalTime now{2027, 3, 5, 9, 7, 3};
    int clockReadings = 0;
    std::map<std::u16string, std::u16string> environment;

    std::vector<ConsoleWindow> consoleWindows() override { return consoles; }

    PostResult postCharacter(WindowHandle window, char16_t unit) override {
        if (static_cast<int>(posts.size()) == failPostAt) {
            failPostAt = -1;
            return failure;
        }
        posts.push_back({window, unit});
        return PostResult::Posted;
    }

    bool startConsole(std::optional<std::u16string_view> workingFolder) override {
        ++consoleStartCount;
        consoleFolders.emplace_back(workingFolder.value_or(u""));
        if (onConsoleStart) {
            onConsoleStart();
        }
        return consoleStarts;
    }

    bool terminalWindowShown() override { return terminalShown; }

    EntryKind entryKind(std::u16string_view path) override {
        const Entry* entry = find(path);
        if (entry == nullptr) {
            return EntryKind::Missing;
        }
        if (entry->hiddenOrSystem) {
            return EntryKind::HiddenOrSystem;
        }
        return entry->directory ? EntryKind::Directory : EntryKind::OrdinaryFile;
    }

    std::optional<std::vector<std::uint8_t>> readFileStart(std::u16string_view path,
                                                           std::size_t maxBytes) override {
        readSizes.push_back(maxBytes);
        const auto found = fileContents.find(folded(path));
        if (found == fileContents.end()) {
            return std::nullopt;
        }
        const std::size_t size = std::min(maxBytes, found->second.size());
        return std::vector<std::uint8_t>(found->second.begin(),
                                         found->second.begin() + static_cast<std::ptrdiff_t>(size));
    }

    // An ordinary file with these contents.
    void setFile(std::u16string_view path, std::vector<std::uint8_t> contents) {
        setEntry(path, EntryKind::OrdinaryFile);
        fileContents[folded(path)] = std::move(contents);
    }

    bool isDirectory(std::u16string_view path) override {
        const Entry* entry = find(path);
        return entry != nullptr && entry->directory;
    }

    bool createDirectory(std::u16string_view path) override {
        if (contains(unmakeableDirectories, path)) {
            return false;
        }
        if (find(path) == nullptr && parentExists(path)) {
            entries[folded(path)] = {true, false};
            return true;
        }
        return isDirectory(path);
    }

    bool removeEmptyDirectory(std::u16string_view path) override { return removeIf(path, true); }

    bool deleteFile(std::u16string_view path) override { return removeIf(path, false); }

    LocalTime localTime() override {
        ++clockReadings;
        return now;
    }

    std::optional<std::u16string> environmentVariable(std::u16string_view name) override {
        const auto found = environment.find(std::u16string(name));
        return found == environment.end() ? std::nullopt : std::optional(found->second);
    }

    void setEnvironmentVariable(std::u16string_view name,
                                std::optional<std::u16string_view> value) override {
        if (value) {
            environment[std::u16string(name)] = std::u16string(*value);
        } else {
            environment.erase(std::u16string(name));
        }
    }

    // HiddenOrSystem makes a hidden file; setHiddenFolder a hidden folder.
    void setEntry(std::u16string_view path, EntryKind kind) {
        if (kind == EntryKind::Missing) {
            entries.erase(folded(path));
        } else {
            entries[folded(path)] = {kind == EntryKind::Directory,
                                     kind == EntryKind::HiddenOrSystem};
        }
    }
    void setHiddenFolder(std::u16string_view path) { entries[folded(path)] = {true, true}; }

    // The characters posted, without the windows they went to.
    std::u16string typed() const {
        std::u16string text;
        for (const Post& post : posts) {
            text += post.unit;
        }
        return text;
    }

  private:
    // Windows paths ignore case, so C:\adb and C:\ADB name one folder.
    static std::u16string folded(std::u16string_view path) {
        std::u16string key(path);
        for (char16_t& c : key) {
            if (c >= u'a' && c <= u'z') {
                c = static_cast<char16_t>(c - u'a' + u'A');
            }
        }
        return key;
    }

    static bool contains(const std::vector<std::u16string>& paths, std::u16string_view path) {
        const std::u16string key = folded(path);
        for (const auto& listed : paths) {
            if (folded(listed) == key) {
                return true;
            }
        }
        return false;
    }

    const Entry* find(std::u16string_view path) const {
        const auto found = entries.find(folded(path));
        return found == entries.end() ? nullptr : &found->second;
    }

    // One level at a time, as CreateDirectory makes them; a drive's root is always there.
    bool parentExists(std::u16string_view path) {
        const auto slash = path.rfind(u'\\');
        return slash == std::u16string_view::npos || path.substr(0, slash).ends_with(u':') ||
               isDirectory(path.substr(0, slash));
    }

    bool removeIf(std::u16string_view path, bool directory) {
        const auto found = entries.find(folded(path));
        if (contains(unremovable, path) || found == entries.end() ||
            found->second.directory != directory) {
            return false;
        }
        entries.erase(found);
        return true;
    }
};

struct Dialog {
    enum Kind { Input, Box, OpenFile } kind;
    std::u16string prompt;
    std::u16string title;
    std::u16string defaultText;     // input boxes; an Open dialog's start folder
    BoxKind box = BoxKind::Notice;  // message boxes
    std::vector<std::pair<std::u16string, std::u16string>> filters{};  // Open dialogs
};

// The window's state as plain values, with a record of every write to Text1
// and of every dialog; dialog answers come from queues the test fills.
class FakeView : public View {
  public:
    std::optional<Mode> mode = Mode::Normal;
    std::u16string combo1 = u"手机重启";
    std::u16string combo2 = u"寻找Fastboot";
    std::u16string combo3 = u"从电脑到手机";
    std::u16string text1;
    std::vector<std::u16string> statusWrites;
    std::optional<ControlId> focused;
    std::u16string caption{kWindowCaption};
    std::u16string phoneStatus;
    int looksForPhones = 0;
    bool shown = false;
    std::vector<Dialog> dialogs;
    std::deque<std::u16string> inputAnswers;  // an empty queue answers with the default
    std::deque<BoxAnswer> boxAnswers;         // an empty queue answers OK
    // Paths chosen in Open dialogs; an empty queue cancels.
    std::deque<std::u16string> chosenFiles;
    // The nodes whose Properties dialog opened, and whether it can open.
    std::vector<std::u16string> devicePropertiesShown;
    bool devicePropertiesOpen = true;
    // Runs while each dialog is open, as the window's other messages do then.
    std::function<void()> whileDialogOpen;

    bool isSelected(Mode m) const override { return mode == m; }

    std::u16string listText(List list) const override {
        switch (list) {
            case List::NormalActions:
                return combo1;
            case List::BootloaderActions:
                return combo2;
            case List::TransferDirections:
                return combo3;
        }
        return {};
    }

    std::u16string statusText() const override { return text1; }

    void setStatusText(const std::u16string& text) override {
        text1 = text;
        statusWrites.push_back(text);
    }

    void selectMode(Mode m) override { mode = m; }
    void focusControl(ControlId id) override { focused = id; }
    void setCaption(const std::u16string& text) override { caption = text; }
    void setPhoneStatus(const std::u16string& text) override { phoneStatus = text; }
    void lookForPhonesAgain() override { ++looksForPhones; }
    void show() override { shown = true; }

    std::u16string inputPrompt(std::u16string_view prompt, std::u16string_view title,
                               std::u16string_view defaultText) override {
        dialogs.push_back({Dialog::Input, std::u16string(prompt), std::u16string(title),
                           std::u16string(defaultText)});
        runWhileOpen();
        if (inputAnswers.empty()) {
            return std::u16string(defaultText);
        }
        std::u16string answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }

    BoxAnswer messageBox(std::u16string_view text, BoxKind kind,
                         std::u16string_view title) override {
        dialogs.push_back({Dialog::Box, std::u16string(text), std::u16string(title), u"", kind});
        runWhileOpen();
        if (boxAnswers.empty()) {
            return BoxAnswer::Ok;
        }
        const BoxAnswer answer = boxAnswers.front();
        boxAnswers.pop_front();
        return answer;
    }

    std::optional<std::u16string> chooseFile(const FileChoice& choice) override {
        Dialog dialog{Dialog::OpenFile, u"", std::u16string(choice.title),
                      std::u16string(choice.startFolder.value_or(u""))};
        for (const FileFilter& filter : choice.filters) {
            dialog.filters.emplace_back(filter.name, filter.pattern);
        }
        dialogs.push_back(std::move(dialog));
        runWhileOpen();
        if (chosenFiles.empty()) {
            return std::nullopt;
        }
        std::u16string chosen = chosenFiles.front();
        chosenFiles.pop_front();
        return chosen;
    }

    bool showDeviceProperties(std::u16string_view instanceId) override {
        devicePropertiesShown.emplace_back(instanceId);
        return devicePropertiesOpen;
    }

  private:
    void runWhileOpen() {
        if (whileDialogOpen) {
            whileDialogOpen();
        }
    }
};

// A window with its fakes, ready for clicks.
struct FormFixture {
    FakePlatform platform;
    FakeView view;
    Form form{platform, view};

    // Start in the given mode with the given list text.
    void pressStart(Mode mode, std::u16string_view listText = {}) {
        view.mode = mode;
        switch (mode) {
            case Mode::Normal:
                view.combo1 = listText;
                break;
            case Mode::Bootloader:
                view.combo2 = listText;
                break;
            case Mode::Transfer:
                view.combo3 = listText;
                break;
            case Mode::Install:
                break;
        }
        form.clicked(kStartButton);
    }
};

}  // namespace vantrel::testing
