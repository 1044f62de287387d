// The program has no console to print on. libstdc++'s default terminate handler would
// write the type of an uncaught exception there, and for that it links its C++ name
// demangler, some 70 KB of the program file that every start maps and never uses. This
// handler ends the program the same way, by abort(), without it.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
