#include "driver/ProcessEnvironment.h"

#include <winternl.h>

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

#include "driver/MessagePump.h"
#include "driver/Units.h"
#include "win32/common/UniqueHandles.h"

namespace e2e {

using vantrel::win32::UniqueHandle;

namespace {

// winternl.h declares RTL_USER_PROCESS_PARAMETERS up to the command line; the
// address of the environment block comes right after it.
struct ProcessParametersToEnvironment {
    RTL_USER_PROCESS_PARAMETERS known;
    const wchar_t* environment;
};
#ifdef _WIN64
static_assert(offsetof(ProcessParametersToEnvironment, environment) == 0x80);
#else
static_assert(offsetof(ProcessParametersToEnvironment, environment) == 0x48);
#endif

// The process parameters up to the current folder, which winternl.h leaves out.
struct ProcessParametersToCurrentFolder {
    ULONG maximumLength;
    ULONG length;
    ULONG flags;
    ULONG debugFlags;
    HANDLE consoleHandle;
    ULONG consoleFlags;
    HANDLE standardInput;
    HANDLE standardOutput;
    HANDLE standardError;
    UNICODE_STRING currentFolder;
};
#ifdef _WIN64
static_assert(offsetof(ProcessParametersToCurrentFolder, currentFolder) == 0x38);
#else
static_assert(offsetof(ProcessParametersToCurrentFolder, currentFolder) == 0x24);
#endif

// No block is larger: Windows limits an environment to 32,767 characters.
constexpr size_t kMostCharacters = 32767;
constexpr size_t kPageSize = 4096;

using QueryInformationProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

QueryInformationProcess queryInformationProcess() {
    // Not in any import library that the driver links: looked up in ntdll.
    const auto function = reinterpret_cast<QueryInformationProcess>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    if (function == nullptr) {
        throw std::runtime_error("ntdll.dll has no NtQueryInformationProcess");
    }
    return function;
}

template <typename Value>
Value readValue(HANDLE process, const void* address) {
    Value value{};
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, address, &value, sizeof(value), &read) ||
        read != sizeof(value)) {
        throw std::runtime_error("could not read another process's memory");
    }
    return value;
}

const void* processParametersAddress(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (queryInformationProcess()(process, ProcessBasicInformation, &basic, sizeof(basic),
                                  &length) != 0) {
        throw std::runtime_error("NtQueryInformationProcess failed");
    }
    return readValue<PEB>(process, basic.PebBaseAddress).ProcessParameters;
}

const wchar_t* environmentAddress(HANDLE process) {
    return readValue<ProcessParametersToEnvironment>(process, processParametersAddress(process))
        .environment;
}

std::wstring readCurrentFolder(HANDLE process) {
    const UNICODE_STRING folder =
        readValue<ProcessParametersToCurrentFolder>(process, processParametersAddress(process))
            .currentFolder;
    std::wstring path(folder.Length / sizeof(wchar_t), L'\0');
    SIZE_T read = 0;
    if (!path.empty() &&
        (!ReadProcessMemory(process, folder.Buffer, path.data(), folder.Length, &read) ||
         read != folder.Length)) {
        throw std::runtime_error("could not read another process's current folder");
    }
    return path;
}

UniqueHandle openForReading(DWORD processId) {
    if (!sameBitnessAsDriver(processId)) {
        throw std::runtime_error("the memory of a process of another bitness is not read");
    }
    UniqueHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process) {
        throw std::runtime_error("could not open another process to read its memory");
    }
    return process;
}

// Reads until the value is not empty and reads the same twice in a row: a
// process that is still starting is still building its parameters (Wine
// fills them in place and then moves them).
std::wstring readSettled(const std::function<std::wstring()>& read, std::string failure) {
    std::wstring value;
    const bool settled = pumpUntil([&] {
        try {
            std::wstring previous = std::move(value);
            value = read();
            return !value.empty() && value.front() != L'\0' && value == previous;
        } catch (const std::runtime_error& error) {
            failure = error.what();
            return false;
        }
    });
    if (!settled) {
        throw std::runtime_error(failure);
    }
    return value;
}

// The block up to its closing empty entry, which ends it. It is read a page
// at a time, so that nothing is read past the page that holds its end.
std::wstring readBlock(HANDLE process, const wchar_t* address) {
    constexpr std::wstring_view kEnd(L"\0\0", 2);
    std::wstring block;
    auto position = reinterpret_cast<uintptr_t>(address);
    size_t end = std::wstring::npos;
    while (end == std::wstring::npos) {
        if (block.size() > kMostCharacters) {
            throw std::runtime_error("another process's environment block has no end");
        }
        const size_t bytes = kPageSize - position % kPageSize;
        std::wstring chunk(bytes / sizeof(wchar_t), L'\0');
        SIZE_T read = 0;
        if (!ReadProcessMemory(process, reinterpret_cast<const void*>(position), chunk.data(),
                               bytes, &read) ||
            read != bytes) {
            throw std::runtime_error("could not read another process's environment block");
        }
        block += chunk;
        position += bytes;
        end = block.find(kEnd);
    }
    block.resize(end + kEnd.size());
    return block;
}

}  // namespace

bool sameBitnessAsDriver(DWORD processId) {
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    BOOL driverWow64 = FALSE;
    BOOL processWow64 = FALSE;
    if (!process || !IsWow64Process(GetCurrentProcess(), &driverWow64) ||
        !IsWow64Process(process.get(), &processWow64)) {
        throw std::runtime_error("could not tell whether another process is 32-bit");
    }
    return driverWow64 == processWow64;
}

std::vector<std::wstring> environmentOf(DWORD processId) {
    const UniqueHandle process = openForReading(processId);
    const std::wstring block =
        readSettled([&] { return readBlock(process.get(), environmentAddress(process.get())); },
                    "another process's environment block stayed empty");
    std::vector<std::wstring> entries;
    for (size_t start = 0; block[start] != L'\0';) {
        const size_t end = block.find(L'\0', start);
        entries.push_back(block.substr(start, end - start));
        start = end + 1;
    }
    return entries;
}

std::wstring currentFolderOf(DWORD processId) {
    const UniqueHandle process = openForReading(processId);
    return readSettled([&] { return readCurrentFolder(process.get()); },
                       "another process's current folder stayed empty");
}

std::optional<std::wstring> environmentVariableOf(DWORD processId, std::wstring_view name) {
    for (const std::wstring& entry : environmentOf(processId)) {
        // Entries such as "=C:=C:\\" start with '=': the name ends at the next one.
        const size_t equals = entry.find(L'=', 1);
        if (equals != std::wstring::npos &&
            equalIgnoringCase(std::wstring_view(entry).substr(0, equals), name)) {
            return entry.substr(equals + 1);
        }
    }
    return std::nullopt;
}

}  // namespace e2e
