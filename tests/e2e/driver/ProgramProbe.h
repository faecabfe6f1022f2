#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace e2e {

// Has the probe carry out a request inside the program's process, where other
// processes cannot reach under Wine: probehost.exe hooks the program's UI
// thread with the probe and posts the request, which hostArgument chooses
// (see ProbeHost.cpp), and the probe answers with one WM_COPYDATA of the kind
// answerKind (see ProbeProtocol.h), whose text this returns; the check fails
// without one. The pair beside the driver serves a 64-bit program, the one
// from --probes-32 a 32-bit program.
std::wstring askProbe(HWND mainWindow, ULONG_PTR answerKind, std::wstring_view hostArgument = {});

}  // namespace e2e
