// The shipped Windows host's end on an uncaught exception: a line on stderr and
// abort(), as the C++ library's own handler does, but naming the type as it is
// mangled. The library's handler links its demangler, a tenth of this program,
// and the host throws nothing of its own: only the library's out-of-memory and
// range errors could arrive here.
#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <exception>
#include <typeinfo>

namespace __gnu_cxx {

void __verbose_terminate_handler()
{
    const std::type_info* type = abi::__cxa_current_exception_type();
    std::fprintf(stderr, "zandrel-host: terminated by an uncaught exception%s%s\n", type != nullptr ? " of type " : "",
                 type != nullptr ? type->name() : "");
    std::abort();
}

}  // namespace __gnu_cxx
