// Beside the Windows build, linked into both programs; its arrows go only to kernel32.
// The few runtime pieces a C++ binary needs when it links no C library: the memory functions
// GCC emits calls to, operator new/delete over the process heap, and the pure-virtual trap.
#include <windows.h>

extern "C" {

void* memset(void* dst, int value, size_t count)
{
    unsigned char* p = (unsigned char*)dst;
    while (count--) *p++ = (unsigned char)value;
    return dst;
}

void* memcpy(void* dst, const void* src, size_t count)
{
    unsigned char* d = (unsigned char*)dst;
    const unsigned char* s = (const unsigned char*)src;
    while (count--) *d++ = *s++;
    return dst;
}

void* memmove(void* dst, const void* src, size_t count)
{
    unsigned char* d = (unsigned char*)dst;
    const unsigned char* s = (const unsigned char*)src;
    if (d < s) {
        while (count--) *d++ = *s++;
    } else {
        d += count;
        s += count;
        while (count--) *--d = *--s;
    }
    return dst;
}

int memcmp(const void* a, const void* b, size_t count)
{
    const unsigned char* x = (const unsigned char*)a;
    const unsigned char* y = (const unsigned char*)b;
    for (; count; --count, ++x, ++y)
        if (*x != *y) return *x < *y ? -1 : 1;
    return 0;
}

size_t strlen(const char* text)
{
    size_t n = 0;
    while (text[n]) ++n;
    return n;
}

void __cxa_pure_virtual() { FatalAppExitA(0, "pure virtual call"); }

// GCC on mingw registers destructors of function-local statics through atexit; the product
// keeps no such objects alive past unload, so there is nothing to run.
int atexit(void (*)(void)) { return 0; }

}  // extern "C"

void* operator new(size_t size) { return HeapAlloc(GetProcessHeap(), 0, size); }
void* operator new[](size_t size) { return HeapAlloc(GetProcessHeap(), 0, size); }
void operator delete(void* p) { if (p) HeapFree(GetProcessHeap(), 0, p); }
void operator delete[](void* p) { if (p) HeapFree(GetProcessHeap(), 0, p); }
void operator delete(void* p, size_t) { if (p) HeapFree(GetProcessHeap(), 0, p); }
void operator delete[](void* p, size_t) { if (p) HeapFree(GetProcessHeap(), 0, p); }
