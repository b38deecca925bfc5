// The release links the C++ library statically. The program throws nothing and catches nothing, yet the
// library's allocation and string code would pull in its exception machinery: the unwinder, the exception
// classes and, through the verbose terminate handler, a name demangler, four times the size of the
// program's own code. These replacements keep them out. What they report (memory exhausted, a string
// grown past its maximum size, an index past a string's end) cannot be recovered from here, so each ends
// the process at once.
#include <cstdlib>
#include <new>

#if defined(__GLIBCXX__)

void* operator new(std::size_t size)
{
    if (void* block = std::malloc(size ? size : 1))
        return block;
    std::abort();
}

void* operator new[](std::size_t size)
{
    return operator new(size);
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete[](void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}

namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
void __throw_invalid_argument(const char*) { std::abort(); }
// A broken precondition of the library (an index past a string's end, say), checked in every build.
void __glibcxx_assert_fail(const char*, int, const char*, const char*) noexcept { std::abort(); }
}  // namespace std

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

#endif
