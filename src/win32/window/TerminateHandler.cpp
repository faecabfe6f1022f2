// std::terminate's default handler. GCC's own prints the exception's demangled
// type to stderr, which a GUI program does not have; this one ends the
// program as that one does in the end, by abort(). Defining it here keeps
// GCC's demangler and printf, about 70 KB, out of vantrel.exe.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
