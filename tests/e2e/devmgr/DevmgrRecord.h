#pragma once

// Where the stand-in devmgr.dll records the command line that its
// DeviceProperties_RunDLLW receives (HKEY_CURRENT_USER).
inline constexpr wchar_t kDevmgrRecordKey[] = L"Software\\VantrelTest";
inline constexpr wchar_t kDevmgrRecordValue[] = L"DevicePropertiesCommandLine";
