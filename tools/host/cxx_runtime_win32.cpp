// The shipped Windows host's end on the C++ library's failures. It is compiled
// without exceptions and throws nothing of its own; what the library would throw
// (out of memory, a string past its maximum length) ends it with a line on stderr
// and abort(), as the uncaught exception did. Defined here, the library's own
// versions are not linked, nor what they bring: its exception classes and their
// strings, the unwinder, the terminate handler and its demangler.
#include <bits/functexcept.h>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

[[noreturn]] void Fail(const char* what, const char* detail)
{
    std::fprintf(stderr, "zandrel-host: %s%s%s\n", what, detail != nullptr ? ": " : "",
                 detail != nullptr ? detail : "");
    std::abort();
}

}  // namespace

void* operator new(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        Fail("out of memory", nullptr);
    }
    return block;
}

namespace std {

void __throw_bad_alloc()
{
    Fail("out of memory", nullptr);
}
void __throw_bad_array_new_length()
{
    Fail("out of memory", "array too long");
}
void __throw_logic_error(const char* what)
{
    Fail("logic error", what);
}
void __throw_length_error(const char* what)
{
    Fail("length error", what);
}
void __throw_out_of_range_fmt(const char* format, ...)
{
    Fail("out of range", format);
}

}  // namespace std
