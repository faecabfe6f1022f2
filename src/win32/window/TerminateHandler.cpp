// What std::terminate calls by default in the program. libstdc++'s own default,
// __gnu_cxx::__verbose_terminate_handler, prints the exception's demangled
// type to stderr, which a GUI program does not have, and brings the demangler
// and printf, about 70 KB. The linker's --wrap (see CMakeLists.txt) sends the
// runtime's one reference to that handler here instead; nothing of libstdc++
// is redefined. This ends the program as that handler does in the end.
#include <cstdlib>

extern "C" [[noreturn]] void __wrap__ZN9__gnu_cxx27__verbose_terminate_handlerEv() {
    std::abort();
}
