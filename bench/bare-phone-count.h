#pragma once

#include <windows.h>

#include <optional>

// Counts the attached phones from one listing, asked of a loaded setupapi.dll
// the most direct way: the present nodes of the USB enumerator and those of
// the present Android USB interfaces, with their hardware IDs, compatible IDs
// and driver keys. A phone is a node with an active Android interface, or one
// whose IDs name ADB's or fastboot's interface class while it has no driver;
// a node listed twice counts once. Nothing when SetupAPI cannot be asked.
std::optional<unsigned> countPhones(HMODULE setupApi);
